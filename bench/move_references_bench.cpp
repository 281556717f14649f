// Speed of "Move image reference...": over an index of 100,000 pictures in 100 folders of
// 1,000, the pictures of one folder are pointed at a folder that holds their 1,000 files (empty
// files: only their existence is tested). The whole command runs through the document, with
// the dialog and the question answered; FindByDirectory alone, the one pass over the records
// that finds the folder's pictures, is timed beside it in the same runs.
//
//   MoveFolderOf1000   seconds of the command (target: under 2), counters find_ms (the pass
//                      alone, measured on the same copy just before), moved, peak_rss_MB.
//
// The index and the files are made once and kept in $TMPDIR/albumcraft_move_bench_v1 (delete
// it to make them again); every run works on a fresh copy of the index. Run with
// --benchmark_repetitions=5 and read the medians.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/document.h"
#include "base/silent_front_end.h"
#include "base/string_printf.h"
#include "import/move_references_dialog_model.h"
#include "platform/folders.h"
#include "store/store_testing.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPictures = 100000;
constexpr int kFolderSize = 1000;
constexpr int kMovedFolder = 42;

void Require(bool condition, const std::string& what) {
  if (condition) return;
  std::fprintf(stderr, "move_references_bench: %s\n", what.c_str());
  std::exit(1);
}

std::string CacheFolder() { return TempFolder() + "/albumcraft_move_bench_v1"; }
std::string PreparedIndex() { return CacheFolder() + "/index.acx"; }
std::string WorkIndex() { return CacheFolder() + "/work/work.acx"; }
std::string NewFolder() { return CacheFolder() + "/moved"; }
std::string OldFolder() { return StringPrintf("/home/user/Pictures/%03d", kMovedFolder); }

std::string StoredPath(int n) {
  return StringPrintf("/home/user/Pictures/%03d/IMG_%04d.JPG", n / kFolderSize, n % kFolderSize);
}

void Prepare() {
  static const bool prepared = [] {
    const std::string cache = CacheFolder();
    // The programs' settings, state files and temporary files stay in the cache folder.
    setenv("HOME", cache.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (cache + "/config").c_str(), 1);
    if (fs::exists(cache + "/complete")) return true;
    fs::remove_all(cache);
    for (const std::string& folder : {NewFolder(), cache + "/work", cache + "/config"}) {
      fs::create_directories(folder);
    }
    for (int i = 0; i < kFolderSize; ++i) {
      std::FILE* file =
          std::fopen(StringPrintf("%s/IMG_%04d.JPG", NewFolder().c_str(), i).c_str(), "w");
      Require(file != nullptr, "cannot write a picture file");
      std::fclose(file);
    }
    Cdatabase db;
    CreateIndex(db, PreparedIndex());
    db.id_counter = 1;
    for (int n = 0; n < kPictures; ++n) {
      db.volume_label.clear();
      db.results.Clear();
      Require(AddTestPicture(db, StoredPath(n), kIdModeAutomatic, "", "TO_BE_DESCRIBED") ==
                  AddResult::kDone,
              "AddPicture failed");
      if (n % 1000 == 0) std::fprintf(stderr, "\rbuilding the benchmark index: %d", n);
    }
    std::fprintf(stderr, "\n");
    std::FILE* done = std::fopen((cache + "/complete").c_str(), "w");
    if (done) std::fclose(done);
    return true;
  }();
  benchmark::DoNotOptimize(prepared);
}

// The user of "Move image references": the two folders typed, Yes to the question.
class CBenchFrontEnd : public CSilentFrontEnd {
 public:
  MsgAnswer ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) override {
    if (buttons == MsgButtons::kYesNo) return MsgAnswer::kYes;
    return CSilentFrontEnd::ShowMessage(text, buttons, icon);
  }
  bool RunDialog(CDialogModel& model) override {
    auto* dialog = dynamic_cast<CRenameDirModel*>(&model);
    if (!dialog) return CSilentFrontEnd::RunDialog(model);
    dialog->old_directory = OldFolder();
    dialog->new_directory = NewFolder();
    return dialog->Accept();
  }
};

void MoveFolderOf1000(benchmark::State& state) {
  Prepare();
  double find_ms = 0;
  int moved = 0;
  for (auto _ : state) {
    state.PauseTiming();
    CopyIndexFiles(PreparedIndex(), WorkIndex());
    CBenchFrontEnd front_end;
    CListVolumeSource volumes({{"/", VolumeKind::kFixed, ""}});
    CDocumentOptions options;
    options.write_settings = false;
    options.index_path = WorkIndex();
    options.temp_folder = CacheFolder() + "/work";
    CSnapstoreDoc doc(front_end, volumes, CSettingsFile(CacheFolder() + "/config/Albumcraft.ini"),
                      options);
    {
      // The pass alone, on a store object of its own (as cold as the command's).
      Cdatabase db;
      db.SetFileNames(WorkIndex());
      std::vector<std::string> matches;
      const auto start = std::chrono::steady_clock::now();
      Require(db.FindByDirectory(OldFolder(), matches) == kFolderSize, "the folder did not match");
      find_ms += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
    }
    state.ResumeTiming();
    const CMoveOutcome outcome = doc.MoveImageReferences();
    state.PauseTiming();
    Require(outcome.moved == kFolderSize, "not every reference was moved");
    Require(doc.db.status().ok(), doc.db.status().message());
    moved = outcome.moved;
    doc.Abandon();  // no state files, no backup export
    state.ResumeTiming();
  }
  state.counters["find_ms"] = find_ms / static_cast<double>(state.iterations());
  state.counters["moved"] = moved;
  rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(MoveFolderOf1000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
