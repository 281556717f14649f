#include "publish/print_layout.h"

int PicturesPerPage(int print_mode) {
  switch (print_mode) {
    case kPrintTwoPerPage:
      return 2;
    case kPrintFourPerPage:
      return 4;
    case kPrintContactSheet:
      return 30;
    default:
      return 1;
  }
}

int PrintPageCount(size_t list_length, int print_mode) {
  return static_cast<int>(static_cast<double>(list_length) / PicturesPerPage(print_mode) + 0.8);
}

std::vector<CRect> PrintCells(int print_mode, int width, int height) {
  const int gap = kPrintCellGap;
  const int half_width = width / 2;
  const int half_height = height / 2;
  switch (print_mode) {
    case kPrintOnePerPage:
      return {{0, 0, width, height}};
    case kPrintTwoPerPage:
      return {{0, 0, width, half_height - gap}, {0, half_height + gap, width, height}};
    case kPrintFourPerPage:
      return {{0, 0, half_width - gap, half_height - gap},
              {half_width + gap, 0, width - gap, half_height - gap},
              {0, half_height + gap, half_width - gap, height - gap},
              {half_width + gap, half_height + gap, width - gap, height - gap}};
    default:
      return {};
  }
}

size_t PrintListIndex(int page, size_t cells, size_t cell) {
  return static_cast<size_t>(page - 1) * cells + cell;
}

namespace {

// Width / height as a real number; 1 (square) for a shape without area.
double AspectRatio(int width, int height) {
  if (width <= 0 || height <= 0) return 1.0;
  return static_cast<double>(width) / height;
}

}  // namespace

bool TurnForCell(int width, int height, const CRect& cell) {
  const double picture = AspectRatio(width, height);
  const double box = AspectRatio(cell.Width(), cell.Height());
  return (picture > 1.0 && box < 1.0) || (picture < 1.0 && box > 1.0);
}

CRect FitInCell(const CRect& cell, int width, int height) {
  if (width <= 0 || height <= 0 || cell.Width() <= 0 || cell.Height() <= 0) {
    return {cell.left, cell.top, cell.left, cell.top};
  }
  const double rh = static_cast<double>(height) / cell.Height();
  const double rw = static_cast<double>(width) / cell.Width();
  CRect fitted = cell;
  if (rh > rw) {
    fitted.right = cell.left + static_cast<int>(width / rh);
  } else {
    fitted.bottom = cell.top + static_cast<int>(height / rw);
  }
  return fitted;
}
