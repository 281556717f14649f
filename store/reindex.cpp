// Reindexing: the word index (key tree B.kw1 and posting blocks B.kw2) is thrown away and
// built again from what the record table and the text blocks hold, so a damaged or bloated
// word index can be replaced. Every record's picture ID goes into the tree before any word is
// posted, so that a word equal to another picture's ID (a Description naming it) is posted
// under that ID's node as little as when the picture was there first.
#include "base/string_table.h"
#include "base/text_rules.h"
#include "platform/file_copy.h"
#include "store/database.h"
#include "store/store_progress.h"

namespace {

constexpr const char* kKeyTreeBackupExtension = ".tmp1";
constexpr const char* kPostingBackupExtension = ".tmp2";
// An insertion deeper than this rebuilds the key tree during the reindex.
constexpr int kReindexRebuildVisits = 200;

}  // namespace

bool Cdatabase::ReindexStore() {
  // The copies serve the user; a copy from an earlier reindex is not overwritten.
  CopyFileKeepingMode(key_file_name_, base_ + kKeyTreeBackupExtension, true);
  CopyFileKeepingMode(posting_file_name_, base_ + kPostingBackupExtension, true);
  {
    COpenFiles files(*this);
    if (!files.ok() || !ReadHeader()) return false;
    CStoreProgress progress(front_end_, kTitleReindexing, header.record_mark);

    // Empty posting blocks 1 to mark - 1, each linking to the next. A mark that does not fit
    // the file (B.kw2 cut short) starts the file again as a new index has it.
    const uint32_t blocks_in_file = EntryCount(posting_file_, kPostingBlockSize);
    uint32_t blocks =
        header.posting_mark >= 2 && static_cast<uint32_t>(header.posting_mark) <= blocks_in_file + 1
            ? static_cast<uint32_t>(header.posting_mark - 1)
            : 0;
    if (blocks == 0) {
      header.posting_mark = kInitialEntries;
      blocks = kInitialEntries;
    }
    std::vector<uint8_t> bytes(size_t{blocks} * kPostingBlockSize);
    for (uint32_t n = 1; n <= blocks; ++n) {
      const uint32_t next = n < static_cast<uint32_t>(header.posting_mark) ? n + 1 : 0;
      CPostingBlock::Free(next).EncodeTo(std::span<uint8_t, kPostingBlockSize>(
          &bytes[size_t{n - 1} * kPostingBlockSize], kPostingBlockSize));
    }
    if (!WriteBytes(posting_file_, 0, bytes)) return false;
    DropDerivedCaches();  // they describe the lists just thrown away
    header.posting_free = 1;

    header.key_mark = header.key_next;
    header.key_next = 2;
    CKeyNode root = CKeyNode::Sentinel();
    root.kind = kKindPictureId;
    if (!WriteKeyNode(kRootNode, root)) return false;

    const uint32_t records = std::min(static_cast<uint32_t>(std::max(header.record_mark - 1, 0)),
                                      EntryCount(record_file_, kRecordEntrySize));
    for (uint32_t n = 1; n <= records && status_.ok(); ++n) {
      std::optional<CRecordEntry> entry = ReadRecordEntry(n);
      if (!entry || !entry->in_use) continue;
      const std::string id = UnpackField(ReadTextChain(entry->field_text), kFieldId);
      if (id.empty() || !status_.ok()) continue;
      InsertKey(id, kKindPictureId, n, n, 1, 1);
      if (visit_count_ > kReindexRebuildVisits) RebuildKeyTree();
    }
    for (uint32_t n = 1; n <= records && status_.ok(); ++n) {
      std::optional<CRecordEntry> entry = ReadRecordEntry(n);
      if (!entry || !entry->in_use) continue;
      const uint32_t field_text = ReadEntry(n);
      if (!status_.ok()) break;
      progress.Step(static_cast<int>(n));
      LoadFieldText(field_text);
      image_path = LowerCase(image_path);
      current_record_ = n;
      AddPosting(DirectoryKey(image_path, volume_label), kCodeDirectoryKey);
      IndexText(kCodeAllRecords, kAllRecordsWord);
      for (int i = 1; i < kStoredFieldCount && status_.ok(); ++i) IndexText(i + 1, fields[i]);
      if (visit_count_ > kReindexRebuildVisits) RebuildKeyTree();
    }
    RebuildKeyTree();
    WriteHeader();
    progress.Close();
  }
  return status_.ok();
}
