#include "app/state_file_status.h"

#include "base/string_printf.h"
#include "base/string_table.h"
#include "platform/whole_file.h"

std::string CStateFileStatus::Message() const {
  switch (kind) {
    case Kind::kOk:
    case Kind::kNotOpened:
      return {};
    case Kind::kDamaged:
      return StringPrintf(kMsgStateFileDamagedFormat, path.c_str(), detail.c_str());
    case Kind::kWriteFailed:
      return StringPrintf(kMsgStateFileNotWrittenFormat, path.c_str(), detail.c_str());
  }
  return {};
}

std::optional<std::string> ReadStateFileBytes(const std::string& path, size_t max_size,
                                              CStateFileStatus& status) {
  status = CStateFileStatus{};
  status.path = path;
  CWholeFileRead file = ReadWholeFile(path, max_size);
  switch (file.result) {
    case CWholeFileRead::Result::kOk:
      return std::move(file.bytes);
    case CWholeFileRead::Result::kCannotOpen:
      status.kind = CStateFileStatus::Kind::kNotOpened;
      status.detail = file.error;
      break;
    case CWholeFileRead::Result::kTooLarge:
      status.kind = CStateFileStatus::Kind::kDamaged;
      status.detail = StringPrintf("it is longer than %zu bytes", max_size);
      break;
    case CWholeFileRead::Result::kReadError:
      status.kind = CStateFileStatus::Kind::kDamaged;
      status.detail = file.error;
      break;
  }
  return std::nullopt;
}

CStateFileStatus WriteStateFileBytes(const std::string& path, const std::string& bytes) {
  CStateFileStatus status;
  status.path = path;
  if (auto error = ReplaceFileContents(path, bytes)) {
    status.kind = CStateFileStatus::Kind::kWriteFailed;
    status.detail = *error;
  }
  return status;
}
