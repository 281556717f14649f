// CSnapstoreRun: runs the real archiver for an end-to-end test, in a home folder of its own
// ($HOME, $XDG_CONFIG_HOME, $TMPDIR and an injected volume table), driven by an automation
// script (ui/automation_ui.h); photo indexes for it are made with snapstore-cli.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/child_process_testing.h"
#include "platform/temp_dir_testing.h"

class CSnapstoreRun {
 public:
  CSnapstoreRun(std::string snapstore_binary, std::string cli_binary);

  const CTempDir& home() const { return home_; }
  std::string SettingsPath() const;

  // Makes an index of `pictures` copies of the JPEG file `jpeg`, written into `folder` of the
  // home, with snapstore-cli; selects all of them (the result list the archiver opens with)
  // and names the index in the settings as the one to open; returns its path.
  std::string MakeIndex(int pictures, const std::vector<uint8_t>& jpeg,
                        const std::string& folder = "pictures");
  // The volume table the programs see: lines of "root<TAB>kind<TAB>label".
  void SetVolumes(const std::string& table);
  // Runs snapstore-cli; its standard output. The test fails when it does not succeed.
  std::string Cli(const std::vector<std::string>& args);

  // Runs the archiver with the script; the lines it reported.
  std::vector<std::string> Run(const std::string& script, CChildResult* result = nullptr);

 private:
  std::vector<std::string> Environment() const;

  std::string snapstore_binary_;
  std::string cli_binary_;
  CTempDir home_;
};

// The reported lines that start with `prefix`, with the prefix taken off.
std::vector<std::string> Reports(const std::vector<std::string>& lines, const std::string& prefix);
