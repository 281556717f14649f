#include "ui/snapstore_view_ui.h"

#include <wx/clipbrd.h>
#include <wx/dcclient.h>
#include <wx/filename.h>
#include <wx/html/helpctrl.h>
#include <wx/menu.h>
#include <wx/scrolbar.h>
#include <wx/statusbr.h>

#include "app/document.h"
#include "base/resource_ids.h"
#include "base/string_table.h"
#include "platform/path_text.h"
#include "ui/command_ids_ui.h"
#include "ui/main_frame_ui.h"
#include "ui/modal_dialog_ui.h"
#include "ui/search_bar_ui.h"
#include "ui/view_model.h"
#include "ui/wx_text_ui.h"

namespace {

// The commands the document sends to the frame's descendants.
constexpr int kDescendantCommands[] = {
    CMD_SHOW_STRIP_SCROLLBAR,  CMD_HIDE_STRIP_SCROLLBAR, CMD_SET_STRIP_SCROLL_POSITION,
    CMD_PLACE_STRIP_SCROLLBAR, CMD_REPAINT_CAPTION,      CMD_STRIP_PAGE_UP,
    CMD_STRIP_PAGE_DOWN,       CMD_STRIP_HOME,           CMD_STRIP_END};

constexpr const char* kHelpBook = "albumcraft.hhp";
// The help window's tabs: contents, full-text search and bookmarks. Not the keyword index:
// under GTK 3 its empty list is laid out with a negative size and GTK complains on every
// opening.
constexpr int kHelpStyle = wxHF_DEFAULT_STYLE & ~wxHF_INDEX;

bool Intersects(const wxRegion& region, const CRect& rect) {
  return rect.Width() > 0 && rect.Height() > 0 && region.Contains(ToWxRect(rect)) != wxOutRegion;
}

}  // namespace

CSnapstoreView::CSnapstoreView(CMainFrame* frame, CSnapstoreDoc& doc)
    : wxWindow(frame, wxID_ANY, wxDefaultPosition, wxDefaultSize,
               wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE | wxBORDER_NONE),
      frame_(frame),
      doc_(&doc),
      printing_(*frame),
      hover_timer_(this, CHoverTip::kTimerId) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  paint_.picture = &picture_;
  paint_.tip = &tip_;
  Bind(wxEVT_PAINT, &CSnapstoreView::OnPaint, this);
  Bind(wxEVT_SIZE, &CSnapstoreView::OnSize, this);
  Bind(wxEVT_LEFT_DOWN, &CSnapstoreView::OnLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &CSnapstoreView::OnLeftDoubleClick, this);
  Bind(wxEVT_RIGHT_DOWN, &CSnapstoreView::OnRightDown, this);
  Bind(wxEVT_MOTION, &CSnapstoreView::OnMotion, this);
  Bind(wxEVT_LEAVE_WINDOW, &CSnapstoreView::OnLeave, this);
  Bind(wxEVT_MOUSEWHEEL, &CSnapstoreView::OnWheel, this);
  Bind(wxEVT_KEY_DOWN, &CSnapstoreView::OnKeyDown, this);
  Bind(wxEVT_TIMER, &CSnapstoreView::OnHoverTimer, this, CHoverTip::kTimerId);
  for (int command : kDescendantCommands) {
    Bind(wxEVT_MENU, &CSnapstoreView::OnViewCommand, this, WxIdOf(command));
  }
  // The document keeps what the search bar holds; Find searches for it.
  CSearchBar* bar = frame_->search_bar();
  bar->SetChangeAction([this, bar] {
    if (!doc_) return;
    doc_->search_words = bar->Words();
    doc_->search_category = bar->Category();
  });
}

CSnapstoreView::~CSnapstoreView() { hover_timer_.Stop(); }

void CSnapstoreView::InitialUpdate() {
  if (!doc_ || initial_update_done_) return;
  frame_->SetCategoryChoices(doc_->CategoryChoices());
  doc_->CheckStoreFormat();
  if (StripShown(*doc_)) OnCommand(CMD_SHOW_STRIP_SCROLLBAR);
  initial_update_done_ = true;
  Refresh();
}

void CSnapstoreView::DetachDocument() {
  hover_timer_.Stop();
  printing_.Abandon();
  doc_ = nullptr;
}

void CSnapstoreView::OnUpdate(int hint) {
  if (!doc_) return;
  // The document changes the bar's words and category only by clearing the search.
  frame_->search_bar()->ShowState(doc_->search_words, doc_->search_category);
  switch (hint) {
    case kHintStrip:
      RefreshArea(StripRegion(*doc_));
      break;
    case kHintPicture:
      RefreshArea(PictureRegion(*doc_));
      break;
    case kHintShowTip: {
      const size_t cell = static_cast<size_t>(std::max(tip_.hovered(), 0));
      if (cell >= doc_->visible_cells.size()) break;
      paint_.tip_rect = HoverTipRect(StripGeometryOf(*doc_), doc_->visible_cells[cell].rect,
                                     doc_->settings.ThumbFontSize);
      RefreshArea(paint_.tip_rect);
      break;
    }
    case kHintHideTip:
      RefreshArea(paint_.tip_rect);
      break;
    default:
      Refresh();
      break;
  }
}

