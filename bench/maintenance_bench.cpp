// The store's maintenance on an index of 100,000 pictures (100 folders of 1,000 files, each
// described with When, Where and a Description of realistic words): the text export, its
// import into an empty index, the reindex, the Sort command over every node, and one sort
// of the all-records list, and the idle pass's calls.
//
// The index is built through AddPicture and UpdateCurrent, as the program builds it, which
// takes minutes; it is kept in $TMPDIR/albumcraft_maintenance_bench_v1 between runs (delete
// the folder to build it again). Every measured operation works on a fresh copy.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/idle_sort_pass.h"
#include "platform/folders.h"
#include "store/database.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFolders = 100;
constexpr int kFilesPerFolder = 1000;
constexpr const char* kExtensions[] = {".acx", ".kw1", ".kw2", ".kw3", ".kw4"};

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "maintenance_bench: %s\n", what);
  std::exit(1);
}

void Require(const Cdatabase& db, const char* what) {
  if (db.status().ok()) return;
  std::fprintf(stderr, "maintenance_bench: %s: %s\n", what, db.status().message().c_str());
  std::exit(1);
}

// Words as a photographer writes them: a few very common ones, many rarer ones, some with
// Norwegian, German and French letters.
class CWords {
 public:
  CWords() : random_(2004) {
    const char* const syllables[] = {
        "ber",       "gen", "fjo", "rd",  "sk", "\xC3\xB8y", "str",       "and",       "\xC3\xA6r",
        "\xC3\xA5s", "li",  "dal", "vik", "ha", "mar",       "k\xC3\xB6", "\xC3\xA9t", "ne"};
    std::uniform_int_distribution<int> count(2, 4);
    std::uniform_int_distribution<size_t> pick(0, std::size(syllables) - 1);
    for (const char* common : {"og", "i", "på", "med", "the", "and", "ved", "til"}) {
      words_.push_back(common);
    }
    while (words_.size() < 4000) {
      std::string word;
      for (int n = count(random_); n > 0; --n) word += syllables[pick(random_)];
      words_.push_back(word);
    }
    for (int i = 0; i < 300; ++i) places_.push_back(Word() + (i % 3 ? "" : " " + Word()));
  }

  // Zipf-like: the first words are the most frequent.
  std::string Word() {
    const double u = std::uniform_real_distribution<double>(0, 1)(random_);
    return words_[static_cast<size_t>(u * u * u * static_cast<double>(words_.size()))];
  }
  std::string Place() {
    return places_[std::uniform_int_distribution<size_t>(0, places_.size() - 1)(random_)];
  }
  std::string Sentence() {
    std::string text;
    for (int n = std::uniform_int_distribution<int>(6, 15)(random_); n > 0; --n) {
      text += (text.empty() ? "" : " ") + Word();
    }
    return text;
  }
  int Day() { return std::uniform_int_distribution<int>(1, 28)(random_); }

 private:
  std::mt19937 random_;
  std::vector<std::string> words_;
  std::vector<std::string> places_;
};

std::string CacheFolder() { return TempFolder() + "/albumcraft_maintenance_bench_v1"; }

void CopyIndex(const std::string& from_base, const std::string& to_base) {
  for (const char* extension : kExtensions) {
    fs::copy_file(from_base + extension, to_base + extension, fs::copy_options::overwrite_existing);
  }
}

void BuildIndex(const std::string& base) {
  Cdatabase db;
  db.SetFileNames(base + ".acx");
  Require(db.CreateFiles(), "cannot create the index");
  CWords words;
  db.id_counter = 1;
  for (int folder = 0; folder < kFolders; ++folder) {
    const std::string path = "/home/user/Pictures/" + std::to_string(2000 + folder / 12) + "/" +
                             words.Place() + " " + std::to_string(folder) + "/IMG_";
    for (int file = 0; file < kFilesPerFolder; ++file) {
      for (int i = 1; i < kFieldCount; ++i) db.fields[i].clear();
      db.fields[kFieldCategory] = folder % 3 ? "TRAVEL" : "FAMILY TRAVEL";
      db.quality = 2;
      db.sort_text.clear();
      Require(db.AddPicture(path + std::to_string(1000 + file) + ".JPG", kIdModeAutomatic, "") ==
                  AddResult::kDone,
              "AddPicture failed");
      db.GoToRecord(db.results.back().record);
      db.fields[kFieldWhen] =
          std::to_string(words.Day()) + " juli " + std::to_string(2000 + folder / 12);
      db.fields[kFieldWhere] = words.Place();
      db.fields[kFieldDescription] = words.Sentence();
      Require(db.UpdateCurrent() == UpdateResult::kDone, "UpdateCurrent failed");
      db.results.Clear();
    }
    std::fprintf(stderr, "\rbuilding the benchmark index: %d of %d folders", folder + 1, kFolders);
  }
  std::fprintf(stderr, "\n");
  Require(db, "building");
}

