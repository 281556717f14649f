// The document state file of a photo index (NAME.kw0 beside the store files): the index's
// category names, storage locations, user-defined field definitions, CSV import data and two
// counters, in the archive conventions (base/archive_reader.h). Version 18 is written; every
// earlier version is read. Reading and writing work on plain data: the document applies a
// CDocumentState and a CResultListState to itself and to its store.
//
// Version 18 holds, in this order: version, carried value, import counter, category count
// and names, 15 storage locations, 15 reserved strings, definition count and definitions,
// CSV file text, CSV mapping block (255 bytes). Older versions differ:
//  - below 15, four old-style custom fields (label, search flag, an unused int32, 15 recent
//    values) follow the category names, and there are no definitions;
//  - 14 to 17 hold the result list after the reserved strings (count, current position,
//    first visible position, entry count, then the record numbers as "%6d" strings, as int32
//    in 17); from 18 on it is in the result-list file (app/result_list_file.h);
//  - below 16 there is no CSV data.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/result_list_file.h"
#include "app/state_file_status.h"
#include "classify/user_def_fields.h"

class CArchiveReader;
class CArchiveWriter;

constexpr int32_t kStateFileVersion = 18;
constexpr int kStorageLocationCount = 15;
constexpr int kReservedStringCount = 15;
constexpr size_t kCsvMappingSize = 255;

// The document's per-index state. Default-constructed, it is the state of a new index.
struct CDocumentState {
  int32_t carried_value = 0;  // read and written back unchanged
  int32_t import_counter = 1;
  std::vector<std::string> category_names;
  std::array<std::string, kStorageLocationCount> storage_locations;  // most recent first
  std::array<std::string, kReservedStringCount> reserved_strings;    // carried unchanged
  std::vector<CUserDefFields> definitions;
  std::string csv_file;
  std::array<uint8_t, kCsvMappingSize> csv_mapping{};  // target number per CSV column

  bool operator==(const CDocumentState&) const = default;
};

struct CDocumentStateRead {
  CDocumentState state;  // what was read before any damage; the rest as for a new index
  int32_t version = 0;   // 0 when the file could not be read
  // The stored result list (versions 14 to 17 from the state file, 18 on from the result-list
  // file); nothing when there is none.
  std::optional<CResultListState> result_list;
  CStateFileStatus state_file_status;
  // Of the result-list file; kNotOpened when it was not read (versions before 18).
  CStateFileStatus result_list_status{CStateFileStatus::Kind::kNotOpened, {}, {}};
};

struct CDocumentStateSave {
  CStateFileStatus state_file_status;
  CStateFileStatus result_list_status;
};

// The index path up to its last '.' (in its file name), followed by ".kw0".
std::string StateFilePath(const std::string& index_path);

// Reads the index's state file and, for version 18 and later, its result-list file in
// `temp_folder` (the document passes TempFolder()). A state file that cannot be opened
// gives the new-index state without a damage report.
CDocumentStateRead ReadDocumentState(const std::string& index_path, const std::string& temp_folder);
// Writes the state file (version 18), then the result-list file.
CDocumentStateSave SaveDocumentState(const std::string& index_path, const std::string& temp_folder,
                                     const CDocumentState& state,
                                     const CResultListState& result_list);

// The state file's bytes. Decoding stops at the first damaged field (the state read so far
// is kept; state_file_status says where); it does not read the result-list file.
std::string EncodeDocumentState(const CDocumentState& state);
CDocumentStateRead DecodeDocumentState(std::string_view bytes);

// The category names as the state files store them: a count, then the names. Reading adds a
// name only once and never `skipped_name` (empty: none); false when the data is damaged.
void WriteCategoryNames(CArchiveWriter& out, const std::vector<std::string>& names);
bool ReadCategoryNames(CArchiveReader& in, std::string_view skipped_name,
                       std::vector<std::string>& names);
