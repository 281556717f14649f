#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

std::string Reason() { return std::strerror(errno); }

class CFileDescriptor {
 public:
  explicit CFileDescriptor(int fd) : fd_(fd) {}
  ~CFileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  CFileDescriptor(const CFileDescriptor&) = delete;
  CFileDescriptor& operator=(const CFileDescriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and reports whether the close succeeded (a full disk may show only here).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

}  // namespace

CWholeFileRead ReadWholeFile(const std::string& path, size_t max_size) {
  CWholeFileRead read;
  CFileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info;
  if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || S_ISDIR(info.st_mode)) {
    read.result = CWholeFileRead::Result::kCannotOpen;
    read.missing = file.get() < 0 && errno == ENOENT;
    read.error = file.get() < 0 ? Reason() : "it is a folder";
    return read;
  }
  // The size is only a hint (the file may change while it is read); the loop is bounded by
  // max_size whatever it says.
  if (info.st_size > 0 && static_cast<uint64_t>(info.st_size) > max_size) {
    read.result = CWholeFileRead::Result::kTooLarge;
    return read;
  }
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      read.result = CWholeFileRead::Result::kReadError;
      read.error = Reason();
      read.bytes.clear();
      return read;
    }
    if (read.bytes.size() + static_cast<size_t>(n) > max_size) {
      read.result = CWholeFileRead::Result::kTooLarge;
      read.bytes.clear();
      return read;
    }
    read.bytes.append(buffer, static_cast<size_t>(n));
  }
  return read;
}

std::optional<std::string> ReplaceFileContents(const std::string& path, const std::string& bytes,
                                               const std::string& temporary_path) {
  const std::string temporary = temporary_path.empty() ? path + ".tmp" : temporary_path;
  CFileDescriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (file.get() < 0) return Reason();
  size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(file.get(), bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      std::string reason = n < 0 ? Reason() : "nothing was written";
      ::unlink(temporary.c_str());
      return reason;
    }
    written += static_cast<size_t>(n);
  }
  if (::fsync(file.get()) != 0 || !file.Close()) {
    std::string reason = Reason();
    ::unlink(temporary.c_str());
    return reason;
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::string reason = Reason();
    ::unlink(temporary.c_str());
    return reason;
  }
  return std::nullopt;
}
