#include "cli/pdf_print.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "imaging/picture_rows.h"
#include "publish/print_job.h"

namespace {

constexpr double kUnitsPerInch = 300;
constexpr double kPointsPerInch = 72;

constexpr CPaper kPapers[] = {{"a4", 595.276, 841.89}, {"letter", 612, 792}};

struct CSurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct CContextDeleter {
  void operator()(cairo_t* context) const { cairo_destroy(context); }
};
using CSurface = std::unique_ptr<cairo_surface_t, CSurfaceDeleter>;
using CContext = std::unique_ptr<cairo_t, CContextDeleter>;

// The picture as a cairo image of 32-bit pixels (unused, red, green, blue).
CSurface ImageOf(const CPicture& picture) {
  if (!picture.IsWellFormed()) return nullptr;
  const int width = picture.Width();
  const int height = picture.Height();
  CSurface image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
  if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  cairo_surface_flush(image.get());
  unsigned char* data = cairo_image_surface_get_data(image.get());
  const int stride = cairo_image_surface_get_stride(image.get());
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * 3);
  for (int y = 0; y < height; ++y) {
    PictureRowRgb(picture, y, rgb.data());
    auto* out = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
    for (int x = 0; x < width; ++x) {
      const uint8_t* p = &rgb[static_cast<size_t>(x) * 3];
      out[x] = uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
    }
  }
  cairo_surface_mark_dirty(image.get());
  return image;
}

// Stretches the picture onto `rect` of the page (in device units).
void DrawPicture(cairo_t* page, const CPicture& picture, const CRect& rect) {
  const CSurface image = ImageOf(picture);
  if (!image || rect.Width() <= 0 || rect.Height() <= 0) return;
  cairo_save(page);
  cairo_translate(page, rect.left, rect.top);
  cairo_scale(page, static_cast<double>(rect.Width()) / picture.Width(),
              static_cast<double>(rect.Height()) / picture.Height());
  cairo_set_source_surface(page, image.get(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(page), CAIRO_FILTER_BEST);
  cairo_paint(page);
  cairo_restore(page);
}

}  // namespace

const CPaper* PaperNamed(const std::string& name) {
  for (const CPaper& paper : kPapers) {
    if (name == paper.name) return &paper;
  }
  return nullptr;
}

PdfPrintResult PrintJobToPdf(CPrintJob& job, const std::string& path, const CPaper& paper,
                             std::string& error) {
  CSurface document(
      cairo_pdf_surface_create(path.c_str(), paper.width_points, paper.height_points));
  if (cairo_surface_status(document.get()) != CAIRO_STATUS_SUCCESS) {
    // Nothing was made: a file of that name that was there stays as it was.
    error = cairo_status_to_string(cairo_surface_status(document.get()));
    return PdfPrintResult::kFailed;
  }
  CContext page(cairo_create(document.get()));
  // The page in device units, as a printer at 300 dots per inch has it.
  const int width =
      static_cast<int>(std::lround(paper.width_points / kPointsPerInch * kUnitsPerInch));
  const int height =
      static_cast<int>(std::lround(paper.height_points / kPointsPerInch * kUnitsPerInch));
  cairo_scale(page.get(), kPointsPerInch / kUnitsPerInch, kPointsPerInch / kUnitsPerInch);
  PdfPrintResult result = PdfPrintResult::kWritten;
  for (int p = 1; p <= job.PageCount() && result == PdfPrintResult::kWritten; ++p) {
    const auto printed =
        job.PrintPage(p, width, height, [&](const CPicture& picture, const CRect& rect) {
          DrawPicture(page.get(), picture, rect);
        });
    if (printed == CPrintJob::PageResult::kJobEnded) result = PdfPrintResult::kJobEnded;
    cairo_show_page(page.get());
  }
  page.reset();
  cairo_surface_finish(document.get());
  if (result == PdfPrintResult::kWritten &&
      cairo_surface_status(document.get()) != CAIRO_STATUS_SUCCESS) {
    error = cairo_status_to_string(cairo_surface_status(document.get()));
    result = PdfPrintResult::kFailed;
  }
  document.reset();
  if (result != PdfPrintResult::kWritten) std::remove(path.c_str());
  return result;
}
