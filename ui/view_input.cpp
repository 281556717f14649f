#include "ui/view_input.h"

#include <algorithm>

#include "app/document.h"
#include "base/resource_ids.h"
#include "ui/strip_layout.h"
#include "ui/view_model.h"

namespace {

// The 0-based result index of a cell; -1 when the cell shows no entry.
int EntryOfCell(const CSnapstoreDoc& doc, int cell) {
  if (cell < 0 || static_cast<size_t>(cell) >= doc.visible_cells.size()) return -1;
  const int entry = doc.first_visible + cell - 1;
  return entry >= 0 && entry < static_cast<int>(doc.db.results.size()) ? entry : -1;
}

void Toggle(CSnapstoreDoc& doc, int entry) {
  uint8_t& selected = doc.db.results[static_cast<size_t>(entry)].selected;
  selected = selected ? 0 : 1;
}

// The cell that shows the 0-based entry, if it is on screen.
const CVisibleCell* CellOfEntry(const CSnapstoreDoc& doc, int entry) {
  const int cell = entry - (doc.first_visible - 1);
  if (cell < 0 || static_cast<size_t>(cell) >= doc.visible_cells.size()) return nullptr;
  return &doc.visible_cells[static_cast<size_t>(cell)];
}

void MakeCurrent(CSnapstoreDoc& doc, int entry) {
  CWaitCursor wait(doc.front_end());
  doc.db.GoToRecord(doc.db.results[static_cast<size_t>(entry)].record);
  doc.picture_changed = true;
  doc.db.results.SetPosition(entry + 1);
  doc.RefreshRecordStatus();
}

struct CKeyCommand {
  int key;
  bool ctrl;
  int command;
};

constexpr CKeyCommand kViewKeys[] = {
    {'A', true, ID_SELECT_ALL_KEY},
    {'D', true, ID_DESELECT_ALL_KEY},
    {kKeyDelete, false, ID_DELETE_PICTURE_KEY},
    {kKeyRight, false, ID_NEXT_PICTURE_KEY},
    {kKeyDown, false, ID_NEXT_PICTURE_KEY},
    {kKeyLeft, false, ID_PREVIOUS_PICTURE_KEY},
    {kKeyUp, false, ID_PREVIOUS_PICTURE_KEY},
    {kKeyPageDown, false, ID_STRIP_PAGE_DOWN_KEY},
    {kKeyPageUp, false, ID_STRIP_PAGE_UP_KEY},
    {kKeyHome, false, ID_STRIP_HOME_KEY},
    {kKeyEnd, false, ID_STRIP_END_KEY},
    {' ', false, ID_NEXT_PICTURE_SPACE},
};

}  // namespace

int StripCellAt(const CSnapstoreDoc& doc, int x, int y) {
  if (!InStrip(doc, x)) return -1;
  for (size_t i = 0; i < doc.visible_cells.size(); ++i) {
    const CVisibleCell& cell = doc.visible_cells[i];
    if (cell.record > 0 && cell.rect.Contains(x, y)) return static_cast<int>(i);
  }
  return -1;
}

bool InStrip(const CSnapstoreDoc& doc, int x) {
  return StripShown(doc) && x < ShownStripWidth(doc);
}

CStripClick ClickStripCell(CSnapstoreDoc& doc, int cell, bool ctrl, bool shift) {
  CStripClick click;
  const int entry = EntryOfCell(doc, cell);
  if (entry < 0) return click;
  if (ctrl) {
    Toggle(doc, entry);
    click.cells.push_back(doc.visible_cells[static_cast<size_t>(cell)].rect);
  }
  if (shift) {
    // From the current picture to the clicked one, both included, whichever comes first.
    const int current = std::max(doc.db.results.position() - 1, 0);
    for (int i = std::min(current, entry); i <= std::max(current, entry); ++i) Toggle(doc, i);
    doc.front_end().UpdateViews(kHintStrip);
  }
  if (ctrl || shift) return click;
  // The cell of the picture that was current loses its frame, the clicked one gains it.
  if (const CVisibleCell* old = CellOfEntry(doc, doc.db.results.position() - 1)) {
    click.cells.push_back(old->rect);
  }
  click.cells.push_back(doc.visible_cells[static_cast<size_t>(cell)].rect);
  MakeCurrent(doc, entry);
  doc.front_end().UpdateViews(kHintPicture);
  return click;
}

void DoubleClickStripCell(CSnapstoreDoc& doc, int cell) {
  const int entry = EntryOfCell(doc, cell);
  if (entry < 0) return;
  MakeCurrent(doc, entry);
  doc.front_end().UpdateViews(kHintAll);
}

void ScrollStrip(CSnapstoreDoc& doc, int step) {
  const CStripGeometry geometry = StripGeometryOf(doc);
  doc.first_visible = ScrolledFirstVisible(doc.first_visible, step, doc.db.results.count(),
                                           NavigationRows(doc.view_height, geometry.thumb_size),
                                           StripColumns(geometry.view_mode));
  doc.front_end().UpdateViews(kHintStrip);
}

void ScrollStripLine(CSnapstoreDoc& doc, bool down) {
  if (down ? doc.first_visible < doc.db.results.count() : doc.first_visible > 1) {
    ScrollStrip(doc, down ? kScrollLineDown : kScrollLineUp);
  }
}

void ScrollStripTo(CSnapstoreDoc& doc, int position) {
  doc.first_visible = std::clamp(position, 1, std::max(1, doc.db.results.count()));
  doc.front_end().UpdateViews(kHintStrip);
}

void ScrollStripByWheel(CSnapstoreDoc& doc, bool towards_user) {
  ScrollStripLine(doc, towards_user);
}

int ViewKeyCommand(int key, bool ctrl, bool alt, bool shift) {
  if (alt || shift) return 0;
  for (const CKeyCommand& entry : kViewKeys) {
    if (entry.key == key && entry.ctrl == ctrl) return entry.command;
  }
  return 0;
}

CHoverTip::CMove CHoverTip::MouseOver(int cell) {
  CMove move;
  if (cell == hovered_) return move;
  hovered_ = cell;
  if (cell >= 0) {
    move.restart_timer = true;
  } else {
    move.stop_timer = true;
  }
  move.hide_tip = shown_;
  shown_ = false;
  return move;
}
