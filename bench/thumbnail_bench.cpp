// Speed of the thumbnails behind the strip, on an index of 6,000 pictures whose thumbnails
// (60 x 45 pixels, 24 bits, as the default Thumbsize makes them) are in the cache files:
//
//   FetchFromCacheFiles200   200 FetchThumbnail calls of records in the cache files but not in
//                            memory (the memory list cleared first), as a strip of 200 cells
//                            painted after opening the index (target: under 20 ms in all);
//                            counter per_fetch_us
//   FetchMemoryHit6000       one FetchThumbnail of a record in a memory list of 6,000 entries,
//                            records in a shuffled order (target: under 2 us)
//   StoreTenThousandInARow   10,000 StoreThumbnail calls into a new index (five cache files
//                            filled one after the other); counters first_1000_ms and
//                            last_1000_ms and their ratio last_vs_first (target: about 1, no
//                            slowdown as the files grow)
//
// Run with --benchmark_repetitions=5 and read the medians.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/document.h"
#include "base/silent_front_end.h"
#include "imaging/picture.h"
#include "platform/folders.h"
#include "platform/volumes.h"
#include "store/database.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPictures = 6000;
constexpr int kStripCells = 200;
constexpr int kStores = 10000;
constexpr int kStoreRecords = 100;
constexpr int kWidth = 60;
constexpr int kHeight = 45;

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "thumbnail_bench: %s\n", what);
  std::exit(1);
}

std::string MakeFolder() {
  std::string pattern = TempFolder() + "/thumbnail_bench_XXXXXX";
  Require(mkdtemp(pattern.data()) != nullptr, "no temporary folder");
  return pattern;
}

// A 60 x 45 thumbnail as the decoder leaves it: a 48-byte header block and a pixel block a
// little larger than its rows.
CPicture Thumbnail(uint8_t seed) {
  CPicture picture;
  picture.pixels.resize(size_t{kWidth + 4} * kHeight * 3);
  for (size_t i = 0; i < picture.pixels.size(); ++i) {
    picture.pixels[i] = static_cast<uint8_t>(i * 13 + seed);
  }
  picture.header =
      MakePictureHeader(kJpegHeaderBlockSize, kWidth, kHeight, 24, picture.pixels.size());
  return picture;
}

// An index of `pictures` pictures, with a cached thumbnail each when `cached`.
void BuildIndex(const std::string& main_file, int pictures, bool cached) {
  Cdatabase db;
  db.SetFileNames(main_file);
  Require(db.CreateFiles(), "cannot create the index");
  db.id_counter = 1;
  for (int i = 1; i <= pictures; ++i) {
    for (int f = 1; f < kFieldCount; ++f) db.fields[f].clear();
    db.quality = 2;
    db.volume_label = "PHOTOS1";
    const std::string path = "/media/photos1/dcim/img" + std::to_string(i) + ".jpg";
    Require(db.AddPicture(path, kIdModeAutomatic, "") == AddResult::kDone, "cannot add a picture");
  }
  if (!cached) return;
  for (int i = 1; i <= pictures; ++i) {
    const CPicture thumbnail = Thumbnail(static_cast<uint8_t>(i));
    Require(db.StoreThumbnail(thumbnail.pixels, thumbnail.header, i), "cannot store");
  }
}

// A document on an index of 6,000 pictures with cached thumbnails, whose medium is away.
class CBench {
 public:
  CBench() : folder_(MakeFolder()), volumes_({{"/", VolumeKind::kFixed, ""}}) {
    const std::string index = folder_ + "/bench.acx";
    BuildIndex(index, kPictures, true);
    CDocumentOptions options;
    options.write_settings = false;
    options.index_path = index;
    options.temp_folder = folder_;
    doc_ = std::make_unique<CSnapstoreDoc>(front_end_, volumes_,
                                           CSettingsFile(folder_ + "/Albumcraft.ini"), options);
  }
  ~CBench() {
    doc_.reset();
    std::error_code error;
    fs::remove_all(folder_, error);
  }
  CSnapstoreDoc& doc() { return *doc_; }

 private:
  std::string folder_;
  CSilentFrontEnd front_end_;
  CListVolumeSource volumes_;
  std::unique_ptr<CSnapstoreDoc> doc_;
};

CBench& Bench() {
  static CBench bench;
  return bench;
}

void BM_FetchFromCacheFiles200(benchmark::State& state) {
  CSnapstoreDoc& doc = Bench().doc();
  int first = 1;
  for (auto _ : state) {
    state.PauseTiming();
    doc.ClearThumbnails();
    state.ResumeTiming();
    for (int record = first; record < first + kStripCells; ++record) {
      benchmark::DoNotOptimize(doc.FetchThumbnail(record));
    }
    state.PauseTiming();
    Require(doc.thumbnails.count() == kStripCells + 1, "a thumbnail did not come from the cache");
    first = first + kStripCells > kPictures - kStripCells ? 1 : first + kStripCells;
    state.ResumeTiming();
  }
  state.counters["per_fetch_us"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * kStripCells,
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(BM_FetchFromCacheFiles200)->Unit(benchmark::kMillisecond);

void BM_FetchMemoryHit6000(benchmark::State& state) {
  CSnapstoreDoc& doc = Bench().doc();
  doc.settings.Cache_size = 1000000000;
  doc.ClearThumbnails();
  std::vector<int32_t> records;
  for (int32_t record = 1; record <= kPictures; ++record) {
    doc.thumbnails.Add(record, Thumbnail(static_cast<uint8_t>(record)), doc.settings.Cache_size);
    records.push_back(record);
  }
  std::shuffle(records.begin(), records.end(), std::mt19937(6000));
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(doc.FetchThumbnail(records[next]));
    if (++next == records.size()) next = 0;
  }
  Require(doc.thumbnails.count() == kPictures + 1, "a fetch missed the memory list");
}
BENCHMARK(BM_FetchMemoryHit6000)->Unit(benchmark::kNanosecond);

void BM_StoreTenThousandInARow(benchmark::State& state) {
  const CPicture thumbnail = Thumbnail(7);
  std::vector<double> block_ms;
  for (auto _ : state) {
    state.PauseTiming();
    const std::string folder = MakeFolder();
    BuildIndex(folder + "/store.acx", kStoreRecords, false);
    Cdatabase db;
    db.SetFileNames(folder + "/store.acx");
    state.ResumeTiming();
    block_ms.clear();
    auto block_start = std::chrono::steady_clock::now();
    for (int i = 0; i < kStores; ++i) {
      const bool stored =
          db.StoreThumbnail(thumbnail.pixels, thumbnail.header, 1 + i % kStoreRecords);
      if (!stored) Require(false, "a thumbnail was not stored");
      if ((i + 1) % 1000 == 0) {
        const auto now = std::chrono::steady_clock::now();
        block_ms.push_back(std::chrono::duration<double, std::milli>(now - block_start).count());
        block_start = now;
      }
    }
    state.PauseTiming();
    std::error_code error;
    fs::remove_all(folder, error);
    state.ResumeTiming();
  }
  state.counters["first_1000_ms"] = block_ms.front();
  state.counters["last_1000_ms"] = block_ms.back();
  state.counters["last_vs_first"] = block_ms.back() / block_ms.front();
}
BENCHMARK(BM_StoreTenThousandInARow)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
