// Opens a photo index made of arbitrary bytes and works on it: queries, reading every record,
// the dump, the consistency check, and an add, an update and a delete. Damaged files must be
// reported, never crash or hang the store.
//
// Input framing: four 16-bit little-endian lengths, then the bytes of B.acx, B.kw1, B.kw2 and
// B.kw3 in that order; the rest is B.kw4. Missing bytes make the files shorter.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "base/coding.h"
#include "store/database.h"
#include "store/store_check.h"

namespace {

constexpr const char* kExtensions[] = {".acx", ".kw1", ".kw2", ".kw3", ".kw4"};
constexpr size_t kFramedFiles = 4;
constexpr int kMaxRecordsRead = 2000;

const std::string& Folder() {
  static const std::string folder = [] {
    std::string pattern = "/tmp/store_fuzz_XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    return pattern;
  }();
  return folder;
}

void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void Work(Cdatabase& db) {
  db.id_counter = 1;
  for (const char* query : {kAllRecordsQuery, "ROME +ITALY c:travel", "*", "a* 2001"}) {
    db.RunQuery(query);
  }
  if (!db.ReadHeader()) return;
  const int last = std::min(db.header.record_mark - 1, kMaxRecordsRead);
  for (int r = 1; r <= last; ++r) db.GoToRecord(r);
  // The dump goes to the current folder: the fuzzer's own folder, for the moment.
  char here[4096];
  if (!getcwd(here, sizeof here) || chdir(Folder().c_str()) != 0) std::abort();
  db.DumpStore();
  if (chdir(here) != 0) std::abort();
  // The check walks whatever the damage is without crashing; what it finds is not asked here.
  (void)CheckStore(db);

  db.quality = 2;
  for (int i = 1; i < kFieldCount; ++i) db.fields[i].clear();
  db.fields[kFieldCategory] = "TO_BE_DESCRIBED";
  // Whatever the damage, each operation ends with an outcome; none of them is wrong here.
  (void)db.AddPicture("/photos/new.jpg", kIdModeAutomatic, "");
  db.GoToRecord(1);
  db.fields[kFieldWhere] = "Rome, Italy";
  db.fields[kFieldDescription] = std::string(300, 'x') + " words\r\nmore";
  db.image_path = "/photos/moved.jpg";
  (void)db.UpdateCurrent();
  db.GoToRecord(2);
  db.DeleteCurrent();
  db.RunQuery(kAllRecordsQuery);
  (void)CheckStore(db);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string base = Folder() + "/f";
  const ByteSpan input(data, size);
  size_t offset = 2 * kFramedFiles;
  for (size_t i = 0; i <= kFramedFiles; ++i) {
    size_t length = size > offset ? size - offset : 0;
    if (i < kFramedFiles) length = std::min<size_t>(length, GetUint16LE(input, 2 * i).value_or(0));
    WriteFile(base + kExtensions[i], data + std::min(offset, size), length);
    offset += length;
  }
  Cdatabase db;
  db.SetFileNames(base + ".acx");
  Work(db);
  return 0;
}
