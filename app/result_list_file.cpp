#include "app/result_list_file.h"

#include <algorithm>

#include "base/archive_reader.h"
#include "base/archive_writer.h"
#include "base/string_printf.h"

namespace {

// A result list of every record of a very large index stays far below this.
constexpr size_t kMaxResultListFileSize = 64u << 20;

}  // namespace

void CResultListState::ClampPositions() {
  if (entries_valid) count = static_cast<int32_t>(entries.size());
  const int32_t last = std::max(count, 0);
  current_position = std::clamp(current_position, last > 0 ? 1 : 0, last);
  first_visible = std::clamp(first_visible, 1, std::max(last, 1));
}

std::string ResultListFilePath(const std::string& index_path, const std::string& temp_folder) {
  std::string name = index_path;
  std::replace_if(
      name.begin(), name.end(),
      [](char c) { return c == '\\' || c == ':' || c == '.' || c == '/'; }, '_');
  if (temp_folder.empty() || temp_folder.back() == '/') return temp_folder + name;
  return temp_folder + "/" + name;
}

std::string EncodeResultListFile(const CResultListState& list) {
  CArchiveWriter out;
  out.WriteInt32(static_cast<int32_t>(list.entries.size()));
  out.WriteInt32(list.current_position);
  out.WriteInt32(list.first_visible);
  for (const CResultListEntry& entry : list.entries) {
    out.WriteInt32(entry.record_number);
    out.WriteByte(entry.selected);
  }
  return out.data();
}

std::optional<CResultListState> DecodeResultListFile(std::string_view bytes, std::string& damage) {
  CArchiveReader in(bytes);
  CResultListState list;
  auto count = in.ReadInt32("result count");
  auto position = in.ReadInt32("current position");
  auto first_visible = in.ReadInt32("first visible position");
  if (!in.ok()) {
    damage = in.damage();
    return std::nullopt;
  }
  list.count = *count;
  list.current_position = *position;
  list.first_visible = *first_visible;
  const int64_t expected =
      static_cast<int64_t>(kResultListHeaderSize) + int64_t{kResultListEntrySize} * *count;
  if (*count >= 0 && static_cast<int64_t>(bytes.size()) == expected) {
    // The length check above bounds the count by the file.
    list.entries.reserve(static_cast<size_t>(*count));
    for (int32_t i = 0; i < *count; ++i) {
      CResultListEntry entry;
      entry.record_number = *in.ReadInt32("record number");
      entry.selected = *in.ReadByte("selected flag");
      list.entries.push_back(entry);
    }
    list.entries_valid = true;
  } else {
    damage = StringPrintf("it holds %zu bytes, but a list of %d entries takes %lld", bytes.size(),
                          *count, static_cast<long long>(expected));
  }
  list.ClampPositions();
  return list;
}

std::optional<CResultListState> ReadResultListFile(const std::string& path,
                                                   CStateFileStatus& status) {
  auto bytes = ReadStateFileBytes(path, kMaxResultListFileSize, status);
  if (!bytes) return std::nullopt;
  std::string damage;
  std::optional<CResultListState> list = DecodeResultListFile(*bytes, damage);
  if (!damage.empty()) {
    status.kind = CStateFileStatus::Kind::kDamaged;
    status.detail = damage;
  }
  return list;
}

CStateFileStatus WriteResultListFile(const std::string& path, const CResultListState& list) {
  return WriteStateFileBytes(path, EncodeResultListFile(list));
}
