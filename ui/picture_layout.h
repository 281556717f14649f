// Placing the current picture and its caption box in the picture area: the picture is scaled
// to fit but never enlarged, the caption goes below it, or to its right when the picture is
// a panorama in a wide area.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/rect.h"

// The picture area: from the strip's right edge (+3) to the view's edges, 1 pixel inside.
CRect PictureArea(int strip_width, bool strip_shown, int view_width, int view_height);

// The caption's lines: ID, When, Where, Description, then the values of the user-defined
// fields shown in captions, at most 14 lines; empty lines are left out, and a text shorter
// than 2 characters becomes ".". Lines are separated by "\n".
std::string CaptionText(const std::vector<std::string>& lines);

// The size of `text` word-wrapped to `max_width` pixels, as the painter's font measures it.
struct CTextExtent {
  int width = 0;
  int height = 0;
};
using CMeasureText = std::function<CTextExtent(const std::string& text, int max_width)>;

struct CPictureLayout {
  CRect picture;      // where the picture is drawn, scaled
  CRect caption;      // where the caption text is drawn
  CRect caption_box;  // the caption's filled and framed box
  bool caption_at_right = false;
  double scale = 1.0;
};

// Places a picture of `width` × `height` and the caption text in the area. Without a picture
// (a size of 0) the caption is placed below an empty picture rectangle.
CPictureLayout PlacePicture(const CRect& area, int width, int height, const std::string& caption,
                            const CMeasureText& measure);
