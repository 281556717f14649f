#include "ui/snapstore_program_testing.h"

#include <gtest/gtest.h>

#include <fstream>

#include "app/settings_file.h"
#include "store/database.h"

namespace {

constexpr double kProgramTimeoutSeconds = 60;

}  // namespace

CSnapstoreRun::CSnapstoreRun(std::string snapstore_binary, std::string cli_binary)
    : snapstore_binary_(std::move(snapstore_binary)), cli_binary_(std::move(cli_binary)) {
  home_.MakeDir("config");
  home_.MakeDir("tmp");
  // Only the root volume: the pictures are found where they were added.
  SetVolumes("/\tfixed\t\n");
}

void CSnapstoreRun::SetVolumes(const std::string& table) { home_.Write("volumes.txt", table); }

std::string CSnapstoreRun::SettingsPath() const { return home_ / "config/Albumcraft.ini"; }

std::vector<std::string> CSnapstoreRun::Environment() const {
  return {"HOME=" + home_.Path(), "XDG_CONFIG_HOME=" + (home_ / "config"),
          "TMPDIR=" + (home_ / "tmp"), "ALBUMCRAFT_VOLUMES=" + (home_ / "volumes.txt")};
}

std::string CSnapstoreRun::Cli(const std::vector<std::string>& args) {
  std::vector<std::string> argv = {cli_binary_};
  argv.insert(argv.end(), args.begin(), args.end());
  CChildResult result = RunChild(argv, Environment(), {}, kProgramTimeoutSeconds);
  EXPECT_EQ(result.exit_status, 0) << args[0] << ": " << result.err;
  return result.out;
}

std::string CSnapstoreRun::MakeIndex(int pictures, const std::vector<uint8_t>& jpeg,
                                     const std::string& folder) {
  const std::string index = home_.MakeDir("index") + "/trip.acx";
  Cli({"create", index});
  std::vector<std::string> add = {"add", index};
  for (int i = 1; i <= pictures; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "/photo%03d.jpg", i);
    add.push_back(home_.Write(folder + name, std::string(jpeg.begin(), jpeg.end())));
  }
  if (pictures > 0) Cli(add);
  Cli({"search", index, kAllRecordsQuery});
  CSettingsFile(SettingsPath()).WriteString("File", index);
  return index;
}

std::vector<std::string> CSnapstoreRun::Run(const std::string& script, CChildResult* result) {
  const std::string script_path = home_.Write("script.txt", script);
  const std::string report_path = home_ / "report.txt";
  CChildResult run = RunChild({snapstore_binary_, "--automation", script_path, report_path},
                              Environment(), {}, kProgramTimeoutSeconds);
  EXPECT_FALSE(run.timed_out) << run.err;
  EXPECT_EQ(run.err.find("assert"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("CRITICAL"), std::string::npos) << run.err;
  std::vector<std::string> lines;
  std::ifstream report(report_path);
  for (std::string line; std::getline(report, line);) lines.push_back(line);
  if (result) *result = run;
  return lines;
}

std::vector<std::string> Reports(const std::vector<std::string>& lines, const std::string& prefix) {
  std::vector<std::string> found;
  for (const std::string& line : lines) {
    if (line.rfind(prefix, 0) == 0) found.push_back(line.substr(prefix.size()));
  }
  return found;
}
