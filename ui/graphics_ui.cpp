#include "ui/graphics_ui.h"

#include <wx/dcclient.h>
#include <wx/dcprint.h>
#include <wx/graphics.h>
#include <wx/settings.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "app/document.h"
#include "imaging/picture.h"
#include "publish/print_job.h"
#include "ui/picture_bitmap_ui.h"
#include "ui/picture_layout.h"
#include "ui/shown_picture_ui.h"
#include "ui/text_wrap.h"
#include "ui/view_input.h"
#include "ui/view_model.h"
#include "ui/wx_text_ui.h"

namespace {

const wxColour kStripBackground(190, 190, 190);
const wxColour kCellLine(150, 150, 150);
const wxColour kCellFill(200, 200, 200);
const wxColour kSelectedFill(0, 0, 125);
const wxColour kCurrentFrame(255, 255, 0);
const wxColour kCaptionBackground(220, 220, 220);
const wxColour kTipBackground(255, 255, 225);
// The edges' four shades, from the light top-left to the dark bottom-right.
const wxColour kEdgeHighlight(255, 255, 255);
const wxColour kEdgeLight(227, 227, 227);
const wxColour kEdgeShadow(160, 160, 160);
const wxColour kEdgeDarkShadow(105, 105, 105);

constexpr const char* kFontFace = "Arial";
constexpr int kThumbTextWeight = 100;
constexpr int kThumbBoldWeight = 700;
constexpr int kCaptionWeight = 500;
constexpr int kOfflineTextBelowMiddle = 60;

wxFont MakeFont(int pixel_height, int weight) {
  return wxFont(
      wxFontInfo(wxSize(0, std::max(1, pixel_height))).FaceName(kFontFace).Weight(weight));
}

void FillRect(wxDC& dc, const CRect& rect, const wxColour& colour) {
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(colour));
  dc.DrawRectangle(ToWxRect(rect));
}

// One ring of an edge: the top and left sides in one colour, the bottom and right in another.
void EdgeRing(wxDC& dc, const CRect& r, const wxColour& top_left, const wxColour& bottom_right) {
  if (r.Width() < 2 || r.Height() < 2) return;
  dc.SetPen(wxPen(top_left));
  dc.DrawLine(r.left, r.bottom - 1, r.left, r.top);
  dc.DrawLine(r.left, r.top, r.right - 1, r.top);
  dc.SetPen(wxPen(bottom_right));
  dc.DrawLine(r.right - 1, r.top, r.right - 1, r.bottom - 1);
  dc.DrawLine(r.right - 1, r.bottom - 1, r.left - 1, r.bottom - 1);
}

enum class Edge { kRaised, kSunken, kBump };

void DrawEdge(wxDC& dc, const CRect& r, Edge edge) {
  const CRect inner = r.Inflated(-1);
  switch (edge) {
    case Edge::kRaised:
      EdgeRing(dc, r, kEdgeLight, kEdgeDarkShadow);
      EdgeRing(dc, inner, kEdgeHighlight, kEdgeShadow);
      break;
    case Edge::kSunken:
      EdgeRing(dc, r, kEdgeShadow, kEdgeHighlight);
      EdgeRing(dc, inner, kEdgeDarkShadow, kEdgeLight);
      break;
    case Edge::kBump:
      EdgeRing(dc, r, kEdgeLight, kEdgeDarkShadow);
      EdgeRing(dc, inner, kEdgeDarkShadow, kEdgeLight);
      break;
  }
}

int TextWidth(wxDC& dc, const std::string& text) {
  return text.empty() ? 0 : dc.GetTextExtent(ToWx(text)).GetWidth();
}

// The thumbnail of a record from the document's memory list (the placeholder for a record
// whose medium is away); nothing when there is none to draw. Good until the next fetch.
const CPicture* ThumbnailOf(CSnapstoreDoc& doc, int32_t record) {
  const int index = doc.FetchThumbnail(record);
  if (index < 0) return nullptr;
  const CPicture& picture = doc.thumbnails.Picture(index);
  return picture.pixels.empty() ? nullptr : &picture;
}

