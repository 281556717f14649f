// Speed of "Create web pages": the whole command through the document (the category search,
// the records, the one decode per picture, the three reductions and JPEG files, the two pages)
// against a bare pipeline written here with the JPEG library alone.
//
//   WebAlbumVsBare/worker:W   45 camera JPEGs of 12 to 24 megapixels, landscape and portrait,
//        made into an album of quality "High" with full pictures resized, interleaved
//        (alternating which goes first) with the bare pipeline over the same files: one decode
//        at the DCT scale the full picture's box needs, point sampling to the full, album and
//        thumbnail sizes, three encodes at quality 80. The bare pipeline runs on one core.
//        Counters album_s, bare_s and album_vs_bare (targets: at most 1.15 with W = 0, one
//        core; at most 0.65 with W = 1, the next picture decoded on the second core), and the
//        peak resident memory.
//
// The pictures and the index are made once and kept in $TMPDIR/albumcraft_web_bench_v1
// (delete it to make them again). Run with --benchmark_repetitions=5 and read the medians.
#include <benchmark/benchmark.h>
#include <jpeglib.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/document.h"
#include "base/silent_front_end.h"
#include "base/string_printf.h"
#include "imaging/picture_testing.h"
#include "platform/folders.h"
#include "publish/web_album_dialog_model.h"
#include "publish/web_album_log_model.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPictures = 45;
constexpr const char* kCategory = "BENCH";
constexpr int kQuality = 80;  // "High"

// 12, 16, 20 and 24 megapixels, every third one upright.
struct CSize {
  int width, height;
};
constexpr CSize kSizes[] = {{4000, 3000}, {4608, 3456}, {5184, 3888}, {6000, 4000}};

void Require(bool condition, const std::string& what) {
  if (condition) return;
  std::fprintf(stderr, "web_album_bench: %s\n", what.c_str());
  std::exit(1);
}

std::string CacheFolder() { return TempFolder() + "/albumcraft_web_bench_v1"; }
std::string PicturePath(int i) {
  return StringPrintf("%s/pictures/IMG_%04d.JPG", CacheFolder().c_str(), i);
}
std::string IndexPath() { return CacheFolder() + "/album/bench.acx"; }

void Prepare() {
  static const bool prepared = [] {
    const std::string cache = CacheFolder();
    setenv("HOME", cache.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (cache + "/config").c_str(), 1);
    if (fs::exists(cache + "/complete")) return true;
    fs::remove_all(cache);
    fs::create_directories(cache + "/pictures");
    fs::create_directories(cache + "/album");
    Cdatabase db;
    db.SetFileNames(IndexPath());
    Require(db.CreateFiles(), "cannot create the index");
    for (int i = 0; i < kPictures; ++i) {
      CSize size = kSizes[i % std::size(kSizes)];
      if (i % 3 == 2) std::swap(size.width, size.height);
      WriteCameraJpeg(PicturePath(i), size.width, size.height, static_cast<uint64_t>(i), {});
      for (int f = 1; f < kFieldCount; ++f) db.fields[f].clear();
      db.fields[kFieldCategory] = kCategory;
      db.fields[kFieldWhere] = "Bench";
      db.quality = 2;
      Require(db.AddPicture(PicturePath(i), kIdModeAutomatic, "") == AddResult::kDone,
              "AddPicture failed");
      std::fprintf(stderr, "\rmaking the pictures: %d", i + 1);
    }
    std::fprintf(stderr, "\n");
    std::FILE* done = std::fopen((cache + "/complete").c_str(), "w");
    if (done) std::fclose(done);
    return true;
  }();
  benchmark::DoNotOptimize(prepared);
}

// The user of the dialog: the category, quality "High", Yes to the question.
class CBenchFrontEnd : public CSilentFrontEnd {
 public:
  MsgAnswer ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) override {
    if (buttons == MsgButtons::kYesNo) return MsgAnswer::kYes;
    return CSilentFrontEnd::ShowMessage(text, buttons, icon);
  }
  bool RunDialog(CDialogModel& model) override {
    if (auto* dialog = dynamic_cast<CGenWebModel*>(&model)) {
      dialog->Open();
      Require(dialog->scope.ChooseCategory(kCategory), "no category");
      dialog->SetHeading("Bench");
      return dialog->Accept();
    }
    Require(dynamic_cast<CWebAlbumLogModel*>(&model) == nullptr, "pictures were left out");
    return CSilentFrontEnd::RunDialog(model);
  }
};

