// Raw access to the entries of the store files: every number is checked against the file
// before it is read or written, and the reads and writes go through the files' caches.
#include <cerrno>

#include "base/string_printf.h"
#include "store/database.h"

uint32_t Cdatabase::EntryCount(const CCachedFile& file, size_t entry_size) const {
  const uint64_t count = file.size() / entry_size;
  return count > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(count);
}

bool Cdatabase::CheckEntryNumber(const CCachedFile& file, size_t entry_size, uint32_t n,
                                 const char* what) {
  if (!status_.ok()) return false;
  if (!file.is_open()) {
    return Fail(CStatus::IoError(
        StringPrintf("The photo index file %s is not open.", file.path().c_str())));
  }
  if (n >= 1 && n <= EntryCount(file, entry_size)) return true;
  return Damaged(file, StringPrintf("%s %u lies outside the file", what, n));
}

bool Cdatabase::WriteBytes(CCachedFile& file, uint64_t offset, ByteSpan data) {
  if (!status_.ok()) return false;
  if (read_only_) {
    errno = EROFS;
    return WriteFailed(file);
  }
  if (!file.Write(offset, data)) return WriteFailed(file);
  return true;
}

std::optional<CRecordEntry> Cdatabase::ReadRecordEntry(uint32_t n) {
  std::array<uint8_t, kRecordEntrySize> bytes;
  if (!CheckEntryNumber(record_file_, kRecordEntrySize, n, "record")) return std::nullopt;
  if (!record_file_.Read(uint64_t{n - 1} * kRecordEntrySize, bytes)) {
    WriteFailed(record_file_);
    return std::nullopt;
  }
  current_record_ = n;
  return CRecordEntry::DecodeFrom(bytes);
}

bool Cdatabase::WriteRecordEntry(uint32_t n, const CRecordEntry& entry) {
  std::array<uint8_t, kRecordEntrySize> bytes;
  entry.EncodeTo(bytes);
  if (n == 0) return Damaged(record_file_, "record 0 does not exist");
  if (!path_writes_tracked_) {
    // A path changed by anything but the record operations, which keep the folder memos up to
    // date themselves, is no longer known to the memos.
    std::array<uint8_t, kRecordEntrySize> old;
    if (!record_file_.Read(uint64_t{n - 1} * kRecordEntrySize, old) ||
        CRecordEntry::DecodeFrom(old).image_path != entry.image_path) {
      folder_memos_.clear();
    }
  }
  return WriteBytes(record_file_, uint64_t{n - 1} * kRecordEntrySize, bytes);
}

std::optional<CTextBlock> Cdatabase::ReadTextBlock(uint32_t n) {
  std::array<uint8_t, kTextBlockSize> bytes;
  if (!CheckEntryNumber(text_file_, kTextBlockSize, n, "text block")) return std::nullopt;
  if (!text_file_.Read(uint64_t{n - 1} * kTextBlockSize, bytes)) {
    WriteFailed(text_file_);
    return std::nullopt;
  }
  return CTextBlock::DecodeFrom(bytes);
}

bool Cdatabase::WriteTextBlock(uint32_t n, const CTextBlock& block) {
  std::array<uint8_t, kTextBlockSize> bytes;
  block.EncodeTo(bytes);
  if (n == 0) return Damaged(text_file_, "text block 0 does not exist");
  return WriteBytes(text_file_, uint64_t{n - 1} * kTextBlockSize, bytes);
}

std::optional<CKeyNode> Cdatabase::ReadKeyNode(uint32_t n) {
  std::array<uint8_t, kKeyNodeSize> bytes;
  if (!CheckEntryNumber(key_file_, kKeyNodeSize, n, "key-tree node")) return std::nullopt;
  if (!key_file_.Read(uint64_t{n - 1} * kKeyNodeSize, bytes)) {
    WriteFailed(key_file_);
    return std::nullopt;
  }
  return CKeyNode::DecodeFrom(bytes);
}

bool Cdatabase::WriteKeyNode(uint32_t n, const CKeyNode& node) {
  std::array<uint8_t, kKeyNodeSize> bytes;
  node.EncodeTo(bytes);
  if (n == 0) return Damaged(key_file_, "key-tree node 0 does not exist");
  return WriteBytes(key_file_, uint64_t{n - 1} * kKeyNodeSize, bytes);
}

std::optional<CPostingBlock> Cdatabase::ReadPostingBlock(uint32_t n) {
  std::array<uint8_t, kPostingBlockSize> bytes;
  if (!CheckEntryNumber(posting_file_, kPostingBlockSize, n, "posting block")) {
    return std::nullopt;
  }
  if (!posting_file_.Read(uint64_t{n - 1} * kPostingBlockSize, bytes)) {
    WriteFailed(posting_file_);
    return std::nullopt;
  }
  current_block_ = n;
  return CPostingBlock::DecodeFrom(bytes);
}

bool Cdatabase::WritePostingBlock(uint32_t n, const CPostingBlock& block) {
  std::array<uint8_t, kPostingBlockSize> bytes;
  block.EncodeTo(bytes);
  // Posting lists changed by anything but AddPosting and RemovePosting, which keep the
  // locators up to date themselves, are no longer known to the locators.
  if (!posting_writes_tracked_) {
    posting_locators_.clear();
    folder_memos_.clear();
  }
  if (n == 0) return Damaged(posting_file_, "posting block 0 does not exist");
  return WriteBytes(posting_file_, uint64_t{n - 1} * kPostingBlockSize, bytes);
}

// Derived caches are dropped when a file they come from changed under the cache.

void Cdatabase::DropDerivedCaches() {
  folder_memos_.clear();
  posting_locators_.clear();
}

void Cdatabase::CheckDerivedCaches() {
  if (memo_epochs_[0] != record_file_.epoch() || memo_epochs_[1] != text_file_.epoch() ||
      locator_epoch_ != posting_file_.epoch()) {
    folder_memos_.clear();
    memo_epochs_[0] = record_file_.epoch();
    memo_epochs_[1] = text_file_.epoch();
  }
  if (locator_epoch_ != posting_file_.epoch()) {
    posting_locators_.clear();
    locator_epoch_ = posting_file_.epoch();
  }
}