// Puts a picture onto `rect` of the DC, at the device's own resolution. A printer gets the
// whole picture to stretch with its best smoothing filter (a PDF file keeps every pixel of it
// and is marked for smooth scaling), so that a printer at 600 dots per inch prints pixels of
// its own, not enlarged copies of the picture's. On the screen and on the print preview's
// page the picture is scaled to the device pixels it covers with an averaging filter, unless
// `scaled` already has that size (the screen's picture, scaled once for its area), and copied.
void DrawPicture(wxDC& dc, const wxImage& image, const CRect& rect,
                 const wxBitmap& scaled = wxNullBitmap) {
  if (!image.IsOk() || rect.Width() <= 0 || rect.Height() <= 0) return;
  if (wxDynamicCast(&dc, wxPrinterDC)) {
    std::unique_ptr<wxGraphicsContext> context(wxGraphicsContext::CreateFromUnknownDC(dc));
    if (!context) return;
    context->SetInterpolationQuality(wxINTERPOLATION_BEST);
    context->DrawBitmap(wxBitmap(image), rect.left, rect.top, rect.Width(), rect.Height());
    return;
  }
  const int left = dc.LogicalToDeviceX(rect.left);
  const int top = dc.LogicalToDeviceY(rect.top);
  const int width = dc.LogicalToDeviceX(rect.right) - left;
  const int height = dc.LogicalToDeviceY(rect.bottom) - top;
  if (width <= 0 || height <= 0) return;
  wxBitmap bitmap = scaled;
  if (!bitmap.IsOk() || bitmap.GetWidth() != width || bitmap.GetHeight() != height) {
    bitmap = image.GetWidth() == width && image.GetHeight() == height
                 ? wxBitmap(image)
                 : wxBitmap(image.Scale(width, height, wxIMAGE_QUALITY_HIGH));
  }
  // Copied pixel for pixel: the DC's scale is left out while it is drawn.
  double scale_x = 1, scale_y = 1;
  dc.GetUserScale(&scale_x, &scale_y);
  dc.SetUserScale(1, 1);
  dc.DrawBitmap(bitmap, dc.DeviceToLogicalX(left), dc.DeviceToLogicalY(top));
  dc.SetUserScale(scale_x, scale_y);
}

void DrawThumbnail(wxDC& dc, const CPicture& thumbnail, const CStripCell& cell, int thumb_size) {
  wxImage image = ImageOfPicture(thumbnail);
  if (!image.IsOk()) return;
  const CRect rect = ThumbnailRect(cell, thumb_size, image.GetWidth(), image.GetHeight());
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  if (rect.Width() != image.GetWidth() || rect.Height() != image.GetHeight()) {
    image.Rescale(rect.Width(), rect.Height(), wxIMAGE_QUALITY_BILINEAR);
  }
  dc.DrawBitmap(wxBitmap(image), rect.left, rect.top);
}

}  // namespace

wxRect ToWxRect(const CRect& rect) {
  return wxRect(rect.left, rect.top, rect.Width(), rect.Height());
}

CGraphics::CGraphics(int thumb_font_size, int caption_font_size)
    : thumb_font_size_(thumb_font_size),
      caption_font_size_(caption_font_size),
      thumb_font_(MakeFont(thumb_font_size, kThumbTextWeight)),
      thumb_bold_font_(MakeFont(thumb_font_size, kThumbBoldWeight)),
      caption_font_(MakeFont(caption_font_size, kCaptionWeight)) {}

