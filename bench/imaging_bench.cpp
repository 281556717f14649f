// Speed of picture loading and EXIF reading over large JPEGs made at start-up: two of 12
// and two of 24 megapixels, encoded by the JPEG library at quality 90 from camera-like
// content (gradients, noise and shapes) with an EXIF section like a camera's.
//
//   ThumbnailLoadVsBareDecode  LoadPicture for the 60 x 60 thumbnail box, interleaved file by
//                              file with a bare library decode at 1/8 of the same file;
//                              counter throughput_vs_bare = bare time / LoadPicture time
//                              (target: at least 0.95)
//   PictureAreaLoad24Mp        LoadPicture for a 1,600 x 1,000 picture area (target < 150 ms)
//   ReadExif                   CExif::ReadExif per file, files in the page cache (< 50 us)
//
// Run with --benchmark_repetitions=5 and read the medians.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "imaging/exif_reader.h"
#include "imaging/picture.h"
#include "imaging/picture_loader.h"
#include "imaging/picture_testing.h"

namespace {

// An EXIF block as a camera writes it ("Exif\0\0", then Intel-ordered IFD0 with make and
// model, and an EXIF directory with exposure, f-number, date, distance, flash, focal length
// and user comment); the section is padded with an embedded thumbnail's worth of bytes.
constexpr uint8_t kExifBlock[] = {
    0x45, 0x78, 0x69, 0x66, 0x00, 0x00, 0x49, 0x49, 0x2a, 0x00, 0x08, 0x00, 0x00, 0x00, 0x03, 0x00,
    0x0f, 0x01, 0x02, 0x00, 0x08, 0x00, 0x00, 0x00, 0x8c, 0x00, 0x00, 0x00, 0x10, 0x01, 0x02, 0x00,
    0x0e, 0x00, 0x00, 0x00, 0x94, 0x00, 0x00, 0x00, 0x69, 0x87, 0x04, 0x00, 0x01, 0x00, 0x00, 0x00,
    0x32, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x07, 0x00, 0x9a, 0x82, 0x05, 0x00, 0x01, 0x00,
    0x00, 0x00, 0xa2, 0x00, 0x00, 0x00, 0x9d, 0x82, 0x05, 0x00, 0x01, 0x00, 0x00, 0x00, 0xaa, 0x00,
    0x00, 0x00, 0x03, 0x90, 0x02, 0x00, 0x14, 0x00, 0x00, 0x00, 0xb2, 0x00, 0x00, 0x00, 0x06, 0x92,
    0x05, 0x00, 0x01, 0x00, 0x00, 0x00, 0xc6, 0x00, 0x00, 0x00, 0x09, 0x92, 0x03, 0x00, 0x01, 0x00,
    0x00, 0x00, 0x19, 0x00, 0x00, 0x00, 0x0a, 0x92, 0x05, 0x00, 0x01, 0x00, 0x00, 0x00, 0xce, 0x00,
    0x00, 0x00, 0x86, 0x92, 0x07, 0x00, 0x0f, 0x00, 0x00, 0x00, 0xd6, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x43, 0x61, 0x6e, 0x6f, 0x6e, 0x00, 0x00, 0x00, 0x50, 0x6f, 0x77, 0x65, 0x72, 0x53,
    0x68, 0x6f, 0x74, 0x20, 0x41, 0x37, 0x30, 0x00, 0x01, 0x00, 0x00, 0x00, 0x3c, 0x00, 0x00, 0x00,
    0x1c, 0x00, 0x00, 0x00, 0x0a, 0x00, 0x00, 0x00, 0x32, 0x30, 0x30, 0x34, 0x3a, 0x30, 0x33, 0x3a,
    0x30, 0x37, 0x20, 0x31, 0x32, 0x3a, 0x33, 0x34, 0x3a, 0x35, 0x36, 0x00, 0x03, 0x00, 0x00, 0x00,
    0x02, 0x00, 0x00, 0x00, 0x36, 0x00, 0x00, 0x00, 0x0a, 0x00, 0x00, 0x00, 0x41, 0x53, 0x43, 0x49,
    0x49, 0x00, 0x00, 0x00, 0x77, 0x6f, 0x72, 0x64, 0x20, 0x20, 0x20};
constexpr size_t kEmbeddedThumbnailBytes = 16000;

struct CBenchFiles {
  CBenchFiles() {
    folder =
        (std::filesystem::temp_directory_path() / ("imaging_bench_" + std::to_string(::getpid())))
            .string();
    std::filesystem::create_directories(folder);
    const int sizes[][2] = {{4000, 3000}, {3000, 4000}, {6000, 4000}, {4000, 6000}};
    for (int i = 0; i < 4; ++i) {
      std::string path = folder + "/picture" + std::to_string(i) + ".jpg";
      std::vector<uint8_t> exif(std::begin(kExifBlock), std::end(kExifBlock));
      exif.resize(exif.size() + kEmbeddedThumbnailBytes, 0x5A);
      WriteCameraJpeg(path, sizes[i][0], sizes[i][1], static_cast<uint64_t>(i), exif);
      all.push_back(path);
      if (i >= 2) large.push_back(path);
    }
  }
  ~CBenchFiles() { std::filesystem::remove_all(folder); }

