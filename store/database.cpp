#include "store/database.h"

#include <cerrno>
#include <cstring>

#include "base/string_printf.h"

namespace {

constexpr const char* kKeyTreeExtension = ".kw1";
constexpr const char* kPostingExtension = ".kw2";
constexpr const char* kHeaderExtension = ".kw3";
constexpr const char* kTextExtension = ".kw4";
constexpr const char* kCachePatternSuffix = ".C%2.2d";
constexpr size_t kExtensionLength = 4;  // ".acx"

}  // namespace

Cdatabase::Cdatabase() : io_(PosixStoreIo()) { ClearSearchableFields(); }

Cdatabase::~Cdatabase() {
  while (open_depth_ > 0) CloseFiles();
}

// --- names ---------------------------------------------------------------------------------

std::string Cdatabase::SetFileNames(const std::string& main_file) {
  while (open_depth_ > 0) CloseFiles();
  main_file_ = main_file;
  base_ = main_file.size() >= kExtensionLength
              ? main_file.substr(0, main_file.size() - kExtensionLength)
              : main_file;
  key_file_name_ = base_ + kKeyTreeExtension;
  posting_file_name_ = base_ + kPostingExtension;
  header_file_name_ = base_ + kHeaderExtension;
  text_file_name_ = base_ + kTextExtension;
  cache_pattern_ = base_ + kCachePatternSuffix;
  record_file_.SetPath(main_file_);
  text_file_.SetPath(text_file_name_);
  key_file_.SetPath(key_file_name_);
  posting_file_.SetPath(posting_file_name_);
  DropDerivedCaches();

  std::string missing;
  for (const std::string* name :
       {&main_file_, &key_file_name_, &posting_file_name_, &header_file_name_, &text_file_name_}) {
    const int handle = io_->Open(*name, false);
    if (handle < 0) {
      missing += *name + "\n";
    } else {
      io_->Close(handle);
    }
  }
  return missing;
}

int Cdatabase::MissingFileFlags(const std::string& main_file) {
  SetFileNames(main_file);
  const std::pair<const std::string*, int> files[] = {{&header_file_name_, kMissingHeader},
                                                      {&main_file_, kMissingRecordTable},
                                                      {&text_file_name_, kMissingTextBlocks},
                                                      {&key_file_name_, kMissingKeyTree},
                                                      {&posting_file_name_, kMissingPostings}};
  int flags = 0;
  for (const auto& [name, bit] : files) {
    const int handle = io_->Open(*name, false);
    if (handle < 0) {
      flags += bit;
    } else {
      io_->Close(handle);
    }
  }
  return flags;
}

std::string Cdatabase::CacheFileName(int file_number) const {
  return base_ + StringPrintf(".C%2.2d", file_number);
}

void Cdatabase::SetIo(std::shared_ptr<CStoreIo> io) {
  while (open_depth_ > 0) CloseFiles();
  io_ = std::move(io);
  SetFileNames(main_file_);
}

void Cdatabase::SetSearchableField(int field, bool searchable) {
  if (field >= 0 && field < kSearchableFieldCount) searchable_[field] = searchable ? 1 : 0;
}

void Cdatabase::ClearSearchableFields() {
  searchable_.fill(0);
  query_separators_ = std::string(" ,/.()';[]");
}

void Cdatabase::SetTrace(int32_t debug_switch, const std::string& folder) {
  trace_ = CDebugLog(debug_switch, folder);
}

// --- errors --------------------------------------------------------------------------------

bool Cdatabase::Fail(CStatus status) {
  if (status_.ok()) status_ = std::move(status);
  return false;
}

bool Cdatabase::Damaged(const CCachedFile& file, const std::string& detail) {
  return Fail(CStatus::Corruption(
      StringPrintf("The photo index file %s is damaged: %s.\nThe operation was stopped.",
                   file.path().c_str(), detail.c_str())));
}

bool Cdatabase::WriteFailed(const CCachedFile& file) {
  return Fail(CStatus::IoError(
      StringPrintf("The photo index file %s could not be written: %s.\nThe operation was "
                   "stopped.",
                   file.path().c_str(), std::strerror(errno))));
}

void Cdatabase::ResetOperation() { status_ = CStatus(); }

// --- files -----------------------------------------------------------------------------------

