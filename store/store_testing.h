// Helpers for tests of the store: a temporary folder, a new index in it, file bytes, and a
// file access that fails on demand.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/temp_dir_testing.h"
#include "store/database.h"
#include "store/store_io.h"

std::vector<uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// A new, empty index at `main_file`, named in `db`.
void CreateIndex(Cdatabase& db, const std::string& main_file);

// The store files and thumbnail caches of the index with this main file (".acx").
std::vector<std::string> IndexFiles(const std::string& main_file);
// Makes the index `to` a copy of the index `from`: the files of `to` go, those of `from` are
// copied under its name.
void CopyIndexFiles(const std::string& from, const std::string& to);

// Adds a picture through the import step with quality 2 and the given category; the result.
AddResult AddTestPicture(Cdatabase& db, const std::string& path, int id_mode = kIdModeAutomatic,
                         const std::string& id_format = "", const std::string& category = "");

// Adds the picture at `path` to the index `main_file` through the import step (as above), as a
// new record on the medium labelled `label` whose automatic ID is made from `id_counter`;
// the result.
AddResult AddTestPictureTo(const std::string& main_file, const std::string& path,
                           int32_t id_counter, const std::string& label = "");

// The machine's files, except that writes fail: with EIO once `writes_left` reaches 0, and
// with ENOSPC when they would grow the files by more than `space_left` bytes in all (a
// negative number never fails).
class CFailingStoreIo : public CStoreIo {
 public:
  int writes_left = -1;
  int64_t space_left = -1;
  int writes_after_failure = 0;
  int Open(const std::string& path, bool writable) override;
  int Create(const std::string& path) override;
  void Close(int handle) override;
  bool ReadAt(int handle, uint64_t offset, MutableByteSpan out) override;
  bool WriteAt(int handle, uint64_t offset, ByteSpan data) override;
  std::optional<CFileStamp> Stamp(int handle) override;
  std::optional<int64_t> Touch(int handle) override;
  bool Remove(const std::string& path) override;

 private:
  std::shared_ptr<CStoreIo> base_ = PosixStoreIo();
  bool failed_ = false;
};
