// CGraphics, the painter of the main view: the thumbnail strip and the picture area with its
// caption, the offline path and the hover tip, and the pages of a print job. It draws on any
// wxDC (the window, an offscreen bitmap, a printer's or the print preview's page share one
// routine that puts a picture onto a rectangle); where things go is decided by the layout
// functions of the view's model and of printing, which know no display.
#pragma once

#include <wx/dc.h>
#include <wx/font.h>

#include <string>

#include "base/rect.h"

class CHoverTip;
class CPrintJob;
class wxRect;
class CShownPicture;
class CSnapstoreDoc;

// The view's state that a paint reads, and the rectangles it leaves for the mouse.
struct CViewPaint {
  CShownPicture* picture = nullptr;
  bool caption_pressed = false;
  const CHoverTip* tip = nullptr;
  CRect tip_rect;  // the rectangle of the last hint 3
  // Filled by the paint.
  CRect picture_rect;
  CRect caption_rect;  // the caption box; empty when no caption is shown
};

// A view rectangle as wx has it.
wxRect ToWxRect(const CRect& rect);

class CGraphics {
 public:
  CGraphics(int thumb_font_size, int caption_font_size);

  int thumb_font_size() const { return thumb_font_size_; }
  int caption_font_size() const { return caption_font_size_; }

  // Paints the view of `doc` at the document's view size. `strip` and `picture` say which
  // regions need painting; the other keeps what it shows (its rectangles stay as they were).
  void Draw(wxDC& dc, CSnapstoreDoc& doc, CViewPaint& paint, bool strip = true,
            bool picture = true);

  // Draws page `page` (from 1) of the print job onto a page of `width` × `height` device
  // units (the printer's, or the print preview's, whose DC scales them): each picture
  // stretched onto the part of its cell it fills, smoothed at the device's resolution. False
  // when the user ended the job at an insert-medium request.
  bool DrawPrintPage(wxDC& dc, CPrintJob& job, int page, int width, int height);

 private:
  void DrawStrip(wxDC& dc, CSnapstoreDoc& doc);
  void DrawPictureArea(wxDC& dc, CSnapstoreDoc& doc, CViewPaint& paint);
  void DrawCaption(wxDC& dc, const std::string& caption, const CRect& text_rect, const CRect& box,
                   bool pressed);
  void DrawHoverTip(wxDC& dc, const CSnapstoreDoc& doc, const CViewPaint& paint);
  // Draws `text` word-wrapped in `rect`, clipped to it.
  void DrawWrapped(wxDC& dc, const std::string& text, const CRect& rect);

  int thumb_font_size_;
  int caption_font_size_;
  wxFont thumb_font_;
  wxFont thumb_bold_font_;
  wxFont caption_font_;
};