void CGraphics::Draw(wxDC& dc, CSnapstoreDoc& doc, CViewPaint& paint, bool strip, bool picture) {
  PrepareViewPaint(doc);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetTextForeground(*wxBLACK);
  if (!StripShown(doc)) {
    doc.visible_cells.clear();  // no thumbnail is on screen to be clicked
  } else if (strip) {
    const CRect region = StripRegion(doc);
    FillRect(dc, region, kStripBackground);
    DrawEdge(dc, region, Edge::kBump);
    DrawStrip(dc, doc);
  }
  if (picture) {
    const CRect region = PictureRegion(doc);
    FillRect(dc, region, wxSystemSettings::GetColour(wxSYS_COLOUR_APPWORKSPACE));
    DrawEdge(dc, region, Edge::kBump);
    DrawPictureArea(dc, doc, paint);
  }
  if (StripShown(doc) && paint.tip && paint.tip->shown() && StripGeometryOf(doc).view_mode > 1) {
    DrawHoverTip(dc, doc, paint);
  }
}

void CGraphics::DrawStrip(wxDC& dc, CSnapstoreDoc& doc) {
  const std::vector<CStripPageCell> page = PrepareStripPage(doc);
  if (page.empty()) return;
  const CStripGeometry geometry = StripGeometryOf(doc);
  const int t = geometry.thumb_size;
  const int text_right = geometry.strip_width - 11;
  const int font = thumb_font_size_;
  const wxPen line_pen(kCellLine);

  for (const CStripPageCell& item : page) {
    const CRect& r = item.cell.rect;
    const int y = item.cell.row_y;
    const auto& texts = item.entry->texts;
    dc.SetPen(line_pen);
    if (geometry.view_mode == 1) {
      dc.DrawLine(r.left - 2, r.bottom + 2, text_right, r.bottom + 2);
      dc.SetFont(thumb_bold_font_);
      dc.DrawText(ToWx(texts[0]), t + 7, y);
      dc.SetFont(thumb_font_);
      {
        wxDCClipper clip(dc, ToWxRect({t + 7, y + font, text_right, y + 20}));
        dc.DrawText(ToWx(texts[1]), t + 7, y + font);
      }
      DrawWrapped(dc, texts[2], {t + 7, y + 2 * font, text_right, y + t});
    } else {
      dc.DrawLine(r.left - 2, r.bottom + 12, r.right + 2, r.bottom + 12);
      dc.SetFont(thumb_bold_font_);
      const wxRect id_box = ToWxRect({r.left - 1, r.bottom, r.right + 1, r.bottom + 9});
      wxDCClipper clip(dc, id_box);
      dc.DrawLabel(ToWx(texts[0]), id_box, wxALIGN_RIGHT | wxALIGN_TOP);
    }
    if (item.selected) {
      FillRect(dc, r, kSelectedFill);
    } else if (!item.current) {
      FillRect(dc, r, kCellFill);
    }
    DrawEdge(dc, r, Edge::kRaised);
    if (const CPicture* thumbnail = ThumbnailOf(doc, item.record)) {
      DrawThumbnail(dc, *thumbnail, item.cell, t);
    }
    if (item.current) {
      dc.SetPen(wxPen(kCurrentFrame));
      dc.SetBrush(*wxTRANSPARENT_BRUSH);
      dc.DrawRectangle(ToWxRect(r));
    }
  }
}