double TimedAlbum(bool worker) {
  CBenchFrontEnd front_end;
  CListVolumeSource volumes({{"/", VolumeKind::kFixed, ""}});
  CDocumentOptions options;
  options.write_settings = false;
  options.index_path = IndexPath();
  options.decode_worker = worker;
  options.temp_folder = CacheFolder();
  CSnapstoreDoc doc(front_end, volumes, CSettingsFile(CacheFolder() + "/config/Albumcraft.ini"),
                    options);
  doc.state.category_names = {kCategory};
  const auto start = std::chrono::steady_clock::now();
  const CWebAlbumOutcome outcome = doc.GenerateWebAlbum(1);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  Require(outcome.result.pages_written && outcome.result.pictures == kPictures,
          "the album was not written");
  doc.Abandon();
  return seconds;
}

// --- the bare pipeline ---

struct CRgb {
  int width = 0, height = 0;
  std::vector<uint8_t> samples;  // rows of width × 3 bytes
};

CRgb BareDecode(const std::string& path, int box_width, int box_height) {
  CRgb picture;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  Require(file != nullptr, "cannot open " + path);
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&cinfo);
  jpeg_stdio_src(&cinfo, file);
  jpeg_read_header(&cinfo, TRUE);
  const double ratio = std::min(static_cast<double>(box_width) / cinfo.image_width,
                                static_cast<double>(box_height) / cinfo.image_height);
  const int d = ratio < 1 ? static_cast<int>(1 / ratio) : 1;
  cinfo.scale_num = 1;
  cinfo.scale_denom = d >= 8 ? 8 : d >= 4 ? 4 : d >= 2 ? 2 : 1;
  jpeg_start_decompress(&cinfo);
  picture.width = static_cast<int>(cinfo.output_width);
  picture.height = static_cast<int>(cinfo.output_height);
  picture.samples.resize(static_cast<size_t>(picture.width) * picture.height * 3);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = picture.samples.data() + size_t{cinfo.output_scanline} * picture.width * 3;
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  std::fclose(file);
  return picture;
}

// Point-sampled to `side` pixels along the longer side.
CRgb BareReduce(const CRgb& from, int long_side_width, int long_side_height) {
  CRgb to;
  if (from.width > from.height) {
    to.width = long_side_width;
    to.height = from.height * long_side_width / from.width;
  } else {
    to.height = long_side_height;
    to.width = from.width * long_side_height / from.height;
  }
  to.samples.resize(static_cast<size_t>(to.width) * to.height * 3);
  for (int y = 0; y < to.height; ++y) {
    const uint8_t* source =
        from.samples.data() + static_cast<size_t>(y * from.height / to.height) * from.width * 3;
    uint8_t* target = to.samples.data() + static_cast<size_t>(y) * to.width * 3;
    for (int x = 0; x < to.width; ++x) {
      const uint8_t* pixel = source + static_cast<size_t>(x * from.width / to.width) * 3;
      std::copy(pixel, pixel + 3, target + static_cast<size_t>(x) * 3);
    }
  }
  return to;
}

void BareEncode(const CRgb& picture, const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  Require(file != nullptr, "cannot create " + path);
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file);
  cinfo.image_width = static_cast<JDIMENSION>(picture.width);
  cinfo.image_height = static_cast<JDIMENSION>(picture.height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, kQuality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<uint8_t*>(picture.samples.data()) +
                   size_t{cinfo.next_scanline} * picture.width * 3;
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::fclose(file);
}

double TimedBare() {
  const std::string out = CacheFolder() + "/bare";
  fs::create_directories(out);
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kPictures; ++i) {
    const CRgb decoded = BareDecode(PicturePath(i), 800, 700);
    BareEncode(BareReduce(decoded, 800, 700), StringPrintf("%s/%d.jpg", out.c_str(), i));
    BareEncode(BareReduce(decoded, 300, 300), StringPrintf("%s/%dA.jpg", out.c_str(), i));
    BareEncode(BareReduce(decoded, 100, 100), StringPrintf("%s/%dT.jpg", out.c_str(), i));
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void WebAlbumVsBare(benchmark::State& state) {
  Prepare();
  const bool worker = state.range(0) != 0;
  double album = 0, bare = 0;
  int64_t rounds = 0;
  for (auto _ : state) {
    double album_seconds = 0, bare_seconds = 0;
    if (rounds % 2 == 0) {
      album_seconds = TimedAlbum(worker);
      bare_seconds = TimedBare();
    } else {
      bare_seconds = TimedBare();
      album_seconds = TimedAlbum(worker);
    }
    album += album_seconds;
    bare += bare_seconds;
    ++rounds;
    state.SetIterationTime(album_seconds);
  }
  state.counters["album_s"] = album / static_cast<double>(rounds);
  state.counters["bare_s"] = bare / static_cast<double>(rounds);
  state.counters["album_vs_bare"] = album / bare;
  rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(WebAlbumVsBare)
    ->ArgName("worker")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
