// Speed of the store: building indexes through the import step (no picture decoding) with
// descriptions set through UpdateCurrent, and queries over the largest one.
//
// Pictures lie in 100 folders of up to 1,000 files. Folder 50 is imported with the ID mask
// IMG0001 (so "IMG*" expands to its 1,000 IDs), the others with automatic IDs. Each folder has
// its own place word in Where (1,000 matches each); descriptions draw from a vocabulary of
// 2,000 words, and one picture has a word of its own.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "base/string_printf.h"
#include "import/id_format_mask.h"
#include "store/database.h"

namespace {

constexpr int kFolders = 100;
constexpr int kMaskFolder = 50;
constexpr int kVocabulary = 2000;
constexpr int kRarePicture = 12345;

std::string Word(int n) {
  static const char* kSyllables[] = {"ka", "lo", "mi", "ne", "ru", "sa", "to", "vi",
                                     "be", "da", "fo", "gu", "he", "ji", "pa", "ze"};
  std::string word;
  for (int k = 0; k < 3 || n > 0; ++k, n /= 16) word += kSyllables[n % 16];
  return word;
}

std::string Place(int folder) { return "Place" + Word(folder + 7000); }

// A folder under /tmp for one index, removed with it.
struct CBenchFolder {
  CBenchFolder() {
    std::string pattern = "/tmp/store_bench_XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    path = pattern;
  }
  ~CBenchFolder() { std::filesystem::remove_all(path); }
  std::string path;
};

struct CBuild {
  std::unique_ptr<CBenchFolder> dir;
  std::string index;
  double seconds = 0;
  double add_us_at_1000 = 0;  // mean per picture over pictures 501 to 1,500
  double add_us_at_last = 0;  // mean per picture over the last 1,000
};

// Builds an index of `count` pictures, timing each picture's import step and description.
CBuild Build(int count) {
  CBuild build;
  build.dir = std::make_unique<CBenchFolder>();
  build.index = build.dir->path + "/bench.acx";
  Cdatabase db;
  db.SetFileNames(build.index);
  if (!db.CreateFiles()) std::abort();
  const CIdFormat mask = *ParseIdFormatMask("IMG0001");
  const int per_folder = std::max(1, count / kFolders);
  int automatic_counter = 1;
  std::vector<double> costs;
  costs.reserve(count);
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < count; ++i) {
    const int folder = std::min(i / per_folder, kFolders - 1);
    const int file = i - folder * per_folder + 1;
    const auto t0 = std::chrono::steady_clock::now();
    for (int f = 1; f < kFieldCount; ++f) db.fields[f].clear();
    db.fields[kFieldCategory] = "TO_BE_DESCRIBED";
    db.quality = 2;
    db.volume_label.clear();
    const std::string path = StringPrintf("/home/user/Pictures/%d/trip_%02d/DSC_%04d.JPG",
                                          2000 + folder / 10, folder, file);
    const bool masked = folder == kMaskFolder;
    db.id_counter = masked ? mask.start + file - 1 : automatic_counter;
    if (db.AddPicture(path, masked ? kIdModeFormat : kIdModeAutomatic, mask.format) !=
        AddResult::kDone) {
      std::abort();
    }
    if (!masked) automatic_counter = db.id_counter;
    db.GoToRecord(db.results.back().record);
    db.fields[kFieldWhere] = Place(folder);
    db.fields[kFieldDescription] = "Photo of " + Word(i % kVocabulary) + " and " +
                                   Word((i * 31) % kVocabulary) + " near the " +
                                   Word(i % 50 + 5000) + (i == kRarePicture ? " unmistakable" : "");
    if (db.UpdateCurrent() != UpdateResult::kDone) std::abort();
    db.results.Clear();
    costs.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
  }
  build.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  auto mean = [&](int from, int to) {
    double sum = 0;
    for (int k = from; k < to; ++k) sum += costs[k];
    return sum / (to - from);
  };
  if (count >= 1500) build.add_us_at_1000 = mean(500, 1500);
  build.add_us_at_last = mean(std::max(0, count - 1000), count);
  return build;
}

void BM_Build(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    const CBuild build = Build(count);
    state.counters["build_s"] = build.seconds;
    state.counters["add_us_at_1000"] = build.add_us_at_1000;
    state.counters["add_us_last_1000"] = build.add_us_at_last;
    if (build.add_us_at_1000 > 0) {
      state.counters["ratio_last_to_1000"] = build.add_us_at_last / build.add_us_at_1000;
    }
  }
}
BENCHMARK(BM_Build)->Arg(1000)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kSecond);

const CBuild& Large() {
  static const CBuild build = Build(100000);
  return build;
}

void Query(benchmark::State& state, const std::string& query, bool fresh_store) {
  const CBuild& build = Large();
  Cdatabase warm;
  warm.SetFileNames(build.index);
  warm.RunQuery(query);
  int matches = 0;
  for (auto _ : state) {
    if (fresh_store) {
      Cdatabase db;
      db.SetFileNames(build.index);
      matches = db.RunQuery(query);
    } else {
      matches = warm.RunQuery(query);
    }
  }
  state.counters["matches"] = matches;
}

void BM_QueryAllPictures(benchmark::State& state) { Query(state, kAllRecordsQuery, false); }
void BM_QueryAllPicturesNewStore(benchmark::State& state) { Query(state, kAllRecordsQuery, true); }
void BM_QueryPlace(benchmark::State& state) { Query(state, Place(42), false); }
void BM_QueryRareWord(benchmark::State& state) { Query(state, "unmistakable", false); }
void BM_QueryPrefix(benchmark::State& state) { Query(state, "IMG*", false); }
void BM_QueryPrefixNewStore(benchmark::State& state) { Query(state, "IMG*", true); }
BENCHMARK(BM_QueryAllPictures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QueryAllPicturesNewStore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QueryPlace)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QueryRareWord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QueryPrefix)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QueryPrefixNewStore)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
