// Loads thumbnails from a cache file made of arbitrary bytes, inside a sound photo index of
// four pictures whose records name slots 1 (24 bits), 2 (8 bits), 3 (1 x 1 pixel) and 2000 of
// cache file 1; then dumps the index, releases one thumbnail and stores another. A damaged
// cache file must fail cleanly, never crash, and never be written into: a store leaves the
// bytes of a file shorter than its slot table as they are, and never changes a blob.
//
// Input: the bytes of cache file 1.
//
// Seeds: run the target with THUMBNAIL_CACHE_FUZZ_SEEDS=DIR and -runs=0; it writes cache files
// made by the store itself into DIR (three thumbnails, one of them released, a fresh file and
// a file whose slots are used up).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "imaging/picture.h"
#include "store/database.h"
#include "store/thumbnail_cache.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kStoreExtensions[] = {".acx", ".kw1", ".kw2", ".kw3", ".kw4"};
constexpr int kPictures = 4;
constexpr uint32_t kLastSlotRecord = 4;

void Require(bool condition) {
  if (!condition) std::abort();
}

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  WriteFile(path, bytes.data(), bytes.size());
}

CThumbnailBlob Thumbnail(int32_t width, int32_t height, int bits) {
  CThumbnailBlob thumbnail;
  thumbnail.pixels.resize(PictureStride(width, bits / 8) * static_cast<size_t>(height) + 12);
  for (size_t i = 0; i < thumbnail.pixels.size(); ++i) {
    thumbnail.pixels[i] = static_cast<uint8_t>(i * 31);
  }
  thumbnail.header = MakePictureHeader(bits == 8 ? kPaletteHeaderBlockSize : kJpegHeaderBlockSize,
                                       width, height, bits, thumbnail.pixels.size());
  if (bits == 8) SetGreyPalette(thumbnail.header);
  return thumbnail;
}

bool Store(Cdatabase& db, int record, const CThumbnailBlob& thumbnail) {
  return db.StoreThumbnail(thumbnail.pixels, thumbnail.header, record);
}

// The index every input is tried in, and the store files it is restored from.
struct CIndex {
  std::string folder;
  std::string base;
  std::vector<std::vector<uint8_t>> store_files;
  std::vector<std::pair<std::string, std::vector<uint8_t>>> seeds;
};

CIndex MakeIndex() {
  CIndex index;
  std::string pattern = "/tmp/thumbnail_cache_fuzz_XXXXXX";
  Require(mkdtemp(pattern.data()) != nullptr);
  index.folder = pattern;
  index.base = index.folder + "/f";
  Cdatabase db;
  db.SetFileNames(index.base + ".acx");
  Require(db.CreateFiles());
  db.id_counter = 1;
  for (int i = 1; i <= kPictures; ++i) {
    db.quality = 2;
    Require(db.AddPicture("/photos/p" + std::to_string(i) + ".jpg", kIdModeAutomatic, "") ==
            AddResult::kDone);
  }
  Require(Store(db, 1, Thumbnail(60, 45, 24)));
  Require(Store(db, 2, Thumbnail(45, 60, 8)));
  Require(Store(db, 3, Thumbnail(1, 1, 24)));
  {
    Cdatabase::COpenFiles files(db);
    std::optional<CRecordEntry> entry = db.ReadRecordEntry(kLastSlotRecord);
    Require(entry.has_value());
    entry->thumb_file = 1;
    entry->thumb_slot = kCacheSlotCount;
    Require(db.WriteRecordEntry(kLastSlotRecord, *entry));
  }
  Require(db.status().ok());
  for (const char* extension : kStoreExtensions) {
    index.store_files.push_back(ReadFile(index.base + extension));
  }

  const std::string cache = db.CacheFileName(1);
  index.seeds.emplace_back("three_thumbnails", ReadFile(cache));
  std::vector<uint8_t> full = ReadFile(cache);
  PutUint32LE(full, 0, 0);
  index.seeds.emplace_back("slots_used_up", full);
  {
    Cdatabase::COpenFiles files(db);
    db.DeleteThumbnail(2);
  }
  index.seeds.emplace_back("one_released", ReadFile(cache));
  index.seeds.emplace_back("fresh", FreshCacheFile());
  fs::remove(cache);
  return index;
}

const CIndex& Index() {
  static const CIndex index = MakeIndex();
  return index;
}

void Restore(const CIndex& index, const uint8_t* data, size_t size) {
  for (size_t i = 0; i < std::size(kStoreExtensions); ++i) {
    WriteFile(index.base + kStoreExtensions[i], index.store_files[i]);
  }
  for (int n = 2; n <= 3; ++n) fs::remove(index.base + ".C0" + std::to_string(n));
  WriteFile(index.base + ".C01", data, size);
}

void Load(Cdatabase& db, int record) {
  std::optional<CThumbnailBlob> blob = db.LoadThumbnail(record);
  if (!blob) return;
  Require(blob->IsDrawable());
  unsigned sum = 0;
  for (uint8_t byte : blob->pixels) sum += byte;
  volatile unsigned sink = sum;
  (void)sink;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const CIndex& index = Index();
  if (const char* folder = std::getenv("THUMBNAIL_CACHE_FUZZ_SEEDS")) {
    for (const auto& [name, bytes] : index.seeds)
      WriteFile(std::string(folder) + "/" + name, bytes);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CIndex& index = Index();
  Restore(index, data, size);
  Cdatabase db;
  db.SetFileNames(index.base + ".acx");
  for (int record = 1; record <= kPictures; ++record) Load(db, record);

  char here[4096];
  Require(getcwd(here, sizeof here) != nullptr && chdir(index.folder.c_str()) == 0);
  db.DumpStore();
  Require(chdir(here) == 0);

  {
    Cdatabase::COpenFiles files(db);
    db.DeleteThumbnail(2);
  }
  const std::string cache = index.base + ".C01";
  const std::vector<uint8_t> before = ReadFile(cache);
  Store(db, 3, Thumbnail(30, 20, 24));
  const std::vector<uint8_t> after = ReadFile(cache);
  if (before.size() < kCacheBlobsOffset) {
    Require(after == before);
  } else {
    Require(after.size() >= before.size());
    Require(std::equal(before.begin() + kCacheBlobsOffset, before.end(),
                       after.begin() + kCacheBlobsOffset));
  }
  Load(db, 3);
  return 0;
}
