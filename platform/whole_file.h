// Reading a small file whole and replacing a file's contents without a window in which a
// crash or a full disk leaves it half-written.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

struct CWholeFileRead {
  enum class Result { kOk, kCannotOpen, kTooLarge, kReadError };
  Result result = Result::kOk;
  std::string bytes;
  std::string error;     // the system's reason, for kCannotOpen and kReadError
  bool missing = false;  // kCannotOpen because there is no such file
};

// Reads the file at `path` whole; a file longer than `max_size` bytes is not read (kTooLarge).
CWholeFileRead ReadWholeFile(const std::string& path, size_t max_size);

// Writes `bytes` to the temporary file (`path` + ".tmp" when none is named), flushed to the
// disk, then renames it over `path`. On failure the old file stays as it was, the temporary
// file is removed, and the reason is returned.
std::optional<std::string> ReplaceFileContents(const std::string& path, const std::string& bytes,
                                               const std::string& temporary = {});
