// The outcome of reading or writing one of an index's state files (the document state file,
// the result-list file), naming the file so the user can be told which one.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

struct CStateFileStatus {
  enum class Kind {
    kOk,
    kNotOpened,    // the file does not exist or cannot be opened for reading
    kDamaged,      // read up to the first damaged field; `detail` names it
    kWriteFailed,  // the file could not be created or written; the old file is unchanged
  };

  Kind kind = Kind::kOk;
  std::string path;
  std::string detail;  // the damaged field, or the system's reason

  bool ok() const { return kind == Kind::kOk; }
  // The message for the user; empty for kOk and kNotOpened (a missing state file is the
  // normal state of a new index and is not reported).
  std::string Message() const;
};

// Reads the state file at `path` whole, for decoding. Nothing when it cannot be read: a file
// that cannot be opened gives kNotOpened, one longer than `max_size` or failing to read
// kDamaged. `status` gets the path in any case.
std::optional<std::string> ReadStateFileBytes(const std::string& path, size_t max_size,
                                              CStateFileStatus& status);

// Replaces the file at `path` with `bytes` (through a temporary file beside it, so a failed
// write leaves the old file as it was).
CStateFileStatus WriteStateFileBytes(const std::string& path, const std::string& bytes);
