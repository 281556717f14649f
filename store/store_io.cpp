#include "store/store_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

namespace {

class CPosixStoreIo : public CStoreIo {
 public:
  int Open(const std::string& path, bool writable) override {
    return ::open(path.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
  }

  int Create(const std::string& path) override {
    return ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  }

  void Close(int handle) override { ::close(handle); }

  bool ReadAt(int handle, uint64_t offset, MutableByteSpan out) override {
    size_t done = 0;
    while (done < out.size()) {
      const ssize_t n =
          ::pread(handle, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        if (n == 0) errno = EIO;
        return false;
      }
      done += static_cast<size_t>(n);
    }
    return true;
  }

  bool WriteAt(int handle, uint64_t offset, ByteSpan data) override {
    size_t done = 0;
    while (done < data.size()) {
      const ssize_t n = ::pwrite(handle, data.data() + done, data.size() - done,
                                 static_cast<off_t>(offset + done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        if (n == 0) errno = ENOSPC;
        return false;
      }
      done += static_cast<size_t>(n);
    }
    return true;
  }

  std::optional<CFileStamp> Stamp(int handle) override {
    struct stat st;
    if (::fstat(handle, &st) != 0) return std::nullopt;
    CFileStamp stamp;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = static_cast<uint64_t>(st.st_size);
    stamp.mtime_ns = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return stamp;
  }

  std::optional<int64_t> Touch(int handle) override {
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    clock_gettime(CLOCK_REALTIME, &times[1]);
    if (::futimens(handle, times) != 0) return std::nullopt;
    return static_cast<int64_t>(times[1].tv_sec) * 1000000000 + times[1].tv_nsec;
  }

  bool Remove(const std::string& path) override { return ::unlink(path.c_str()) == 0; }
};

}  // namespace

std::shared_ptr<CStoreIo> PosixStoreIo() {
  static std::shared_ptr<CStoreIo> io = std::make_shared<CPosixStoreIo>();
  return io;
}
