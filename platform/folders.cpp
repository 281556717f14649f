#include "platform/folders.h"

#include "platform/path_text.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace {

// The variable's value; empty when it is unset.
std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The value of `name` in a user-dirs.dirs file: lines NAME="value", where the value is
// "$HOME/..." or an absolute path. Empty when the file has no usable line for it.
std::string UserDir(const std::string& file, std::string_view name) {
  std::ifstream in(file);
  std::string line;
  std::string found;
  while (std::getline(in, line)) {
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line.compare(start, name.size(), name) != 0) continue;
    size_t pos = start + name.size();
    if (line.compare(pos, 2, "=\"") != 0) continue;
    size_t end = line.rfind('"');
    if (end <= pos + 1) continue;
    std::string value = line.substr(pos + 2, end - pos - 2);
    if (value.compare(0, 5, "$HOME") == 0 && (value.size() == 5 || value[5] == '/')) {
      value = HomeFolder() + value.substr(5);
    } else if (value.empty() || value[0] != '/') {
      continue;
    }
    found = value;  // the last line wins, as for the shell that sources the file
  }
  return WithoutTrailingSlash(found);
}

}  // namespace

std::string HomeFolder() {
  std::string home = Env("HOME");
  if (home.empty()) {
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) home = entry->pw_dir;
  }
  return home.empty() ? "/" : WithoutTrailingSlash(home);
}

std::string SettingsFolder() {
  // Only an absolute $XDG_CONFIG_HOME counts; a relative one is ignored.
  std::string config = Env("XDG_CONFIG_HOME");
  if (!config.empty() && config[0] == '/') return WithoutTrailingSlash(config);
  return JoinPath(HomeFolder(), ".config");
}

std::string TempFolder() {
  std::string temp = Env("TMPDIR");
  return temp.empty() ? "/tmp" : WithoutTrailingSlash(temp);
}

std::string DocumentsFolder() {
  std::string documents = UserDir(SettingsFolder() + "/user-dirs.dirs", "XDG_DOCUMENTS_DIR");
  if (!documents.empty()) return documents;
  return JoinPath(HomeFolder(), "Documents");
}

std::string InstallDataFolder() {
  std::error_code error;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return WithoutTrailingSlash(std::filesystem::current_path(error).string());
  std::filesystem::path data =
      (program.parent_path() / ".." / "share" / "albumcraft").lexically_normal();
  return WithoutTrailingSlash(data.string());
}
