// A rectangle in view pixels, as the painting code and the document's visible-cells table
// use it: left and top inside, right and bottom just outside.
#pragma once

struct CRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  CRect Inflated(int by) const { return {left - by, top - by, right + by, bottom + by}; }
  CRect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  bool operator==(const CRect&) const = default;
};
