// Record operations on the current record: read, navigate the result list, add, update and
// delete. Every change keeps the word index consistent: a record's picture ID is a key-tree
// node of kind 1 pointing at its record number, its words are posted under their field codes,
// and every record is posted under the all-records marker (code 99) and its directory key
// (code 0).
#include "base/string_printf.h"
#include "base/text_rules.h"
#include "store/database.h"
#include "store/directory_key.h"
#include "store/tracked_writes.h"

namespace {

constexpr int kIdCode = kFieldId + 1;
// An ID insertion deeper than this rebuilds the key tree.
constexpr int kAddCurrentRebuildVisits = 100;

}  // namespace

uint32_t Cdatabase::ReadEntry(uint32_t record) {
  std::optional<CRecordEntry> entry = ReadRecordEntry(record);
  if (!entry) return 0;
  entry_ = *entry;
  image_path = ReadTextChain(entry->image_path);
  quality = entry->quality;
  volume_label = ReadTextChain(entry->volume_label);
  return entry->field_text;
}

void Cdatabase::LoadRecord(uint32_t record) {
  const uint32_t block = ReadEntry(record);
  if (!status_.ok()) return;
  if (!entry_.in_use) {
    // A deleted record (a result list older than the index) shows as an empty record; its
    // free-chain link is no text.
    for (std::string& field : fields) field.clear();
    loaded_fields_ = fields;
    image_path.clear();
    volume_label.clear();
    Fail(CStatus::Refused(
        StringPrintf("The picture with record number %u is no longer in the photo index %s.",
                     record, main_file_.c_str())));
    return;
  }
  LoadFieldText(block);
}

void Cdatabase::ReadCurrentResult() {
  if (results.position() < 1) return;
  LoadRecord(static_cast<uint32_t>(results.CurrentRecord()));
}

int Cdatabase::GoToRecord(int record) {
  COpenFiles files(*this);
  if (files.ok() && ReadHeader()) LoadRecord(static_cast<uint32_t>(record));
  return record;
}

void Cdatabase::NextEntry() {
  if (results.position() >= results.count()) return;
  COpenFiles files(*this);
  if (!files.ok()) return;
  results.SetPosition(results.position() + 1);
  ReadCurrentResult();
}

void Cdatabase::PreviousEntry() {
  if (results.position() <= 1) return;
  COpenFiles files(*this);
  if (!files.ok()) return;
  results.SetPosition(results.position() - 1);
  ReadCurrentResult();
}

void Cdatabase::ReloadCurrent() {
  if (results.position() <= 0) return;
  COpenFiles files(*this);
  if (files.ok()) ReadCurrentResult();
}

void Cdatabase::FirstEntry() {
  if (results.empty()) return;
  COpenFiles files(*this);
  if (!files.ok()) return;
  results.SetPosition(1);
  ReadCurrentResult();
}

void Cdatabase::LastEntry() {
  if (results.empty()) return;
  COpenFiles files(*this);
  if (!files.ok()) return;
  results.SetPosition(results.count());
  ReadCurrentResult();
}

void Cdatabase::AppendRecord() {
  const uint32_t n = static_cast<uint32_t>(header.record_free);
  std::optional<CRecordEntry> entry = ReadRecordEntry(n);
  if (!entry) return;
  if (entry->in_use) {
    Damaged(record_file_, StringPrintf("record %u on the free chain is in use", n));
    return;
  }
  const uint32_t next = entry->next_free();
  entry->in_use = 1;
  entry->field_text = field_text_start_;
  entry->quality = quality;
  entry->image_path = WriteTextChain(image_path);
  entry->volume_label = WriteTextChain(volume_label);
  entry->SetSortText(sort_text);
  {
    CTrackedWrites tracked(path_writes_tracked_);
    if (!WriteRecordEntry(n, *entry)) return;
  }
  entry_ = *entry;
  current_record_ = n;
  header.record_free = static_cast<int32_t>(next);
  PostDirectoryKey(image_path, volume_label);
  GrowRecordTableIfNeeded();
}

int Cdatabase::AddCurrentAsNew() {
  COpenFiles files(*this);
  if (!files.ok() || !ReadHeader()) return 0;
  if (fields[kFieldId].empty() || IdTaken(fields[kFieldId])) {
    Fail(CStatus::Refused(StringPrintf("The picture ID \"%s\" is empty or already in use.",
                                       fields[kFieldId].c_str())));
    return 0;
  }
  InsertKey(fields[kFieldId], kKindPictureId, -1, -1, 1, 1);
  const int id_visits = visit_count_;
  field_text_start_ = StoreFieldText();
  AppendRecord();
  const uint32_t record = current_record_;
  for (int i = 1; i < kStoredFieldCount && status_.ok(); ++i) IndexText(i + 1, fields[i]);
  IndexText(kCodeAllRecords, kAllRecordsWord);
  if (id_visits > kAddCurrentRebuildVisits) RebuildKeyTree();
  WriteHeader();
  return Commit() ? static_cast<int>(record) : 0;
}

