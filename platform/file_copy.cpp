#include "platform/file_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr size_t kCopyBufferSize = size_t{256} * 1024;

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

bool CopyContents(int from, int to) {
  std::vector<char> buffer(kCopyBufferSize);
  for (;;) {
    ssize_t n = read(from, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    if (!WriteAll(to, buffer.data(), static_cast<size_t>(n))) return false;
  }
}

// Puts `from` in place as `to` unless `to` exists. File systems without the kernel's
// no-replace rename get a check followed by a plain rename.
bool RenameWithoutReplacing(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return false;
  struct stat info;
  if (lstat(to.c_str(), &info) == 0) return false;
  return rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace

bool CopyFileKeepingMode(const std::string& from, const std::string& to, bool fail_if_exists) {
  int source = open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (source < 0) return false;
  struct stat info;
  if (fstat(source, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(source);
    return false;
  }
  // The copy is written beside the target under a temporary name and then put in place, so a
  // failed copy leaves neither a half-written file nor a damaged earlier target.
  std::string temporary = to + ".partXXXXXX";
  int target = mkostemp(temporary.data(), O_CLOEXEC);
  if (target < 0) {
    close(source);
    return false;
  }
  bool ok = CopyContents(source, target);
  if (ok) {
    // Mode and times are kept where the file system can hold them (FAT media cannot hold
    // every mode; a copy there still counts).
    fchmod(target, info.st_mode & 07777);
    const timespec times[2] = {info.st_atim, info.st_mtim};
    futimens(target, times);
  }
  close(source);
  ok = close(target) == 0 && ok;
  if (ok) {
    ok = fail_if_exists ? RenameWithoutReplacing(temporary, to)
                        : rename(temporary.c_str(), to.c_str()) == 0;
  }
  if (!ok) unlink(temporary.c_str());
  return ok;
}
