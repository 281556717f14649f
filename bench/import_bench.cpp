// Speed of "Add pictures": the whole import through the document (the dialog's folder listing,
// AddPicture, the decode at thumbnail size, the thumbnail cache, the EXIF date and the When
// update, the log) of camera-size JPEGs.
//
//   ImportVsBareDecode/worker:W   8 JPEGs of 12 megapixels with EXIF dates imported into an
//        empty index, interleaved (alternating which goes first) with a bare JPEG-library decode
//        of the same files at 1/8; counters pictures_per_s, bare_per_s and throughput_vs_bare
//        (target: at least 0.9 with W = 0, one core). W = 1 decodes on a worker thread as well.
//   ImportIntoIndex/records:N/large:L   per-picture time of an import into an index that holds
//        N pictures already (0, 10,000, 100,000, themselves imported with a When date): 8 large
//        JPEGs (L = 1) or 256 small ones (L = 0, 320 x 240, where the store's part shows). The
//        time must stay flat as N grows. One core.
//
// The pictures and the indexes of 10,000 and 100,000 pictures are made once and kept in
// $TMPDIR/albumcraft_import_bench_v1 (delete it to make them again); every import works on a
// fresh copy. Run with --benchmark_repetitions=5 and read the medians.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/document.h"
#include "base/silent_front_end.h"
#include "base/string_printf.h"
#include "imaging/picture_testing.h"
#include "import/import_dialog_model.h"
#include "platform/folders.h"
#include "store/store_testing.h"

