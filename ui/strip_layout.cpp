#include "ui/strip_layout.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kScrollBarWidth = 10;
constexpr int kCellColumnStep = 6;  // pixels between cells of a row, besides the thumbnail
constexpr int kTipRightGap = 12;    // the hover tip ends this far left of the strip's edge
constexpr int kTipTextPadding = 5;

}  // namespace

int StripWidth(int view_mode, int thumb_size, int thumbs_view_size) {
  if (NormalisedViewMode(view_mode) == 1) return thumbs_view_size;
  const int columns = StripColumns(view_mode);
  return columns * (thumb_size + kCellColumnStep) + 20;
}

int StripRowHeight(int view_mode, int thumb_size) {
  return NormalisedViewMode(view_mode) == 1 ? thumb_size + 10 : thumb_size + 20;
}

std::vector<CStripCell> StripCells(const CStripGeometry& geometry, int count, int first_visible) {
  std::vector<CStripCell> cells;
  if (count <= 0 || first_visible < 1 || first_visible > count) return cells;
  const int t = geometry.thumb_size;
  const int row_height = StripRowHeight(geometry.view_mode, t);
  const int columns = StripColumns(geometry.view_mode);
  const int remaining = count - first_visible + 1;

  int rows = geometry.view_height / row_height + 1;
  if (remaining < rows) rows = count - first_visible + 2;
  const int n = std::min(rows * columns, remaining);

  int x = 0;
  int y = 0;
  int row = 0;
  for (int i = 0; i < n; ++i) {
    if (x == 0) {
      y = row * row_height + 4;
      ++row;
    }
    CStripCell cell;
    cell.entry = first_visible + i - 1;
    cell.row_y = y;
    cell.rect.left = x + 3;
    cell.rect.right = cell.rect.left + t + 3;
    cell.rect.top = y - 1;
    cell.rect.bottom = y + t + 2;
    cells.push_back(cell);
    if (NormalisedViewMode(geometry.view_mode) != 1) {
      x += t + kCellColumnStep;
      if (x + t > geometry.strip_width - kScrollBarWidth) x = 0;
    }
  }
  return cells;
}

CRect HoverTipRect(const CStripGeometry& geometry, const CRect& hovered_cell, int thumb_font_size) {
  const int height = 3 * (thumb_font_size + 2);
  CRect tip;
  tip.top = std::min(hovered_cell.bottom + 2, geometry.view_height - height);
  tip.bottom = tip.top + height;
  tip.left = 1;
  tip.right = geometry.strip_width - kScrollBarWidth;
  return tip;
}

CRect ThumbnailRect(const CStripCell& cell, int thumb_size, int width, int height) {
  if (width <= 0 || height <= 0) return {};
  const int longer = std::max(width, height);
  const int w = static_cast<int>(int64_t(width) * thumb_size / longer);
  const int h = static_cast<int>(int64_t(height) * thumb_size / longer);
  const int left = cell.rect.left + 1 + (thumb_size - w) / 2;
  const int top = cell.row_y + (thumb_size - h) / 2;
  return {left, top, left + w, top + h};
}

CRect HoverTipBox(const CRect& tip_rect, int cell_left, int widest_line, int strip_width) {
  const int limit = strip_width - kTipRightGap;
  const int width = std::min(widest_line + kTipTextPadding, limit);
  int left = cell_left;
  if (left + width > limit) left = limit - width;
  return {left, tip_rect.top, left + width, tip_rect.bottom};
}

int ScrolledFirstVisible(int first_visible, int step, int count, int rows, int columns) {
  const int page = rows * columns;
  int position = first_visible;
  switch (step) {
    case -1:
      position -= columns;
      break;
    case 1:
      position += columns;
      break;
    case -2:
      position -= page;
      break;
    case 2:
      position += page;
      break;
    case -3:
      return 1;
    case 3:
      return std::max(1, count - page + 1);
    default:
      return first_visible;
  }
  return std::clamp(position, 1, std::max(1, count));
}

CStripScrollBar StripScrollBar(const CStripGeometry& geometry, int count, int first_visible) {
  CStripScrollBar bar;
  bar.rect = {geometry.strip_width - kScrollBarWidth, 1, geometry.strip_width,
              1 + geometry.view_height};
  bar.range_max = count;
  bar.page = geometry.view_height / (geometry.thumb_size + 10);
  bar.position = first_visible;
  return bar;
}
