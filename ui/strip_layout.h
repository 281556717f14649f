// The thumbnail strip's geometry: its width per view mode, the cells painted for a page, the
// hover tip and the scroll bar, over the grid of columns and rows that the document steps
// through (app/strip_grid.h). Pure arithmetic over the document's numbers, shared by the
// screen painter and its tests.
#pragma once

#include <vector>

#include "app/strip_grid.h"
#include "base/rect.h"

// Strip width in pixels: `Thumbsviewsize` in mode 1, else columns × (T + 6) + 20 (2T + 32 ...).
int StripWidth(int view_mode, int thumb_size, int thumbs_view_size);
// The painted row spacing: T + 10 in mode 1, T + 20 in the other modes.
int StripRowHeight(int view_mode, int thumb_size);

// One painted cell: `entry` is the 0-based index into the result list.
struct CStripCell {
  int entry = 0;
  int row_y = 0;  // y of the cell's row (texts and thumbnail start here)
  CRect rect;     // the cell's frame
};

struct CStripGeometry {
  int view_mode = 3;
  int thumb_size = 60;
  int strip_width = 0;
  int view_height = 0;
};

// The cells of the page that starts at the 1-based `first_visible` position of a result list
// of `count` entries. Index i of the result is cell i of the visible-cells table.
std::vector<CStripCell> StripCells(const CStripGeometry& geometry, int count, int first_visible);

// The hover tip's rectangle for a hovered cell (hint 3).
CRect HoverTipRect(const CStripGeometry& geometry, const CRect& hovered_cell, int thumb_font_size);

// Where a thumbnail of `width` × `height` is drawn in its cell: scaled so that its longer side
// is T, centred in the T × T box that starts at (cell left + 1, row y).
CRect ThumbnailRect(const CStripCell& cell, int thumb_size, int width, int height);

// The hover tip's box inside the tip rectangle: as wide as its widest line + 5 (at most
// strip width − 12), starting at the hovered cell's left edge but moved left so that it ends
// by strip width − 12.
CRect HoverTipBox(const CRect& tip_rect, int cell_left, int widest_line, int strip_width);

// Scrolling: the new first visible position after a step. `step` is ±1 (line), ±2 (page),
// −3 (home) or +3 (end).
int ScrolledFirstVisible(int first_visible, int step, int count, int rows, int columns);

// The strip's scroll bar.
struct CStripScrollBar {
  CRect rect;
  int range_min = 1;
  int range_max = 0;
  int page = 0;
  int position = 1;
};
CStripScrollBar StripScrollBar(const CStripGeometry& geometry, int count, int first_visible);
