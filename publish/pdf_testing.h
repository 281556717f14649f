// Reading printed PDF files back for tests, with poppler-utils: the page count, the images
// each page holds, and the colours a rendered page shows.
#pragma once

#include <string>
#include <vector>

int PdfPages(const std::string& pdf);

// An image of a PDF file as pdfimages lists it: its page and its size in pixels.
struct CPdfImage {
  int page, width, height;
  bool operator==(const CPdfImage&) const = default;
};
std::vector<CPdfImage> PdfImages(const std::string& pdf);

// A page of a PDF file rendered by pdftoppm at 30 dots per inch.
class CRenderedPage {
 public:
  CRenderedPage(const std::string& pdf, int page);
  // "red", "blue", "white" or "other" at a point given in printed units of 300 to the inch
  // (an A4 page is 2480 × 3508 of them); "outside" off the page.
  std::string ColourAt(int x, int y) const;

 private:
  int width_ = 0, height_ = 0;
  std::string pixels_;
};