void CSnapstoreView::RefreshArea(const CRect& rect) {
  if (rect.Width() > 0 && rect.Height() > 0) RefreshRect(ToWxRect(rect), false);
}

// --- painting -------------------------------------------------------------------------------

void CSnapstoreView::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  if (!doc_) return;
  const CSettings& settings = doc_->settings;
  if (!graphics_ || graphics_->thumb_font_size() != settings.ThumbFontSize ||
      graphics_->caption_font_size() != settings.CapFontSize) {
    graphics_ = std::make_unique<CGraphics>(settings.ThumbFontSize, settings.CapFontSize);
  }
  const wxRegion& update = GetUpdateRegion();
  graphics_->Draw(dc, *doc_, paint_, Intersects(update, StripRegion(*doc_)),
                  Intersects(update, PictureRegion(*doc_)));
  UpdateFrameTexts();
  if (scroll_bar_ && StripShown(*doc_)) scroll_bar_->SetThumbPosition(doc_->first_visible - 1);

  // The first start without an index offers to make one, once, when the window is up.
  if (initial_update_done_ && !first_start_offered_ && doc_->title_text.empty()) {
    first_start_offered_ = true;
    CallAfter([this] {
      if (doc_) doc_->RunFirstStart();
    });
  }
}

void CSnapstoreView::UpdateFrameTexts() {
  frame_->SetTitleText(doc_->title_text);
  wxStatusBar* bar = frame_->GetStatusBar();
  if (!bar) return;
  auto set = [bar](int pane, const std::string& text) {
    const wxString shown = ToWx(text);
    if (bar->GetStatusText(pane) != shown) bar->SetStatusText(shown, pane);
  };
  if (!doc_->record_status_text.empty()) set(STATUS_PANE_RECORD, doc_->record_status_text);
  set(STATUS_PANE_PICTURE,
      PictureStatusText(doc_->db.image_path, picture_.Width(), picture_.Height()));
}

void CSnapstoreView::OnSize(wxSizeEvent& event) {
  if (doc_) {
    const wxSize size = GetClientSize();
    doc_->view_width = size.GetWidth();
    doc_->view_height = size.GetHeight();
    if (scroll_bar_ && StripShown(*doc_)) PlaceScrollBar();
  }
  event.Skip();
}

// --- the strip's scroll bar -----------------------------------------------------------------

void CSnapstoreView::ShowScrollBar() {
  if (!scroll_bar_) {
    scroll_bar_ = new wxScrollBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL);
    scroll_bar_->Bind(wxEVT_SCROLL_LINEUP, &CSnapstoreView::OnScroll, this);
    scroll_bar_->Bind(wxEVT_SCROLL_LINEDOWN, &CSnapstoreView::OnScroll, this);
    scroll_bar_->Bind(wxEVT_SCROLL_PAGEUP, &CSnapstoreView::OnScroll, this);
    scroll_bar_->Bind(wxEVT_SCROLL_PAGEDOWN, &CSnapstoreView::OnScroll, this);
    scroll_bar_->Bind(wxEVT_SCROLL_TOP, &CSnapstoreView::OnScroll, this);
    scroll_bar_->Bind(wxEVT_SCROLL_BOTTOM, &CSnapstoreView::OnScroll, this);
    scroll_bar_->Bind(wxEVT_SCROLL_THUMBRELEASE, &CSnapstoreView::OnScroll, this);
  }
  PlaceScrollBar();
  scroll_bar_->Show();
  scroll_bar_->Enable();
}

void CSnapstoreView::PlaceScrollBar() {
  const CStripScrollBar bar =
      StripScrollBar(StripGeometryOf(*doc_), doc_->db.results.count(), doc_->first_visible);
  // The toolkit's theme may need a wider bar than the strip's 10 pixels (GTK's needs 14);
  // it keeps its right edge at the strip's edge and grows to the left.
  wxRect rect = ToWxRect(bar.rect);
  const int width = std::max(rect.width, scroll_bar_->GetBestSize().x);
  rect.x -= width - rect.width;
  rect.width = width;
  scroll_bar_->SetSize(rect);
  // The bar's positions run from 0; the strip's from 1.
  const int page = std::max(1, bar.page);
  scroll_bar_->SetScrollbar(bar.position - bar.range_min, page,
                            std::max(0, bar.range_max - bar.range_min + 1), page);
}

