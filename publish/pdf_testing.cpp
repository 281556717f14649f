#include "publish/pdf_testing.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "platform/child_process_testing.h"

namespace {

constexpr int kRenderDpi = 30;
constexpr int kPrintedUnitsPerInch = 300;

std::string Poppler(const std::vector<std::string>& argv) {
  const CChildResult result = RunChild(argv);
  EXPECT_EQ(result.exit_status, 0) << argv[0] << ": " << result.err;
  return result.out;
}

}  // namespace

int PdfPages(const std::string& pdf) {
  std::istringstream info(Poppler({"pdfinfo", pdf}));
  for (std::string line; std::getline(info, line);) {
    if (line.rfind("Pages:", 0) == 0) return std::stoi(line.substr(6));
  }
  return -1;
}

std::vector<CPdfImage> PdfImages(const std::string& pdf) {
  std::istringstream list(Poppler({"pdfimages", "-list", pdf}));
  std::string line;
  std::getline(list, line);  // the column names
  std::getline(list, line);  // a rule
  std::vector<CPdfImage> images;
  while (std::getline(list, line)) {
    std::istringstream row(line);
    CPdfImage image{};
    std::string number, type;
    if (row >> image.page >> number >> type >> image.width >> image.height) {
      images.push_back(image);
    }
  }
  return images;
}

CRenderedPage::CRenderedPage(const std::string& pdf, int page) {
  const std::string p = std::to_string(page);
  std::istringstream ppm(
      Poppler({"pdftoppm", "-r", std::to_string(kRenderDpi), "-f", p, "-l", p, pdf}));
  std::string magic;
  int max_value = 0;
  ppm >> magic >> width_ >> height_ >> max_value;
  ppm.get();
  pixels_.assign(std::istreambuf_iterator<char>(ppm), {});
  EXPECT_EQ(magic, "P6");
  EXPECT_EQ(pixels_.size(), size_t(width_) * size_t(height_) * 3);
}

std::string CRenderedPage::ColourAt(int x, int y) const {
  const int column = x * kRenderDpi / kPrintedUnitsPerInch;
  const int row = y * kRenderDpi / kPrintedUnitsPerInch;
  if (column < 0 || row < 0 || column >= width_ || row >= height_) return "outside";
  const size_t i = (size_t(row) * size_t(width_) + size_t(column)) * 3;
  const int r = uint8_t(pixels_[i]), g = uint8_t(pixels_[i + 1]), b = uint8_t(pixels_[i + 2]);
  if (r > 240 && g > 240 && b > 240) return "white";
  if (r > 150 && b < 100) return "red";
  if (b > 150 && r < 100) return "blue";
  return "other";
}