// The cached index: "base" as built, "reindexed" after a reindex, "export.exp" its export.
const std::string& Cache() {
  static const std::string folder = [] {
    const std::string cache = CacheFolder();
    if (!fs::exists(cache + "/complete")) {
      fs::remove_all(cache);
      fs::create_directories(cache);
      BuildIndex(cache + "/base");
      Cdatabase db;
      db.SetFileNames(cache + "/base.acx");
      db.RunQuery(kAllRecordsQuery);
      Require(db.ExportText(cache + "/export.exp", {}) == kFolders * kFilesPerFolder, "export");
      CopyIndex(cache + "/base", cache + "/reindexed");
      Cdatabase reindexed;
      reindexed.SetFileNames(cache + "/reindexed.acx");
      Require(reindexed.ReindexStore(), "reindex");
      for (const char* leftover : {"/reindexed.tmp1", "/reindexed.tmp2"}) {
        fs::remove(cache + leftover);
      }
      std::FILE* done = std::fopen((cache + "/complete").c_str(), "w");
      if (done) std::fclose(done);
    }
    return cache;
  }();
  return folder;
}

// A working copy of a cached index, removed afterwards.
class CWorkCopy {
 public:
  explicit CWorkCopy(const std::string& cached) : base_(Cache() + "/work") {
    Remove();
    CopyIndex(Cache() + "/" + cached, base_);
    db.SetFileNames(base_ + ".acx");
  }
  ~CWorkCopy() { Remove(); }
  void Remove() {
    for (const char* extension : kExtensions) fs::remove(base_ + extension);
    for (const char* extension : {".tmp1", ".tmp2"}) fs::remove(base_ + extension);
  }
  const std::string& base() const { return base_; }
  Cdatabase db;

 private:
  std::string base_;
};

void BM_Export(benchmark::State& state) {
  CWorkCopy copy("base");
  copy.db.RunQuery(kAllRecordsQuery);
  const std::string file = copy.base() + ".exp";
  for (auto _ : state) {
    benchmark::DoNotOptimize(copy.db.ExportText(file, {}));
  }
  Require(copy.db, "export");
  fs::remove(file);
}
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

void BM_ImportIntoEmptyIndex(benchmark::State& state) {
  const std::string base = Cache() + "/imported";
  int added = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (const char* extension : kExtensions) fs::remove(base + extension);
    Cdatabase db;
    db.SetFileNames(base + ".acx");
    Require(db.CreateFiles(), "create");
    std::vector<std::string> categories;
    std::vector<CExportDefinition> definitions;
    state.ResumeTiming();
    added = db.ImportText(Cache() + "/export.exp", categories, definitions);
    Require(db, "import");
  }
  Require(added == kFolders * kFilesPerFolder, "import count");
  for (const char* extension : kExtensions) fs::remove(base + extension);
}
BENCHMARK(BM_ImportIntoEmptyIndex)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

void BM_Reindex(benchmark::State& state) {
  std::optional<CWorkCopy> copy;
  for (auto _ : state) {
    state.PauseTiming();
    copy.emplace("base");
    state.ResumeTiming();
    Require(copy->db.ReindexStore(), "reindex");
  }
}
BENCHMARK(BM_Reindex)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

// After a reindex every list is unsorted: the Sort command's longest run.
void BM_SortCommandAfterReindex(benchmark::State& state) {
  std::optional<CWorkCopy> copy;
  int sorted = 0;
  for (auto _ : state) {
    state.PauseTiming();
    copy.emplace("reindexed");
    state.ResumeTiming();
    sorted = copy->db.SortAllPostings(Cdatabase::kSortCommandLimit);
  }
  Require(copy->db, "sort");
  state.counters["lists"] = sorted;
}
BENCHMARK(BM_SortCommandAfterReindex)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

// The all-records list of 100,000 postings, as the idle pass sorts it (limit 200,000).
void BM_SortAllRecordsList(benchmark::State& state) {
  CWorkCopy copy("reindexed");
  uint32_t node = 0;
  {
    Cdatabase::COpenFiles files(copy.db);
    const int found = copy.db.FindKey(kAllRecordsWord, kRootNode);
    Require(found > 0, "no all-records word");
    node = static_cast<uint32_t>(found);
  }
  for (auto _ : state) {
    state.PauseTiming();
    {
      Cdatabase::COpenFiles files(copy.db);
      CKeyNode marked = *copy.db.ReadKeyNode(node);
      marked.unsorted = 1;
      copy.db.WriteKeyNode(node, marked);
    }
    state.ResumeTiming();
    Require(copy.db.SortPostings(node, Cdatabase::kIdleSortLimit) == 1, "not sorted");
  }
  Require(copy.db, "sort");
}
BENCHMARK(BM_SortAllRecordsList)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

// The archiver's idle pass after a reindex, when every list is unsorted: the time of each idle
// call, which must stay short enough that the window never stutters.
void BM_IdlePassCalls(benchmark::State& state) {
  std::optional<CWorkCopy> copy;
  std::vector<double> calls;
  for (auto _ : state) {
    state.PauseTiming();
    copy.emplace("reindexed");
    CIdleSortPass pass;
    pass.Restart(copy->base() + ".acx");
    calls.clear();
    state.ResumeTiming();
    for (bool more = true; more;) {
      const auto start = std::chrono::steady_clock::now();
      more = pass.RunSteps();
      calls.push_back(
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count());
    }
  }
  std::sort(calls.begin(), calls.end());
  state.counters["calls"] = static_cast<double>(calls.size());
  state.counters["median_call_ms"] = calls[calls.size() / 2];
  state.counters["p99_call_ms"] = calls[calls.size() * 99 / 100];
  state.counters["longest_call_ms"] = calls.back();
}
BENCHMARK(BM_IdlePassCalls)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

}  // namespace

BENCHMARK_MAIN();