void CGraphics::DrawPictureArea(wxDC& dc, CSnapstoreDoc& doc, CViewPaint& paint) {
  const CRect area = PictureAreaOf(doc);
  CShownPicture& shown = *paint.picture;
  if (shown.NeedsLoad(doc)) shown.Load(doc, area.Width(), area.Height());

  dc.SetFont(caption_font_);
  const CMeasureText measure = [&](const std::string& text, int max_width) {
    CTextExtent extent;
    for (const std::string& line :
         WrapWords(text, max_width, [&](const std::string& s) { return TextWidth(dc, s); })) {
      extent.width = std::max(extent.width, TextWidth(dc, line));
      extent.height += dc.GetCharHeight();
    }
    return extent;
  };
  const std::string caption = CaptionOf(doc);
  const CPictureLayout layout = PlacePicture(area, shown.Width(), shown.Height(), caption, measure);
  paint.picture_rect = layout.picture;
  if (shown.Ok() && layout.picture.Width() > 0 && layout.picture.Height() > 0) {
    DrawPicture(dc, shown.image(), layout.picture,
                shown.Scaled(layout.picture.Width(), layout.picture.Height()));
  }
  paint.caption_rect = {};
  if (caption.size() > 1) {
    paint.caption_rect = layout.caption_box;
    DrawCaption(dc, caption, layout.caption, layout.caption_box, paint.caption_pressed);
  }
  if (shown.offline()) {
    const wxString path = ToWx(doc.db.image_path);
    const int x =
        (layout.picture.left + layout.picture.right - dc.GetTextExtent(path).GetWidth()) / 2;
    const int y = (layout.picture.top + layout.picture.bottom) / 2 + kOfflineTextBelowMiddle;
    dc.DrawText(path, x, y);
  }
}

bool CGraphics::DrawPrintPage(wxDC& dc, CPrintJob& job, int page, int width, int height) {
  const auto result =
      job.PrintPage(page, width, height, [&dc](const CPicture& picture, const CRect& rect) {
        DrawPicture(dc, ImageOfPicture(picture), rect);
      });
  return result == CPrintJob::PageResult::kPrinted;
}

void CGraphics::DrawCaption(wxDC& dc, const std::string& caption, const CRect& text_rect,
                            const CRect& box, bool pressed) {
  FillRect(dc, box, kCaptionBackground);
  DrawWrapped(dc, caption, text_rect);
  DrawEdge(dc, box, pressed ? Edge::kSunken : Edge::kRaised);
}

void CGraphics::DrawWrapped(wxDC& dc, const std::string& text, const CRect& rect) {
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  wxDCClipper clip(dc, ToWxRect(rect));
  const int line_height = dc.GetCharHeight();
  int y = rect.top;
  for (const std::string& line :
       WrapWords(text, rect.Width(), [&](const std::string& s) { return TextWidth(dc, s); })) {
    if (y >= rect.bottom) break;
    dc.DrawText(ToWx(line), rect.left, y);
    y += line_height;
  }
}

void CGraphics::DrawHoverTip(wxDC& dc, const CSnapstoreDoc& doc, const CViewPaint& paint) {
  if (doc.visible_cells.empty() || doc.db.results.empty()) return;
  size_t cell = static_cast<size_t>(std::max(paint.tip->hovered(), 0));
  size_t entry = static_cast<size_t>(doc.first_visible) + cell - 1;
  if (cell >= doc.visible_cells.size() || entry >= doc.db.results.size()) {
    cell = 0;
    entry = static_cast<size_t>(doc.first_visible) - 1;
  }
  if (entry >= doc.db.results.size()) return;
  const auto& texts = doc.db.results[entry].texts;

  dc.SetFont(thumb_bold_font_);
  int widest = TextWidth(dc, texts[0]);
  dc.SetFont(thumb_font_);
  widest = std::max({widest, TextWidth(dc, texts[1]), TextWidth(dc, texts[2])});
  const CRect box = HoverTipBox(paint.tip_rect, doc.visible_cells[cell].rect.left, widest,
                                StripGeometryOf(doc).strip_width);
  dc.SetPen(*wxBLACK_PEN);
  dc.SetBrush(wxBrush(kTipBackground));
  dc.DrawRectangle(ToWxRect(box));
  dc.SetFont(thumb_bold_font_);
  dc.DrawText(ToWx(texts[0]), box.left + 3, box.top + 2);
  dc.SetFont(thumb_font_);
  dc.DrawText(ToWx(texts[1]), box.left + 3, box.top + 2 + thumb_font_size_);
  dc.DrawText(ToWx(texts[2]), box.left + 3, box.top + 2 + 2 * thumb_font_size_);
}
