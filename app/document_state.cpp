#include "app/document_state.h"

#include <algorithm>
#include <charconv>
#include <unordered_set>

#include "base/archive_reader.h"
#include "base/archive_writer.h"
#include "base/string_table.h"

namespace {

// Versions that hold a part of the state.
constexpr int32_t kFirstVersionWithDefinitions = 15;  // before: four old-style fields
constexpr int32_t kFirstVersionWithResultList = 14;
constexpr int32_t kFirstVersionWithIntResults = 17;  // before: "%6d" strings
constexpr int32_t kFirstVersionWithResultFile = 18;  // the list moved to its own file
constexpr int32_t kFirstVersionWithCsv = 16;

constexpr int kOldFieldCount = 4;
constexpr int kOldRecentValueCount = 15;

// A real state file is a few kilobytes; this bounds what a damaged one can make us read.
constexpr size_t kMaxStateFileSize = 64u << 20;

// The old-style custom fields of versions before 15: each one with a label becomes the
// definition numbered 1 to 4, its value in text field 100 to 103.
bool ReadOldFields(CArchiveReader& in, std::vector<CUserDefFields>& definitions) {
  for (int i = 1; i <= kOldFieldCount; ++i) {
    auto label = in.ReadString("old custom field label");
    auto search = in.ReadInt32("old custom field search flag");
    in.ReadInt32("old custom field value");
    CUserDefFields field;
    for (int k = 0; k < kOldRecentValueCount; ++k) {
      auto value = in.ReadString("old custom field recent value");
      if (value) field.recent_values[k] = std::move(*value);
    }
    if (!in.ok()) return false;
    if (label->empty()) continue;
    field.Set(*label, i, i);
    field.search = *search;
    definitions.push_back(std::move(field));
  }
  return true;
}

template <size_t N>
bool ReadStrings(CArchiveReader& in, std::string_view field, std::array<std::string, N>& out) {
  for (std::string& text : out) {
    auto value = in.ReadString(field);
    if (!value) return false;
    text = std::move(*value);
  }
  return true;
}

// A record number written with "%6d": blanks, then a number.
std::optional<int32_t> ParseRecordNumber(std::string_view text) {
  const size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::nullopt;
  const size_t end = text.find_last_not_of(' ') + 1;
  int32_t value = 0;
  auto [rest, error] = std::from_chars(text.data() + start, text.data() + end, value);
  if (error != std::errc() || rest != text.data() + end) return std::nullopt;
  return value;
}

// The result list of versions 14 to 17. A damaged list builds no entries.
void ReadStoredResultList(CArchiveReader& in, int32_t version,
                          std::optional<CResultListState>& result_list) {
  CResultListState list;
  auto count = in.ReadInt32("result count");
  auto position = in.ReadInt32("current position");
  auto first_visible = in.ReadInt32("first visible position");
  const bool as_strings = version < kFirstVersionWithIntResults;
  auto entries = in.ReadCount("result entry count", as_strings ? 1 : 4);
  if (!count || !position || !first_visible) return;
  list.count = *count;
  list.current_position = *position;
  list.first_visible = *first_visible;
  for (int32_t i = 0; entries && i < *entries && in.ok(); ++i) {
    CResultListEntry entry;
    if (as_strings) {
      const size_t start = in.position();
      auto text = in.ReadString("result entry");
      if (!text) break;
      auto number = ParseRecordNumber(*text);
      if (!number) {
        in.Fail(start, "result entry", "is not a record number");
        break;
      }
      entry.record_number = *number;
    } else {
      auto number = in.ReadInt32("result entry");
      if (!number) break;
      entry.record_number = *number;
    }
    list.entries.push_back(entry);
  }
  list.entries_valid = in.ok();
  if (!list.entries_valid) list.entries.clear();
  list.ClampPositions();
  result_list = std::move(list);
}

// Reads the fields in file order; stops at the first damaged one, leaving the rest as they
// were (the new-index state).
void ReadFields(CArchiveReader& in, CDocumentStateRead& read) {
  auto version = in.ReadInt32("version");
  if (!version) return;
  read.version = *version;
  CDocumentState& state = read.state;

  auto carried_value = in.ReadInt32("carried value");
  auto import_counter = in.ReadInt32("import counter");
  if (!in.ok()) return;
  state.carried_value = *carried_value;
  state.import_counter = *import_counter;
  if (!ReadCategoryNames(in, LoadString(IDS_TO_BE_DESCRIBED), state.category_names)) return;
  if (*version < kFirstVersionWithDefinitions && !ReadOldFields(in, state.definitions)) return;
  if (!ReadStrings(in, "storage location", state.storage_locations)) return;
  if (!ReadStrings(in, "reserved string", state.reserved_strings)) return;
  if (*version >= kFirstVersionWithResultList && *version < kFirstVersionWithResultFile) {
    ReadStoredResultList(in, *version, read.result_list);
    if (!in.ok()) return;
  }
  if (*version >= kFirstVersionWithDefinitions && !ReadDefinitionList(in, state.definitions)) {
    return;
  }
  if (*version >= kFirstVersionWithCsv) {
    auto csv_file = in.ReadString("CSV file");
    auto mapping = in.ReadBytes("CSV mapping", kCsvMappingSize);
    if (!in.ok()) return;
    state.csv_file = std::move(*csv_file);
    std::copy(mapping->begin(), mapping->end(), state.csv_mapping.begin());
  }
}

}  // namespace

