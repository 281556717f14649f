#include "ui/picture_layout.h"

#include <algorithm>

namespace {

constexpr size_t kMaxCaptionLines = 14;
constexpr int kCaptionMargin = 6;           // the caption keeps this far from the area's sides
constexpr int kCaptionBottomGap = 4;        // and this far above its bottom
constexpr int kCaptionRightMinExtra = 200;  // area this much wider than the picture: caption right
constexpr double kCaptionRightMaxScale = 0.99;

}  // namespace

CRect PictureArea(int strip_width, bool strip_shown, int view_width, int view_height) {
  const int strip = strip_shown ? strip_width : 0;
  return {strip + 3, 1, view_width - 1, view_height - 1};
}

std::string CaptionText(const std::vector<std::string>& lines) {
  std::string text;
  const size_t used = std::min(lines.size(), kMaxCaptionLines);
  for (size_t i = 0; i < used; ++i) {
    if (!lines[i].empty()) text += "\n" + lines[i];
  }
  if (!text.empty()) text.erase(0, 1);  // the first line break is dropped
  if (text.size() < 2) text = ".";
  return text;
}

CPictureLayout PlacePicture(const CRect& area, int width, int height, const std::string& caption,
                            const CMeasureText& measure) {
  CPictureLayout layout;
  // Without a picture the caption still shows, below an empty picture rectangle.
  const double scale =
      width > 0 && height > 0
          ? std::min({double(area.Width()) / width, double(area.Height()) / height, 1.0})
          : 1.0;
  layout.scale = scale;
  CRect p{area.left, area.top, area.left + std::max(0, int(width * scale)),
          area.top + std::max(0, int(height * scale))};

  CRect c = area.Inflated(-kCaptionMargin);
  layout.caption_at_right =
      area.Width() > p.Width() + kCaptionRightMinExtra && scale < kCaptionRightMaxScale;
  if (layout.caption_at_right) c.left = p.right + 3;

  const CTextExtent extent = measure(caption, c.Width());
  c.right = c.left + extent.width;
  c.bottom = c.top + extent.height;
  const int shift = (area.right - c.right) / 2;
  c = c.Offset(shift, (area.bottom - kCaptionBottomGap) - c.bottom);

  if (layout.caption_at_right) {
    p = p.Offset(shift, 0);
  } else {
    if (c.top > 50 && p.bottom > c.top) {
      const int cut = p.bottom - c.top;
      p.right -= cut;
      p.bottom -= cut;
    }
    p = p.Offset((area.right - p.right) / 2, 0);
    if (c.top - p.bottom > 10) p = p.Offset(0, (c.top - p.bottom) / 2);
  }
  layout.picture = p;
  layout.caption = c;
  layout.caption_box = c.Inflated(3);
  return layout;
}
