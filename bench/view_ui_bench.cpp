// Speed of the main view's painting, with the real painter (CGraphics) on an offscreen
// bitmap of 1,280 x 800 pixels. Needs a display: run under xvfb-run.
//
//   StripPageMode5    a full page of the strip in view mode 5 (8 columns, 11 rows of cells
//                     with their IDs and thumbnails from the memory list) (target < 16 ms)
//   NextPicture24Mp   stepping to the next picture of 24 megapixels and painting the
//                     picture area: decode for the area, scale, draw (target < 200 ms)
//
// Run with --benchmark_repetitions=5 and read the medians.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/init.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/document.h"
#include "base/silent_front_end.h"
#include "imaging/jpeg_writer.h"
#include "imaging/picture.h"
#include "platform/volumes.h"
#include "ui/graphics_ui.h"
#include "ui/shown_picture_ui.h"
#include "ui/view_model.h"

namespace {

constexpr int kViewWidth = 1280;
constexpr int kViewHeight = 800;

// A picture with gradients, soft shapes and noise, so that it codes like a photograph.
CPicture CameraLikePicture(int width, int height, uint32_t seed) {
  const size_t stride = PictureStride(width, 3);
  CPicture picture;
  picture.pixels.resize(stride * static_cast<size_t>(height));
  picture.header =
      MakePictureHeader(kJpegHeaderBlockSize, width, -height, 24, picture.pixels.size());
  uint32_t noise = seed;
  for (int y = 0; y < height; ++y) {
    uint8_t* row = picture.Row(y);
    for (int x = 0; x < width; ++x) {
      noise = noise * 1664525u + 1013904223u;
      const int grain = static_cast<int>(noise >> 28) - 8;
      const int wave = ((x / 97 + y / 61) % 7) * 9;
      row[3 * x] = static_cast<uint8_t>(std::clamp(x * 200 / width + wave + grain, 0, 255));
      row[3 * x + 1] = static_cast<uint8_t>(std::clamp(y * 180 / height + grain + 30, 0, 255));
      row[3 * x + 2] =
          static_cast<uint8_t>(std::clamp(255 - x * 120 / width - wave + grain, 0, 255));
    }
  }
  return picture;
}

// A photo index with its pictures in a folder of its own, open in a document whose view is
// 1,280 x 800 pixels and whose result list holds every picture.
class CBenchIndex {
 public:
  CBenchIndex(const std::string& name, int pictures, int width, int height) {
    folder_ = std::filesystem::temp_directory_path() /
              ("albumcraft_view_bench_" + name + "_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    const std::string index = (folder_ / "bench.acx").string();
    {
      Cdatabase db;
      db.SetFileNames(index);
      if (!db.CreateFiles()) std::abort();
      db.id_counter = 1;
      for (int i = 0; i < pictures; ++i) {
        const std::string path = (folder_ / ("p" + std::to_string(i) + ".jpg")).string();
        SaveJpeg(CameraLikePicture(width, height, static_cast<uint32_t>(i) + 1), path, 90, nullptr);
        for (auto& field : db.fields) field.clear();
        if (db.AddPicture(path, kIdModeAutomatic, "") != AddResult::kDone) std::abort();
      }
    }
    CDocumentOptions options;
    options.write_settings = false;
    options.index_path = index;
    options.temp_folder = folder_.string();
    doc_ = std::make_unique<CSnapstoreDoc>(
        front_end_, volumes_, CSettingsFile((folder_ / "settings.ini").string()), options);
    doc_->db.RunQuery(kAllRecordsQuery);
    doc_->db.FirstEntry();
    doc_->view_width = kViewWidth;
    doc_->view_height = kViewHeight;
  }
  ~CBenchIndex() {
    doc_.reset();
    std::filesystem::remove_all(folder_);
  }
  CSnapstoreDoc& doc() { return *doc_; }

 private:
  std::filesystem::path folder_;
  CSilentFrontEnd front_end_;
  CListVolumeSource volumes_{{{"/", VolumeKind::kFixed, ""}}};
  std::unique_ptr<CSnapstoreDoc> doc_;
};

// The painter and what it paints on: an offscreen bitmap of the view's size.
struct COffscreenView {
  explicit COffscreenView(const CSnapstoreDoc& doc)
      : bitmap(kViewWidth, kViewHeight, 24),
        dc(bitmap),
        graphics(doc.settings.ThumbFontSize, doc.settings.CapFontSize) {
    paint.picture = &picture;
  }
  wxBitmap bitmap;
  wxMemoryDC dc;
  CGraphics graphics;
  CShownPicture picture;
  CViewPaint paint;
};

void PeakMemory(benchmark::State& state) {
  rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void StripPageMode5(benchmark::State& state) {
  static CBenchIndex index("strip", 120, 640, 480);
  CSnapstoreDoc& doc = index.doc();
  doc.settings.ViewMode = 5;
  doc.first_visible = 1;
  COffscreenView view(doc);
  view.graphics.Draw(view.dc, doc, view.paint);  // the memory list takes the page's thumbnails
  for (auto _ : state) view.graphics.Draw(view.dc, doc, view.paint, true, false);
  state.counters["cells"] = static_cast<double>(doc.visible_cells.size());
  state.counters["thumbnails_in_memory"] = doc.thumbnails.count() - 1;
  PeakMemory(state);
}
BENCHMARK(StripPageMode5)->Unit(benchmark::kMillisecond);

void NextPicture24Mp(benchmark::State& state) {
  static CBenchIndex index("large", 3, 6000, 4000);
  CSnapstoreDoc& doc = index.doc();
  COffscreenView view(doc);
  view.graphics.Draw(view.dc, doc, view.paint);
  for (auto _ : state) {
    if (doc.db.results.position() == doc.db.results.count())
      doc.FirstRecord();
    else
      doc.NextRecord();
    view.graphics.Draw(view.dc, doc, view.paint, false, true);
  }
  state.counters["shown_width"] = view.picture.Width();
  state.counters["shown_height"] = view.picture.Height();
  PeakMemory(state);
}
BENCHMARK(NextPicture24Mp)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  wxApp::SetInstance(new wxApp);
  if (!wxEntryStart(argc, argv)) {
    std::fprintf(stderr, "wx could not start: is DISPLAY set? Run under xvfb-run.\n");
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  wxEntryCleanup();
  return 0;
}