  std::string folder;
  std::vector<std::string> all;    // 12 and 24 megapixels
  std::vector<std::string> large;  // 24 megapixels
};

const CBenchFiles& Files() {
  static CBenchFiles files;
  return files;
}

// The reference: the JPEG library alone decoding at 1/8 into one row buffer.
void BareDecode(const std::string& path) { benchmark::DoNotOptimize(BareJpegDecodeEighth(path)); }

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

void PeakMemory(benchmark::State& state) {
  rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void ThumbnailLoadVsBareDecode(benchmark::State& state) {
  const std::vector<std::string>& files = Files().all;
  CPicture picture;
  CLoadContext context;
  double ours = 0, bare = 0;
  int64_t loads = 0;
  for (auto _ : state) {
    double iteration = 0;
    for (size_t i = 0; i < files.size(); ++i) {
      // Alternate which of the two goes first, so neither gains from the other's reads.
      bool ours_first = (loads + static_cast<int64_t>(i)) % 2 == 0;
      auto t0 = std::chrono::steady_clock::now();
      if (ours_first) {
        LoadPicture(picture, context, files[i], "", 60, 60, false);
      } else {
        BareDecode(files[i]);
      }
      auto t1 = std::chrono::steady_clock::now();
      if (ours_first) {
        BareDecode(files[i]);
      } else {
        LoadPicture(picture, context, files[i], "", 60, 60, false);
      }
      auto t2 = std::chrono::steady_clock::now();
      const double before = Seconds(t1 - t0);
      const double after = Seconds(t2 - t1);
      double ours_time = ours_first ? before : after;
      ours += ours_time;
      bare += ours_first ? after : before;
      iteration += ours_time;
      if (picture.Width() != 60 && picture.Height() != 60) state.SkipWithError("not reduced");
    }
    loads += 1;
    state.SetIterationTime(iteration);
  }
  const auto count = static_cast<double>(loads * static_cast<int64_t>(files.size()));
  state.counters["ours_ms_per_file"] = ours * 1000 / count;
  state.counters["bare_ms_per_file"] = bare * 1000 / count;
  state.counters["throughput_vs_bare"] = bare / ours;
  PeakMemory(state);
}
BENCHMARK(ThumbnailLoadVsBareDecode)->UseManualTime()->Unit(benchmark::kMillisecond);

void PictureAreaLoad24Mp(benchmark::State& state) {
  const std::vector<std::string>& files = Files().large;
  CPicture picture;
  CLoadContext context;
  size_t i = 0;
  for (auto _ : state) {
    LoadPicture(picture, context, files[i++ % files.size()], "", 1600, 1000, true);
  }
  state.counters["loaded_width"] = picture.Width();
  state.counters["loaded_height"] = picture.Height();
  PeakMemory(state);
}
BENCHMARK(PictureAreaLoad24Mp)->Unit(benchmark::kMillisecond);

void ReadExif(benchmark::State& state) {
  const std::vector<std::string>& files = Files().all;
  CExif exif;
  size_t i = 0;
  for (auto _ : state) {
    exif.ReadExif(files[i++ % files.size()]);
    benchmark::DoNotOptimize(exif.exposure_time);
  }
  if (!exif.has_exif || exif.frame_width == 0) state.SkipWithError("EXIF not read");
}
BENCHMARK(ReadExif)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
