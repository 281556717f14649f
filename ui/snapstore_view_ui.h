// CSnapstoreView, the main view: the thumbnail strip with its scroll bar on the left, the
// current picture with its caption on the right. It paints through CGraphics, turns mouse,
// wheel, key and scroll-bar input into the document's operations (through the view's model,
// ui/view_input.h), answers the commands the document sends to the frame's descendants, and
// keeps the window title and the status panes current. It keeps little state of its own:
// positions live in the document and its store.
#pragma once

#include <wx/timer.h>
#include <wx/window.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_target.h"
#include "ui/graphics_ui.h"
#include "ui/shown_picture_ui.h"
#include "ui/view_input.h"
#include "ui/view_printing_ui.h"

class CMainFrame;
class CSnapstoreDoc;
class wxHtmlHelpController;
class wxMenu;
class wxScrollBar;
class wxScrollEvent;

class CSnapstoreView : public wxWindow, public CCommandTarget {
 public:
  CSnapstoreView(CMainFrame* frame, CSnapstoreDoc& doc);
  ~CSnapstoreView() override;

  // The first showing: the search bar's categories, the format check of the index named at
  // start, the strip's scroll bar. The first-start offer follows at the first paint after it.
  void InitialUpdate();
  // The document goes: the view shows nothing more.
  void DetachDocument();
  // Repaints what a view-update hint names.
  void OnUpdate(int hint);

  // --- CCommandTarget: copy to clipboard, and the commands sent to the frame's descendants ---
  bool OnCommand(int command) override;
  std::optional<CCommandUi> CommandUi(int command) const override;

  // --- what tests and the automation read ---
  const CSnapstoreDoc* document() const { return doc_; }
  wxScrollBar* strip_scroll_bar() const { return scroll_bar_; }
  // The caption box as last painted; empty when no caption is shown.
  const CRect& CaptionRect() const { return paint_.caption_rect; }
  // The items of the last context menu, one line each: "enabled|disabled[ checked] LABEL",
  // sub-menu items indented by two blanks.
  const std::vector<std::string>& LastContextMenu() const { return last_context_menu_; }
  // Closes the context menu on screen, if one is.
  void CloseContextMenu();
  CViewPrinting& printing() { return printing_; }

 private:
  void OnPaint(wxPaintEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftDoubleClick(wxMouseEvent& event);
  void OnRightDown(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeave(wxMouseEvent& event);
  void OnWheel(wxMouseEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void OnHoverTimer(wxTimerEvent& event);
  void OnScroll(wxScrollEvent& event);
  void OnViewCommand(wxCommandEvent& event);

  // Whether mouse, wheel and scroll-bar input go to the document: not while a long operation
  // runs (it would change the record the operation works on).
  bool TakesInput() const;
  void HoverOver(int cell);
  void ShowScrollBar();
  void PlaceScrollBar();
  void PressCaption();
  void ShowContextMenu(const wxPoint& point);
  void CopyToClipboard();
  // Opens the help book at the topic the frame names (F1).
  void ShowHelp();
  // Title and status panes as the document has them now.
  void UpdateFrameTexts();
  void RefreshArea(const CRect& rect);

  CMainFrame* frame_;
  CSnapstoreDoc* doc_;
  std::unique_ptr<CGraphics> graphics_;
  CShownPicture picture_;
  CViewPaint paint_;
  CHoverTip tip_;
  CViewPrinting printing_;
  wxTimer hover_timer_;
  wxScrollBar* scroll_bar_ = nullptr;
  wxMenu* context_menu_ = nullptr;  // while one is on screen
  std::unique_ptr<wxHtmlHelpController> help_;
  std::vector<std::string> last_context_menu_;
  bool initial_update_done_ = false;
  bool first_start_offered_ = false;
};