std::string StateFilePath(const std::string& index_path) {
  const size_t name_start = index_path.find_last_of("/\\") + 1;  // 0 when there is none
  const size_t dot = index_path.rfind('.');
  if (dot == std::string::npos || dot < name_start) return index_path + ".kw0";
  return index_path.substr(0, dot) + ".kw0";
}

void WriteCategoryNames(CArchiveWriter& out, const std::vector<std::string>& names) {
  out.WriteInt32(static_cast<int32_t>(names.size()));
  for (const std::string& name : names) out.WriteString(name);
}

bool ReadCategoryNames(CArchiveReader& in, std::string_view skipped_name,
                       std::vector<std::string>& names) {
  auto count = in.ReadCount("category count", 1);
  if (!count) return false;
  std::unordered_set<std::string> seen(names.begin(), names.end());
  for (int32_t i = 0; i < *count; ++i) {
    auto name = in.ReadString("category name");
    if (!name) return false;
    if (!skipped_name.empty() && *name == skipped_name) continue;
    if (seen.insert(*name).second) names.push_back(std::move(*name));
  }
  return true;
}

std::string EncodeDocumentState(const CDocumentState& state) {
  CArchiveWriter out;
  out.WriteInt32(kStateFileVersion);
  out.WriteInt32(state.carried_value);
  out.WriteInt32(state.import_counter);
  WriteCategoryNames(out, state.category_names);
  for (const std::string& location : state.storage_locations) out.WriteString(location);
  for (const std::string& reserved : state.reserved_strings) out.WriteString(reserved);
  WriteDefinitionList(out, state.definitions);
  out.WriteString(state.csv_file);
  out.WriteBytes(std::string_view(reinterpret_cast<const char*>(state.csv_mapping.data()),
                                  state.csv_mapping.size()));
  return out.data();
}

CDocumentStateRead DecodeDocumentState(std::string_view bytes) {
  CDocumentStateRead read;
  CArchiveReader in(bytes);
  ReadFields(in, read);
  if (!in.ok()) {
    read.state_file_status.kind = CStateFileStatus::Kind::kDamaged;
    read.state_file_status.detail = in.damage();
  }
  return read;
}

CDocumentStateRead ReadDocumentState(const std::string& index_path,
                                     const std::string& temp_folder) {
  CStateFileStatus status;
  auto bytes = ReadStateFileBytes(StateFilePath(index_path), kMaxStateFileSize, status);
  CDocumentStateRead read;
  if (bytes) {
    read = DecodeDocumentState(*bytes);
    read.state_file_status.path = status.path;
  } else {
    read.state_file_status = status;
  }
  if (read.version >= kFirstVersionWithResultFile) {
    read.result_list =
        ReadResultListFile(ResultListFilePath(index_path, temp_folder), read.result_list_status);
  }
  return read;
}

CDocumentStateSave SaveDocumentState(const std::string& index_path, const std::string& temp_folder,
                                     const CDocumentState& state,
                                     const CResultListState& result_list) {
  CDocumentStateSave save;
  save.state_file_status =
      WriteStateFileBytes(StateFilePath(index_path), EncodeDocumentState(state));
  save.result_list_status =
      WriteResultListFile(ResultListFilePath(index_path, temp_folder), result_list);
  return save;
}
