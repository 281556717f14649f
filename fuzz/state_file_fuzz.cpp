// Feeds arbitrary bytes to the readers of the index state files: the document state file
// (every version, with the field definitions inside it), a field definition on its own, and
// the result-list file. Whatever they accept must write and read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/document_state.h"
#include "app/result_list_file.h"
#include "base/archive_reader.h"
#include "base/archive_writer.h"
#include "classify/user_def_fields.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Definitions read from an older format are written in the current one.
CDocumentState AsWritten(CDocumentState state) {
  for (CUserDefFields& field : state.definitions)
    field.format_version = CUserDefFields::kFormatVersion;
  return state;
}

void StateFile(std::string_view bytes) {
  const CDocumentStateRead read = DecodeDocumentState(bytes);
  const CDocumentStateRead again = DecodeDocumentState(EncodeDocumentState(read.state));
  Check(again.state_file_status.ok());
  Check(again.state == AsWritten(read.state));
  if (read.result_list && read.result_list->entries_valid) {
    const auto& list = *read.result_list;
    Check(list.count == static_cast<int32_t>(list.entries.size()));
    Check(list.current_position >= (list.count > 0 ? 1 : 0) && list.current_position <= list.count);
  }
}

void Definitions(std::string_view bytes) {
  CArchiveReader in(bytes);
  while (in.remaining() > 0) {
    auto field = CUserDefFields::Deserialize(in);
    if (!field) break;
    CArchiveWriter out;
    field->Serialize(out);
    CArchiveReader again(out.data());
    auto reread = CUserDefFields::Deserialize(again);
    Check(reread.has_value() && again.remaining() == 0);
    field->format_version = CUserDefFields::kFormatVersion;
    Check(*reread == *field);
  }
}

void ResultListFile(std::string_view bytes) {
  std::string damage;
  auto list = DecodeResultListFile(bytes, damage);
  if (!list || !list->entries_valid) return;
  Check(EncodeResultListFile(*list).size() == bytes.size());
  auto again = DecodeResultListFile(EncodeResultListFile(*list), damage);
  Check(again && *again == *list);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  StateFile(bytes);
  Definitions(bytes);
  ResultListFile(bytes);
  return 0;
}