namespace {

namespace fs = std::filesystem;

constexpr int kLargePictures = 8;
constexpr int kSmallPictures = 256;
constexpr int kFolderSize = 500;  // pictures per folder of the prepared indexes

void Require(bool condition, const std::string& what) {
  if (condition) return;
  std::fprintf(stderr, "import_bench: %s\n", what.c_str());
  std::exit(1);
}

std::string CacheFolder() { return TempFolder() + "/albumcraft_import_bench_v1"; }

// Adds pictures as an import does (category TO_BE_DESCRIBED, then the When date) until the
// index holds `records`.
void GrowIndex(const std::string& main_file, int records) {
  Cdatabase db;
  db.SetFileNames(main_file);
  Require(db.RunQuery(kAllRecordsQuery) >= 0, "cannot read " + main_file);
  db.id_counter = db.results.count() + 1;
  for (int n = db.results.count(); n < records; ++n) {
    for (int i = 1; i < kFieldCount; ++i) db.fields[i].clear();
    db.fields[kFieldCategory] = "TO_BE_DESCRIBED";
    db.quality = 2;
    db.volume_label.clear();
    db.results.Clear();
    const std::string path =
        StringPrintf("/home/user/Pictures/%04d/IMG_%04d.JPG", n / kFolderSize, n % kFolderSize);
    Require(db.AddPicture(path, kIdModeAutomatic, "") == AddResult::kDone, "AddPicture failed");
    db.GoToRecord(db.results.back().record);
    db.fields[kFieldWhen] = StringPrintf("%02d July %d", 1 + n % 28, 2000 + n / 20000);
    Require(db.UpdateCurrent() == UpdateResult::kDone, "UpdateCurrent failed");
    if (n % 1000 == 0) std::fprintf(stderr, "\rbuilding the benchmark index: %d", n);
  }
  std::fprintf(stderr, "\n");
}

struct CPrepared {
  std::string large;  // folder of the 12 MP JPEGs
  std::string small;  // folder of the 320 x 240 JPEGs
  std::string work;   // where the imports run
  std::string Index(int records) const {
    return CacheFolder() + "/index" + std::to_string(records) + ".acx";
  }
};

const CPrepared& Prepared() {
  static const CPrepared prepared = [] {
    CPrepared p;
    const std::string cache = CacheFolder();
    p.large = cache + "/large";
    p.small = cache + "/small";
    p.work = cache + "/work";
    // The programs' settings, state files and temporary files stay in the cache folder.
    setenv("HOME", cache.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (cache + "/config").c_str(), 1);
    if (!fs::exists(cache + "/complete")) {
      fs::remove_all(cache);
      for (const std::string& folder : {p.large, p.small, p.work}) fs::create_directories(folder);
      for (int i = 0; i < kLargePictures; ++i) {
        const std::string date = StringPrintf("2004:03:%02d 12:34:56", 1 + i);
        WriteCameraJpeg(StringPrintf("%s/IMG_%04d.JPG", p.large.c_str(), i), 4000, 3000,
                        static_cast<uint64_t>(i), ExifWithDate(date));
        std::fprintf(stderr, "\rmaking the pictures: %d", i + 1);
      }
      for (int i = 0; i < kSmallPictures; ++i) {
        CTestJpeg jpeg = GradientJpeg(320, 240);
        jpeg.app1 = ExifWithDate("2004:03:07 12:34:56");
        const std::vector<uint8_t> bytes = EncodeTestJpeg(jpeg);
        std::FILE* file =
            std::fopen(StringPrintf("%s/img_%04d.jpg", p.small.c_str(), i).c_str(), "wb");
        Require(file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size(),
                "cannot write a picture");
        std::fclose(file);
      }
      std::fprintf(stderr, "\n");
      for (int records : {0, 10000, 100000}) {
        if (records == 0) {
          Cdatabase db;
          db.SetFileNames(p.Index(0));
          Require(db.CreateFiles(), "cannot create the index");
        } else {
          CopyIndexFiles(p.Index(records == 10000 ? 0 : 10000), p.Index(records));
          GrowIndex(p.Index(records), records);
        }
      }
      std::FILE* done = std::fopen((cache + "/complete").c_str(), "w");
      if (done) std::fclose(done);
    }
    return p;
  }();
  return prepared;
}

// The user of the import dialog: every picture of one folder, thumbnails and dates on.
class CBenchFrontEnd : public CSilentFrontEnd {
 public:
  std::string folder;
  bool RunDialog(CDialogModel& model) override {
    auto* dialog = dynamic_cast<CImport2Model*>(&model);
    if (!dialog) return CSilentFrontEnd::RunDialog(model);
    dialog->id_mode = 0;
    dialog->make_thumbnails = 1;
    dialog->to_be_described = 1;
    dialog->SelectFolder(folder);
    dialog->SelectAllFromSecond();
    return dialog->Accept();
  }
};

// An import of `folder` into a fresh copy of the index of `records` pictures; its seconds.
double TimedImport(const std::string& folder, int records, bool worker) {
  const CPrepared& p = Prepared();
  const std::string index = p.work + "/work.acx";
  CopyIndexFiles(p.Index(records), index);
  CBenchFrontEnd front_end;
  front_end.folder = folder;
  CListVolumeSource volumes({{"/", VolumeKind::kFixed, ""}});
  CDocumentOptions options;
  options.write_settings = false;
  options.index_path = index;
  options.decode_worker = worker;
  options.temp_folder = p.work;
  CSnapstoreDoc doc(front_end, volumes, CSettingsFile(CacheFolder() + "/config/Albumcraft.ini"),
                    options);
  // The counter an index built by imports keeps in its state file.
  doc.state.import_counter = records + 1;
  const auto start = std::chrono::steady_clock::now();
  const CImportOutcome outcome = doc.AddPictures();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  Require(outcome.imported == outcome.total && outcome.total > 0, "the import did not import");
  Require(doc.db.status().ok(), doc.db.status().message());
  doc.Abandon();  // no state files, no backup export
  return seconds;
}

double TimedBareDecodes(const std::string& folder) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kLargePictures; ++i) {
    benchmark::DoNotOptimize(
        BareJpegDecodeEighth(StringPrintf("%s/IMG_%04d.JPG", folder.c_str(), i)));
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void PeakMemory(benchmark::State& state) {
  rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void ImportVsBareDecode(benchmark::State& state) {
  const CPrepared& p = Prepared();
  const bool worker = state.range(0) != 0;
  double ours = 0, bare = 0;
  int64_t rounds = 0;
  for (auto _ : state) {
    double import_seconds = 0, bare_seconds = 0;
    if (rounds % 2 == 0) {
      import_seconds = TimedImport(p.large, 0, worker);
      bare_seconds = TimedBareDecodes(p.large);
    } else {
      bare_seconds = TimedBareDecodes(p.large);
      import_seconds = TimedImport(p.large, 0, worker);
    }
    ours += import_seconds;
    bare += bare_seconds;
    ++rounds;
    state.SetIterationTime(import_seconds);
  }
  const double pictures = static_cast<double>(rounds * kLargePictures);
  state.counters["pictures_per_s"] = pictures / ours;
  state.counters["bare_per_s"] = pictures / bare;
  state.counters["throughput_vs_bare"] = bare / ours;
  PeakMemory(state);
}
BENCHMARK(ImportVsBareDecode)
    ->ArgName("worker")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void ImportIntoIndex(benchmark::State& state) {
  const CPrepared& p = Prepared();
  const int records = static_cast<int>(state.range(0));
  const bool large = state.range(1) != 0;
  const int pictures = large ? kLargePictures : kSmallPictures;
  double total = 0;
  int64_t rounds = 0;
  for (auto _ : state) {
    const double seconds = TimedImport(large ? p.large : p.small, records, false);
    total += seconds;
    ++rounds;
    state.SetIterationTime(seconds);
  }
  state.counters["ms_per_picture"] = total * 1000 / static_cast<double>(rounds * pictures);
  PeakMemory(state);
}
BENCHMARK(ImportIntoIndex)
    ->ArgNames({"records", "large"})
    ->ArgsProduct({{0, 10000, 100000}, {0, 1}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