UpdateResult Cdatabase::UpdateCurrent() {
  COpenFiles files(*this);
  if (!files.ok() || !ReadHeader()) return UpdateResult::kFailed;
  const int found = FindKey(CutText(loaded_fields_[kFieldId], kMaxKeyLength), kRootNode);
  if (!status_.ok()) return UpdateResult::kFailed;
  if (found <= 0) return UpdateResult::kIdMissing;
  std::optional<CKeyNode> node = ReadKeyNode(static_cast<uint32_t>(found));
  if (!node) return UpdateResult::kFailed;
  if (node->kind != kKindPictureId) return UpdateResult::kIdMissing;
  current_node_ = static_cast<uint32_t>(found);
  const uint32_t r = node->first;
  std::optional<CRecordEntry> entry = ReadRecordEntry(r);
  if (!entry) return UpdateResult::kFailed;
  if (!entry->in_use) {
    Damaged(key_file_, StringPrintf("the picture ID %s points to the free record %u",
                                    loaded_fields_[kFieldId].c_str(), r));
    return UpdateResult::kFailed;
  }

  const bool id_changed = fields[kFieldId] != loaded_fields_[kFieldId];
  if (id_changed) {
    if (fields[kFieldId].empty() || IdTaken(fields[kFieldId])) {
      Fail(CStatus::Refused(StringPrintf("The picture ID \"%s\" is empty or already in use.",
                                         fields[kFieldId].c_str())));
      return UpdateResult::kFailed;
    }
    UnindexText(loaded_fields_[kFieldId], r, kIdCode);
    RemoveIdNode(loaded_fields_[kFieldId], r);
    InsertKey(fields[kFieldId], kKindPictureId, r, r, 1, 1);
  }
  current_record_ = r;
  bool fields_changed = false;
  for (int i = 1; i < kStoredFieldCount && status_.ok(); ++i) {
    if (fields[i] == loaded_fields_[i] && !id_changed) continue;
    UnindexText(loaded_fields_[i], r, i + 1);
    IndexText(i + 1, fields[i]);
    fields_changed = true;
  }
  CTrackedWrites tracked(path_writes_tracked_);
  const std::string stored_path = ReadTextChain(entry->image_path);
  const std::string stored_label = ReadTextChain(entry->volume_label);
  if (fields_changed) {
    ReleaseTextChain(entry->field_text);
    entry->field_text = StoreFieldText();
  }
  if (fields_changed || id_changed) {
    UnindexText(kAllRecordsWord, r, kCodeAllRecords);
    IndexText(kCodeAllRecords, kAllRecordsWord);
  }
  const bool path_changed = image_path != stored_path;
  if (path_changed) {
    ReleaseTextChain(entry->image_path);
    entry->image_path = WriteTextChain(image_path);
  }
  if (volume_label != stored_label) {
    ReleaseTextChain(entry->volume_label);
    entry->volume_label = WriteTextChain(volume_label);
  }
  if (path_changed) {
    UnpostDirectoryKey(stored_path, stored_label, r);
    current_record_ = r;
    PostDirectoryKey(image_path, volume_label);
  }
  entry->quality = quality;
  if (status_.ok() && WriteRecordEntry(r, *entry)) entry_ = *entry;
  WriteHeader();
  return Commit() ? UpdateResult::kDone : UpdateResult::kFailed;
}

void Cdatabase::DeleteCurrent() {
  COpenFiles files(*this);
  if (!files.ok() || !ReadHeader()) return;
  const int found = FindKey(CutText(loaded_fields_[kFieldId], kMaxKeyLength), kRootNode);
  if (found <= 0) return;
  std::optional<CKeyNode> node = ReadKeyNode(static_cast<uint32_t>(found));
  if (!node || node->kind != kKindPictureId) return;
  const uint32_t r = node->first;
  std::optional<CRecordEntry> entry = ReadRecordEntry(r);
  if (!entry) return;
  if (!entry->in_use) {
    Damaged(key_file_, StringPrintf("the picture ID %s points to the free record %u",
                                    loaded_fields_[kFieldId].c_str(), r));
    return;
  }
  for (int i = 0; i < kStoredFieldCount && status_.ok(); ++i) {
    UnindexText(loaded_fields_[i], r, i + 1);
    if (i == kFieldId) RemoveIdNode(loaded_fields_[kFieldId], r);
  }
  UnindexText(kAllRecordsWord, r, kCodeAllRecords);

  const uint32_t old_free = static_cast<uint32_t>(header.record_free);
  entry = ReadRecordEntry(r);
  if (!entry) return;
  CTrackedWrites tracked(path_writes_tracked_);
  const std::string stored_path = ReadTextChain(entry->image_path);
  const std::string stored_label = ReadTextChain(entry->volume_label);
  ReleaseTextChain(entry->field_text);
  ReleaseTextChain(entry->image_path);
  ReleaseTextChain(entry->volume_label);
  UnpostDirectoryKey(stored_path, stored_label, r);
  entry->in_use = 0;
  entry->field_text = old_free;
  entry->image_path = 0;
  entry->volume_label = 0;
  entry->thumb_slot = 0;
  entry->thumb_file = 0;
  if (status_.ok() && WriteRecordEntry(r, *entry)) header.record_free = static_cast<int32_t>(r);
  WriteHeader();
  Commit();
}

void Cdatabase::DeleteSelected() {
  for (size_t i = 0; i < results.size();) {
    if (!results[i].selected) {
      ++i;
      continue;
    }
    GoToRecord(results[i].record);
    if (status_.ok()) DeleteCurrent();
    if (!status_.ok()) return;
    // An entry before the current one moves the position back with the current entry.
    const bool before_current = static_cast<int32_t>(i) + 1 <= results.position();
    results.Erase(i);
    if (before_current) results.SetPosition(results.position() - 1);
  }
  // The position stays on an entry while the list has one.
  if (results.position() < 1 && !results.empty()) results.SetPosition(1);
  if (results.position() >= 1) GoToRecord(results.CurrentRecord());
}

std::string Cdatabase::StoredPathOf(uint32_t record, uint32_t* path_link) {
  std::optional<CRecordEntry> entry = ReadRecordEntry(record);
  if (!entry) return std::string();
  if (path_link) *path_link = entry->image_path;
  return ReadTextChain(entry->image_path);
}
