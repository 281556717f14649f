#include "store/store_testing.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

void CreateIndex(Cdatabase& db, const std::string& main_file) {
  db.SetFileNames(main_file);
  if (!db.CreateFiles()) throw std::runtime_error(db.status().message());
}

std::vector<std::string> IndexFiles(const std::string& main_file) {
  namespace fs = std::filesystem;
  std::vector<std::string> files;
  const fs::path base = fs::path(main_file).replace_extension();
  for (const auto& entry : fs::directory_iterator(base.parent_path())) {
    if (entry.path().stem() == base.filename()) files.push_back(entry.path());
  }
  return files;
}

void CopyIndexFiles(const std::string& from, const std::string& to) {
  namespace fs = std::filesystem;
  for (const std::string& file : IndexFiles(to)) fs::remove(file);
  const fs::path target = fs::path(to).replace_extension();
  for (const std::string& file : IndexFiles(from)) {
    fs::copy_file(file, target.string() + fs::path(file).extension().string());
  }
}

AddResult AddTestPicture(Cdatabase& db, const std::string& path, int id_mode,
                         const std::string& id_format, const std::string& category) {
  for (int i = 1; i < kFieldCount; ++i) db.fields[i].clear();
  db.fields[kFieldCategory] = category;
  db.quality = 2;
  db.sort_text.clear();
  return db.AddPicture(path, id_mode, id_format);
}

AddResult AddTestPictureTo(const std::string& main_file, const std::string& path,
                           int32_t id_counter, const std::string& label) {
  Cdatabase db;
  db.SetFileNames(main_file);
  db.id_counter = id_counter;
  db.volume_label = label;
  return AddTestPicture(db, path);
}

int CFailingStoreIo::Open(const std::string& path, bool writable) {
  return base_->Open(path, writable);
}
int CFailingStoreIo::Create(const std::string& path) { return base_->Create(path); }
void CFailingStoreIo::Close(int handle) { base_->Close(handle); }
bool CFailingStoreIo::ReadAt(int handle, uint64_t offset, MutableByteSpan out) {
  return base_->ReadAt(handle, offset, out);
}
bool CFailingStoreIo::WriteAt(int handle, uint64_t offset, ByteSpan data) {
  if (failed_) ++writes_after_failure;
  if (writes_left == 0) {
    failed_ = true;
    errno = EIO;
    return false;
  }
  if (writes_left > 0) --writes_left;
  if (space_left >= 0) {
    const std::optional<CFileStamp> stamp = base_->Stamp(handle);
    const uint64_t size = stamp ? stamp->size : 0;
    const uint64_t growth = offset + data.size() > size ? offset + data.size() - size : 0;
    if (growth > static_cast<uint64_t>(space_left)) {
      failed_ = true;
      errno = ENOSPC;
      return false;
    }
    space_left -= static_cast<int64_t>(growth);
  }
  return base_->WriteAt(handle, offset, data);
}
std::optional<CFileStamp> CFailingStoreIo::Stamp(int handle) { return base_->Stamp(handle); }
std::optional<int64_t> CFailingStoreIo::Touch(int handle) { return base_->Touch(handle); }
bool CFailingStoreIo::Remove(const std::string& path) { return base_->Remove(path); }