bool Cdatabase::CreateFiles() {
  while (open_depth_ > 0) CloseFiles();
  ResetOperation();
  for (const std::string* name :
       {&header_file_name_, &main_file_, &text_file_name_, &key_file_name_, &posting_file_name_}) {
    const int handle = io_->Create(*name);
    if (handle < 0) {
      return Fail(CStatus::IoError(StringPrintf("The file %s could not be created: %s.",
                                                name->c_str(), std::strerror(errno))));
    }
    io_->Close(handle);
  }
  COpenFiles files(*this);
  if (!files.ok()) return false;
  header = CStoreHeader::NewIndex();
  if (!WriteHeader()) return false;

  std::vector<uint8_t> bytes(kInitialEntries * kRecordEntrySize);
  for (int n = 1; n <= kInitialEntries; ++n) {
    CRecordEntry::Free(n < kInitialEntries ? n + 1 : 0)
        .EncodeTo(std::span<uint8_t, kRecordEntrySize>(&bytes[(n - 1) * kRecordEntrySize],
                                                       kRecordEntrySize));
  }
  if (!WriteBytes(record_file_, 0, bytes)) return false;

  bytes.assign(kInitialEntries * kTextBlockSize, 0);
  for (int n = 1; n <= kInitialEntries; ++n) {
    CTextBlock::Free(n < kInitialEntries ? n + 1 : 0)
        .EncodeTo(
            std::span<uint8_t, kTextBlockSize>(&bytes[(n - 1) * kTextBlockSize], kTextBlockSize));
  }
  if (!WriteBytes(text_file_, 0, bytes)) return false;

  if (!WriteKeyNode(kRootNode, CKeyNode::Sentinel())) return false;

  bytes.assign(kInitialEntries * kPostingBlockSize, 0);
  for (int n = 1; n <= kInitialEntries; ++n) {
    CPostingBlock::Free(n < kInitialEntries ? n + 1 : 0)
        .EncodeTo(std::span<uint8_t, kPostingBlockSize>(&bytes[(n - 1) * kPostingBlockSize],
                                                        kPostingBlockSize));
  }
  if (!WriteBytes(posting_file_, 0, bytes)) return false;
  return Commit();
}

bool Cdatabase::OpenFiles() {
  if (open_depth_++ > 0) return status_.ok();
  ResetOperation();
  for (CCachedFile* file : {&record_file_, &text_file_, &key_file_, &posting_file_}) {
    if (!file->Open(*io_, !read_only_)) {
      return Fail(CStatus::IoError(StringPrintf("The photo index file %s cannot be opened: %s.",
                                                file->path().c_str(), std::strerror(errno))));
    }
  }
  CheckDerivedCaches();
  return true;
}

void Cdatabase::CloseFiles() {
  if (open_depth_ == 0) return;
  if (open_depth_ == 1) Commit();
  if (--open_depth_ > 0) return;
  for (CCachedFile* file : {&record_file_, &text_file_, &key_file_, &posting_file_}) {
    file->Close();
  }
}

bool Cdatabase::Commit() {
  if (open_depth_ > 1) return status_.ok();
  CCachedFile* const files[] = {&record_file_, &text_file_, &key_file_, &posting_file_};
  auto discard = [&] {
    for (CCachedFile* file : files) file->Discard();
    header_dirty_ = false;
    return false;
  };
  if (!status_.ok()) return discard();
  // Extensions first: a full disk refuses them before anything inside the files changed.
  for (bool extensions : {true, false}) {
    for (CCachedFile* file : files) {
      if (!file->Flush(extensions)) {
        WriteFailed(*file);
        return discard();
      }
    }
  }
  if (header_dirty_) {
    header_dirty_ = false;
    return WriteHeaderNow();
  }
  return true;
}

bool Cdatabase::ReadHeader() {
  if (open_depth_ == 0) ResetOperation();
  if (header_dirty_) return true;  // this operation's header is not written yet
  const int handle = io_->Open(header_file_name_, false);
  if (handle < 0) {
    return Fail(CStatus::IoError(StringPrintf("The photo index file %s cannot be opened: %s.",
                                              header_file_name_.c_str(), std::strerror(errno))));
  }
  std::array<uint8_t, kStoreHeaderSize> bytes{};
  const bool read = io_->ReadAt(handle, 0, bytes);
  io_->Close(handle);
  if (!read) {
    return Fail(CStatus::Corruption(
        StringPrintf("The photo index file %s is damaged: it is shorter than %zu bytes.",
                     header_file_name_.c_str(), kStoreHeaderSize)));
  }
  header = CStoreHeader::DecodeFrom(bytes);
  return true;
}

bool Cdatabase::WriteHeader() {
  if (read_only_) return true;
  if (open_depth_ > 0) {
    header_dirty_ = true;  // written when the operation's writes are flushed
    return status_.ok();
  }
  return WriteHeaderNow();
}

bool Cdatabase::WriteHeaderNow() {
  const int handle = io_->Open(header_file_name_, true);
  std::array<uint8_t, kStoreHeaderSize> bytes{};
  header.EncodeTo(bytes);
  if (handle < 0 || !io_->WriteAt(handle, 0, bytes)) {
    const int error = errno;
    if (handle >= 0) io_->Close(handle);
    errno = error;
    return Fail(CStatus::IoError(StringPrintf("The photo index file %s could not be written: %s.",
                                              header_file_name_.c_str(), std::strerror(errno))));
  }
  io_->Close(handle);
  return true;
}
