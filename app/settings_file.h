// CSettingsFile: the settings file that both programs share, lines of "key=value". A key is
// the text before the first '=' of its line, compared exactly; the value is the text after
// that '=', trimmed. Lines without '=' (comments) and lines of other keys survive a rewrite;
// empty lines do not. Lines may be of any length.
//
// Every write rewrites the whole file through a temporary file beside it (the settings path
// without its last four characters, followed by ".tmp") that then replaces the settings file
// by rename, so a crash at any moment leaves either the old or the new file in place.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CSettingsFile {
 public:
  explicit CSettingsFile(std::string path);

  // The settings file of this user: "Albumcraft.ini" in the settings folder.
  static std::string DefaultPath();

  const std::string& Path() const { return path_; }
  // The path without its last four characters, followed by ".tmp".
  std::string TemporaryPath() const;

  // The whole file; nothing when it does not exist or cannot be read.
  std::optional<std::string> ReadContent() const;

  // The value of `key`: the values of all its lines joined, trimmed; `default_value` when no
  // line has the key or the file does not exist.
  std::string ReadString(const std::string& key, const std::string& default_value) const;
  // The value read as a decimal number ("%d": leading blanks, a sign, digits, anything after
  // them ignored). `default_value` when the key is missing, when its value does not begin
  // with a number or is out of range, and when it is -1.
  int ReadNumber(const std::string& key, int default_value) const;

  // Writes the key: its first line gets the new value (later lines of the same key are
  // dropped, so the value reads back as written), or the key is appended. False when the
  // file could not be rewritten; the settings file is then as it was.
  bool WriteString(const std::string& key, const std::string& value) const;
  bool WriteNumber(const std::string& key, int value) const;
  // Writes several keys with one rewrite; the file ends exactly as if each key had been
  // written in turn.
  bool WriteStrings(const std::vector<std::pair<std::string, std::string>>& entries) const;

  // The same rules applied to the text of a settings file.
  static std::string StringFrom(std::string_view content, std::string_view key,
                                const std::string& default_value);
  static int NumberFrom(std::string_view content, std::string_view key, int default_value);
  static std::string Rewritten(std::string_view content,
                               const std::vector<std::pair<std::string, std::string>>& entries);

 private:
  std::string path_;
};
