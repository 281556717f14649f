#include "platform/debug_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>

#include "platform/folders.h"
#include "platform/path_text.h"

namespace {

constexpr const char* kDebugLogName = "debug.txt";
constexpr int kDebugModeOn = 1;

}  // namespace

CDebugLog::CDebugLog(int debug_mode, std::string install_path)
    : enabled_(debug_mode == kDebugModeOn), install_path_(std::move(install_path)) {}

std::string CDebugLog::FilePath() const {
  bool writable = !install_path_.empty() && access(install_path_.c_str(), W_OK | X_OK) == 0;
  return JoinPath(writable ? install_path_ : SettingsFolder(), kDebugLogName);
}

void CDebugLog::Write(const std::string& message) const {
  if (!enabled_) return;
  std::time_t now = std::time(nullptr);
  char when[64] = "";
  if (!ctime_r(&now, when)) when[0] = '\0';
  std::string entry = std::string(when) + " -> " + message + "\n";
  std::string path = FilePath();
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
  if (fd < 0) return;
  // One write per entry, so entries of two programs never interleave.
  ssize_t written = write(fd, entry.data(), entry.size());
  (void)written;
  close(fd);
}
