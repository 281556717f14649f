// The result-list file: the last result list of an index, its current position, first
// visible position and selection, kept in the temporary folder so that the index opens again
// where the user left it. Plain binary, little-endian: int32 count, int32 current position,
// int32 first visible position, then per entry an int32 record number and a selected byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/state_file_status.h"

constexpr size_t kResultListHeaderSize = 12;
constexpr size_t kResultListEntrySize = 5;

struct CResultListEntry {
  int32_t record_number = 0;
  uint8_t selected = 0;

  bool operator==(const CResultListEntry&) const = default;
};

// A result list as stored, read from the result-list file or from an older state file.
struct CResultListState {
  int32_t count = 0;
  int32_t current_position = 0;  // 1-based; 0 for an empty list
  int32_t first_visible = 1;     // 1-based position of the first thumbnail in the strip
  std::vector<CResultListEntry> entries;
  // The entries were read whole. When not, `entries` is empty and the counters are as read
  // (for the record): the document then restores no list, since a count without entries
  // would point past its list.
  bool entries_valid = false;

  // Brings the positions into the list: with valid entries the count is their number; the
  // current position is clamped to 1 ... count (0 for an empty list) and the first visible
  // position to 1 ... count.
  void ClampPositions();

  bool operator==(const CResultListState&) const = default;
};

// temp_folder + "/" + the whole index path with every '\\', ':', '.' and '/' replaced by '_'.
// The document passes TempFolder() (platform/folders.h).
std::string ResultListFilePath(const std::string& index_path, const std::string& temp_folder);

// The file's bytes for `list`: its count is the number of its entries.
std::string EncodeResultListFile(const CResultListState& list);
// Decodes a result-list file. Nothing when the file is too short for the counters. The
// entries are taken only when the length is exactly that of `count` entries; else the
// counters are kept, no entries are built, and `damage` says why.
std::optional<CResultListState> DecodeResultListFile(std::string_view bytes, std::string& damage);

// The file at `path`: a missing file gives nothing and kNotOpened.
std::optional<CResultListState> ReadResultListFile(const std::string& path,
                                                   CStateFileStatus& status);
CStateFileStatus WriteResultListFile(const std::string& path, const CResultListState& list);