void CSnapstoreView::OnScroll(wxScrollEvent& event) {
  if (!TakesInput()) return;
  const wxEventType type = event.GetEventType();
  if (type == wxEVT_SCROLL_LINEUP) {
    ScrollStripLine(*doc_, false);
  } else if (type == wxEVT_SCROLL_LINEDOWN) {
    ScrollStripLine(*doc_, true);
  } else if (type == wxEVT_SCROLL_PAGEUP) {
    ScrollStrip(*doc_, kScrollPageUp);
  } else if (type == wxEVT_SCROLL_PAGEDOWN) {
    ScrollStrip(*doc_, kScrollPageDown);
  } else if (type == wxEVT_SCROLL_TOP) {
    ScrollStrip(*doc_, kScrollHome);
  } else if (type == wxEVT_SCROLL_BOTTOM) {
    ScrollStrip(*doc_, kScrollEnd);
  } else if (type == wxEVT_SCROLL_THUMBRELEASE) {
    ScrollStripTo(*doc_, event.GetPosition() + 1);
  }
}

// --- commands -------------------------------------------------------------------------------

void CSnapstoreView::OnViewCommand(wxCommandEvent& event) { OnCommand(CommandOf(event.GetId())); }

bool CSnapstoreView::OnCommand(int command) {
  if (!doc_) return false;
  switch (command) {
    case CMD_SHOW_STRIP_SCROLLBAR:
      ShowScrollBar();
      break;
    case CMD_HIDE_STRIP_SCROLLBAR:
      if (scroll_bar_) scroll_bar_->Hide();
      break;
    case CMD_PLACE_STRIP_SCROLLBAR:
      if (scroll_bar_) PlaceScrollBar();
      break;
    case CMD_SET_STRIP_SCROLL_POSITION:
      if (scroll_bar_) scroll_bar_->SetThumbPosition(doc_->first_visible - 1);
      break;
    case CMD_REPAINT_CAPTION:
      paint_.caption_pressed = false;
      RefreshArea(paint_.caption_rect);
      break;
    case CMD_STRIP_PAGE_UP:
    case CMD_STRIP_PAGE_DOWN:
    case CMD_STRIP_HOME:
    case CMD_STRIP_END:
      if (StripShown(*doc_)) {
        const int steps[] = {kScrollPageUp, kScrollPageDown, kScrollHome, kScrollEnd};
        ScrollStrip(*doc_, steps[command - CMD_STRIP_PAGE_UP]);
      }
      break;
    case ID_COPY_TO_CLIPBOARD:
      CopyToClipboard();
      break;
    case ID_HELP_CONTENTS:
      ShowHelp();
      break;
    case ID_FILE_PRINT:
      printing_.Print(*doc_);
      break;
    case ID_FILE_PRINT_PREVIEW:
      printing_.Preview(*doc_);
      break;
    default:
      return false;
  }
  return true;
}

std::optional<CCommandUi> CSnapstoreView::CommandUi(int command) const {
  if (command == ID_COPY_TO_CLIPBOARD) return CCommandUi{doc_ && doc_->db.results.count() > 0};
  if (command == ID_HELP_CONTENTS) return CCommandUi{doc_ != nullptr};
  if (command == ID_FILE_PRINT || command == ID_FILE_PRINT_PREVIEW) {
    return CCommandUi{doc_ && printing_.CanStart(*doc_)};
  }
  return std::nullopt;
}

void CSnapstoreView::CopyToClipboard() {
  if (!wxTheClipboard->Open()) {
    doc_->front_end().ShowMessage(LoadString(IDS_CLIPBOARD_FAILED), MsgButtons::kOk,
                                  MsgIcon::kWarning);
    return;
  }
  if (picture_.Ok()) {
    wxTheClipboard->Clear();
    wxTheClipboard->SetData(new wxBitmapDataObject(wxBitmap(picture_.image())));
  }
  wxTheClipboard->Close();
}

void CSnapstoreView::ShowHelp() {
  const wxFileName book(ToWx(JoinPath(doc_->settings.InstallPath, kHelpBook)));
  if (wxDialog* dialog = ShownModalDialog()) {
    // Over a modal dialog the help is a modal dialog of its own, closed before the user goes
    // back: a help frame beside the dialog would not get its input under GTK, and would be
    // destroyed still holding the dialog's grab. It shows the topic with search and
    // bookmarks; the contents tree, laid out in a dialog, makes GTK complain as the index does.
    wxHtmlHelpController help((kHelpStyle & ~wxHF_CONTENTS) | wxHF_DIALOG | wxHF_MODAL, dialog);
    help.AddBook(book);
    help.Display(frame_->HelpTopic());
    return;
  }
  if (!help_) {
    help_ = std::make_unique<wxHtmlHelpController>(kHelpStyle, frame_);
    help_->AddBook(book);
  }
  help_->Display(frame_->HelpTopic());
}
