// The outcome of a store operation, as a value: success, or a failure of a named kind with a
// message for the user that names the file.
#pragma once

#include <string>
#include <utility>

class CStatus {
 public:
  enum class Kind { kOk, kIoError, kCorruption, kRefused };

  CStatus() = default;
  static CStatus IoError(std::string message) {
    return CStatus(Kind::kIoError, std::move(message));
  }
  static CStatus Corruption(std::string message) {
    return CStatus(Kind::kCorruption, std::move(message));
  }
  static CStatus Refused(std::string message) {
    return CStatus(Kind::kRefused, std::move(message));
  }

  bool ok() const { return kind_ == Kind::kOk; }
  Kind kind() const { return kind_; }
  const std::string& message() const { return message_; }

 private:
  CStatus(Kind kind, std::string message) : kind_(kind), message_(std::move(message)) {}

  Kind kind_ = Kind::kOk;
  std::string message_;
};
