// What the main view shows of the document, worked out without a display: where the strip
// and the picture area lie, the cells of the strip's page with their texts and states, the
// caption's lines and the status-bar texts. The painter draws what these functions decide.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/rect.h"
#include "ui/strip_layout.h"

class CPictureInfo;
class CSnapstoreDoc;

// The strip's geometry for the document's view mode, thumbnail size and view size.
CStripGeometry StripGeometryOf(const CSnapstoreDoc& doc);
bool StripShown(const CSnapstoreDoc& doc);
// The strip's width; 0 while the strip is hidden.
int ShownStripWidth(const CSnapstoreDoc& doc);
// The strip's region (hint 1): (0, 0) to (strip width, view height); empty while hidden.
CRect StripRegion(const CSnapstoreDoc& doc);
// The picture area (hint 2 repaints from the strip's right edge to the view's right edge).
CRect PictureAreaOf(const CSnapstoreDoc& doc);
CRect PictureRegion(const CSnapstoreDoc& doc);

// The painter keeps at most this many cells of the strip.
constexpr size_t kMaxPaintedCells = 150;

// One cell of the strip's page as the painter draws it.
struct CStripPageCell {
  CStripCell cell;
  int32_t record = 0;
  bool selected = false;
  bool current = false;
  const CPictureInfo* entry = nullptr;  // texts: 0 ID, 1 When, 2 Where, 3 Description, 4 path
};

// Before painting: with an empty result list the current record shows nothing (no picture
// path, the first 15 text fields empty).
void PrepareViewPaint(CSnapstoreDoc& doc);

// The strip's page: its cells from the first visible position on, with the texts of each
// entry read from the store once per result list, and the document's visible-cells table
// filled with the cells' rectangles and records. Entries with a record number below 1 keep
// their place but are not painted. The store's current record is that of the current
// position again afterwards.
std::vector<CStripPageCell> PrepareStripPage(CSnapstoreDoc& doc);

// The caption's text: ID, When, Where and Description of the current record, then the values
// of the user-defined fields shown in captions.
std::string CaptionOf(const CSnapstoreDoc& doc);

// Status pane 2: "%s   (%dx%d)" with the picture path and the shown picture's size.
std::string PictureStatusText(const std::string& path, int width, int height);
