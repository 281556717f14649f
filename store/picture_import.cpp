// The store's part of adding pictures: the import step AddPicture with its picture IDs, and
// the two questions the import asks: was this file imported before, and which files of a
// folder are stored.
#include "base/front_end.h"
#include "base/string_printf.h"
#include "base/string_table.h"
#include "base/text_rules.h"
#include "platform/picture_path.h"
#include "store/database.h"
#include "store/directory_key.h"
#include "store/id_format.h"
#include "store/posting_walk.h"
#include "store/tracked_writes.h"

namespace {

// An ID insertion deeper than this rebuilds the key tree.
constexpr int kAddPictureRebuildVisits = 50;
constexpr int kCategoryCode = kFieldCategory + 1;
// A stored path shorter than this counts as no path.
constexpr size_t kShortestPath = 5;
constexpr const char* kNoName = "No name";

std::string WithoutDrive(std::string_view path) { return std::string(WithoutDrivePrefix(path)); }

// The file name of a path without its extension: between the last '/' and the last '.'.
std::string FileNameId(const std::string& path) {
  const size_t slash = path.rfind('/');
  const size_t start = slash == std::string::npos ? 0 : slash + 1;
  size_t end = path.rfind('.');
  if (end == std::string::npos || end < start) end = path.size();
  return CutText(UpperCase(path.substr(start, end - start)), kMaxKeyLength);
}

}  // namespace

std::string Cdatabase::PathTailOf(uint32_t record) {
  return WithoutDrive(LowerCase(StoredPathOf(record, nullptr)));
}

void Cdatabase::PostDirectoryKey(const std::string& path, const std::string& label) {
  AddPosting(DirectoryKey(LowerCase(path), label), kCodeDirectoryKey);
  auto memo = folder_memos_.find(last_word_first_);
  if (status_.ok() && memo != folder_memos_.end()) {
    ++memo->second.tails[WithoutDrive(LowerCase(path))];
  }
}

void Cdatabase::UnpostDirectoryKey(const std::string& stored_path, const std::string& label,
                                   uint32_t record) {
  RemovePosting(DirectoryKey(LowerCase(stored_path), label), record, kCodeDirectoryKey);
  auto memo = folder_memos_.find(last_word_first_);
  if (!status_.ok() || memo == folder_memos_.end() || last_removed_count_ == 0) return;
  auto tail = memo->second.tails.find(WithoutDrive(LowerCase(stored_path)));
  if (tail == memo->second.tails.end() || tail->second < last_removed_count_) {
    folder_memos_.erase(memo);  // the memo did not know this posting: build it again
  } else if ((tail->second -= last_removed_count_) == 0) {
    memo->second.tails.erase(tail);
  }
}

int Cdatabase::ImportedBefore(const std::string& path, const std::string& label) {
  COpenFiles files(*this);
  if (!files.ok()) return 0;
  const std::string lower = LowerCase(path);
  const int found = FindKey(DirectoryKey(lower, label), kRootNode);
  if (found <= 0) return 0;
  std::optional<CKeyNode> node = ReadKeyNode(static_cast<uint32_t>(found));
  if (!node || node->kind != kKindWord) return 0;
  const std::string tail = WithoutDrive(lower);
  auto memo = folder_memos_.find(node->first);
  if (memo == folder_memos_.end()) {
    CFolderMemo built;
    const bool walked = ForEachPostingBlock(node->first, [&](uint32_t, const CPostingBlock& block) {
      for (uint32_t record : block.records) {
        if (record > 0) ++built.tails[PathTailOf(record)];
      }
      return status_.ok();
    });
    if (!walked) return 0;
    memo = folder_memos_.emplace(node->first, std::move(built)).first;
  }
  return memo->second.tails.count(tail) ? 1 : 0;
}

