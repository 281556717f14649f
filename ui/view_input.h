// The main view's input on the document, without a display: clicks in the strip (select,
// range select, go to a picture), scrolling the strip by lines, pages, home and end, the
// wheel, the keys the view answers, and the hover tip's timing. The wx view turns window
// events into these calls and repaints what they name.
#pragma once

#include <vector>

#include "base/rect.h"

class CSnapstoreDoc;

// The cell of the document's visible-cells table under a point in the strip; -1 when the
// strip is hidden or no cell is there.
int StripCellAt(const CSnapstoreDoc& doc, int x, int y);
// The point lies in the shown strip (x below its width).
bool InStrip(const CSnapstoreDoc& doc, int x);

// What a left click on a strip cell changed, for the view to repaint.
struct CStripClick {
  std::vector<CRect> cells;  // cells to repaint besides the regions of the update hints
};

// A left click on cell `cell` of the visible-cells table. Ctrl toggles the selection of the
// clicked picture; Shift toggles the selection of every picture from the current one to the
// clicked one, both included; both together do both. Without either, the clicked picture
// becomes the current one (its picture is loaded at the next paint, hint 2).
CStripClick ClickStripCell(CSnapstoreDoc& doc, int cell, bool ctrl, bool shift);
// A double click on a cell: its picture becomes current, with a full update.
void DoubleClickStripCell(CSnapstoreDoc& doc, int cell);

// Scroll steps of the strip.
constexpr int kScrollLineUp = -1;
constexpr int kScrollLineDown = 1;
constexpr int kScrollPageUp = -2;
constexpr int kScrollPageDown = 2;
constexpr int kScrollHome = -3;
constexpr int kScrollEnd = 3;

// Moves the strip's first visible position by a step and repaints the strip (hint 1).
void ScrollStrip(CSnapstoreDoc& doc, int step);
// The scroll bar's line buttons step only while there is somewhere to go.
void ScrollStripLine(CSnapstoreDoc& doc, bool down);
// The scroll bar's thumb was dropped at `position` (1-based).
void ScrollStripTo(CSnapstoreDoc& doc, int position);
// The wheel: rolled towards the user (`towards_user`) a line down, else a line up.
void ScrollStripByWheel(CSnapstoreDoc& doc, bool towards_user);

// Keys the view answers, by key and modifiers. Letters are their upper-case ASCII codes and
// the space bar is ' '; other keys have these codes.
constexpr int kKeyDelete = 0x100;
constexpr int kKeyLeft = 0x101;
constexpr int kKeyRight = 0x102;
constexpr int kKeyUp = 0x103;
constexpr int kKeyDown = 0x104;
constexpr int kKeyPageUp = 0x105;
constexpr int kKeyPageDown = 0x106;
constexpr int kKeyHome = 0x107;
constexpr int kKeyEnd = 0x108;
// The command of a key pressed in the view; 0 for a key the view leaves alone. These keys
// belong to the view rather than to the whole window, so that a text field keeps its own
// Delete, arrows, Home, End and Ctrl+A.
int ViewKeyCommand(int key, bool ctrl, bool alt, bool shift);

// The hover tip over the strip: the mouse resting on a cell for a while shows the cell's
// texts.
class CHoverTip {
 public:
  static constexpr int kTimerId = 5;
  static constexpr int kDelayMilliseconds = 1000;

  // What the view must do after the mouse moved.
  struct CMove {
    bool restart_timer = false;
    bool stop_timer = false;
    bool hide_tip = false;  // a tip on screen must go (hint 4)
  };
  // The mouse is over cell `cell` (-1: over no cell).
  CMove MouseOver(int cell);
  // The timer fired: the tip is shown (hint 3) and the timer stops.
  void TimerFired() { shown_ = true; }
  void Hide() { shown_ = false; }

  int hovered() const { return hovered_; }
  bool shown() const { return shown_; }

 private:
  int hovered_ = -1;
  bool shown_ = false;
};
