// CDebugLog: the trace that the DebugMode setting switches on. Each entry is the local time
// as ctime() writes it (ending in a line feed), " -> ", the message and a line feed, appended
// to debug.txt in the InstallPath folder when that folder is writable, else in the settings
// folder.
#pragma once

#include <string>

class CDebugLog {
 public:
  // Off: writes nothing.
  CDebugLog() = default;
  // On when `debug_mode` is 1.
  CDebugLog(int debug_mode, std::string install_path);

  bool Enabled() const { return enabled_; }
  // The file that entries go to.
  std::string FilePath() const;
  // Appends one entry when the log is on. A log that cannot be written is skipped.
  void Write(const std::string& message) const;

 private:
  bool enabled_ = false;
  std::string install_path_;
};