AddResult Cdatabase::AddPicture(const std::string& path, int id_mode,
                                const std::string& id_format) {
  COpenFiles files(*this);
  if (!files.ok()) return AddResult::kFailed;
  if (!ReadHeader()) return AddResult::kFailed;
  if (id_mode == kIdModeAutomatic || id_mode == kIdModeFormat) {
    const std::string format = id_mode == kIdModeAutomatic ? kAutomaticIdFormat : id_format;
    std::string previous;
    while (status_.ok()) {
      fields[kFieldId] = UpperCase(FormatId(format, id_counter));
      ++id_counter;
      // A format without a number makes the same ID every time: it is taken or it is not.
      if (fields[kFieldId] == previous || FindKey(fields[kFieldId], kRootNode) <= 0) break;
      previous = fields[kFieldId];
    }
  } else if (id_mode == kIdModeFileName) {
    fields[kFieldId] = FileNameId(path);
  }
  if (!status_.ok()) return AddResult::kFailed;

  const size_t results_before = results.size();
  AddResult result = AddResult::kDone;
  Trace("CheckPrevImport");
  if (ImportedBefore(path, volume_label)) {
    Trace("Imported before");
    result = AddResult::kImportedBefore;
  } else {
    Trace("Not imported");
    const std::string id_key = CutText(fields[kFieldId], kMaxKeyLength);
    const int found = FindKey(id_key, kRootNode);
    if (!status_.ok()) return AddResult::kFailed;
    if (found <= 0) {
      Trace("New record");
      InsertKey(fields[kFieldId], kKindPictureId, -1, -1, 1, 1);
      if (visit_count_ > kAddPictureRebuildVisits) RebuildKeyTree();
      image_path = path;
      Trace("Add new text");
      field_text_start_ = StoreFieldText();
      Trace("Add to main");
      AppendRecord();
      const int added = FindKey(id_key, kRootNode);
      if (added > 0) {
        std::optional<CKeyNode> node = ReadKeyNode(static_cast<uint32_t>(added));
        if (node) current_record_ = node->first;
      }
      Trace("Add to index");
      IndexText(kCategoryCode, fields[kFieldCategory]);
      IndexText(kCodeAllRecords, kAllRecordsWord);
      if (status_.ok()) results.Append(static_cast<int32_t>(current_record_));
      Trace("End add");
    } else {
      Trace("Fileexists");
      result = ReplacePicture(static_cast<uint32_t>(found), path);
      if (result == AddResult::kDuplicateId) return result;
    }
    WriteHeader();
  }
  if (!Commit()) {
    results.Truncate(results_before);
    return AddResult::kFailed;
  }
  // A picture not added gives its number back to the counter.
  if (result == AddResult::kDuplicateId || result == AddResult::kImportedBefore) --id_counter;
  return result;
}

AddResult Cdatabase::ReplacePicture(uint32_t found, const std::string& path) {
  std::optional<CKeyNode> node = ReadKeyNode(found);
  if (!node) return AddResult::kFailed;
  // An ID equal to a word of the index cannot be a picture ID: a duplicate.
  if (node->kind != kKindPictureId) return AddResult::kDuplicateId;
  const uint32_t r = node->first;
  std::string stored = StoredPathOf(r, nullptr);
  if (!status_.ok()) return AddResult::kFailed;
  if (stored.size() < kShortestPath) stored = kNoName;
  if (WithoutDrive(stored) == WithoutDrive(path)) return AddResult::kDone;
  const std::string question =
      StringPrintf(LoadString(IDS_REPLACE_QUESTION).c_str(), fields[kFieldId].c_str());
  Trace("Key exists");
  const MsgAnswer answer =
      front_end_ ? front_end_->ShowMessage(question, MsgButtons::kYesNo, MsgIcon::kQuestion)
                 : MsgAnswer::kNo;
  if (answer != MsgAnswer::kYes) return AddResult::kDuplicateId;
  std::optional<CRecordEntry> entry = ReadRecordEntry(r);
  if (!entry) return AddResult::kFailed;
  CTrackedWrites tracked(path_writes_tracked_);
  const std::string old_path = ReadTextChain(entry->image_path);
  ReleaseTextChain(entry->image_path);
  entry->image_path = WriteTextChain(path);
  if (!status_.ok() || !WriteRecordEntry(r, *entry)) return AddResult::kFailed;
  // The record now lies in the new file's folder.
  UnpostDirectoryKey(old_path, volume_label, r);
  current_record_ = r;
  PostDirectoryKey(path, volume_label);
  if (status_.ok()) results.Append(static_cast<int32_t>(r));
  return status_.ok() ? AddResult::kDone : AddResult::kFailed;
}

void Cdatabase::ImportedInDirectory(const std::string& directory, const std::string& label,
                                    std::vector<std::string>& list) {
  list.clear();
  const std::string key = DirectoryKey(LowerCase(ForwardSlashes(directory)), label);
  COpenFiles files(*this);
  if (!files.ok()) return;
  const int found = FindKey(key, kRootNode);
  if (found <= 0) return;
  std::optional<CKeyNode> node = ReadKeyNode(static_cast<uint32_t>(found));
  if (!node || node->kind != kKindWord) return;
  ForEachPostingBlock(node->first, [&](uint32_t, const CPostingBlock& block) {
    for (uint32_t record : block.records) {
      if (record == 0) continue;
      const std::string path = LowerCase(ForwardSlashes(StoredPathOf(record, nullptr)));
      if (!path.empty()) list.push_back(path.substr(1));
    }
    return status_.ok();
  });
}
