#include "ui/main_frame_ui.h"

#include <wx/display.h>
#include <wx/icon.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include <algorithm>
#include <functional>

#include "base/resource_ids.h"
#include "base/string_printf.h"
#include "base/string_table.h"
#include "ui/about_dialog_ui.h"
#include "ui/command_ids_ui.h"
#include "ui/data_image_ui.h"
#include "ui/menu_builder_ui.h"
#include "ui/menu_layout.h"
#include "ui/search_bar_ui.h"
#include "ui/snapstore_view_ui.h"
#include "ui/toolbar_layout.h"
#include "ui/window_placement.h"
#include "ui/wx_text_ui.h"

namespace {

// Status-bar panes: message, record (120 pixels), picture (at least 400 pixels in a window of
// the default size, taking what the window has more), then the CAP, NUM and SCRL key
// indicators.
constexpr int kStatusPanes = 6;
constexpr int kPaneWidths[kStatusPanes] = {260, 120, -1, 40, 40, 40};
constexpr int kCapsPane = 3;
constexpr int kKeyIndicatorMilliseconds = 500;

// The program's icon, drawn for it, in its data folder.
constexpr const char* kWindowIcon = "albumcraft.png";
constexpr int kWindowIconSize = 128;

// The commands the frame takes while a long operation runs: help, and Exit (which aborts).
bool TakenWhileBusy(int command) { return command == ID_HELP_CONTENTS || command == ID_APP_EXIT; }

}  // namespace

CMainFrame::CMainFrame(std::optional<CSettingsFile> settings)
    : wxFrame(nullptr, wxID_ANY, wxString()), settings_(std::move(settings)) {
  SetTitleText("");
  wxIcon icon;
  icon.CopyFromBitmap(DataBitmap(kWindowIcon, kWindowIconSize));
  SetIcon(icon);
  CreateMenus();
  CreateTools();
  CreateStatusPanes();
  search_bar_ = new CSearchBar(this);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(search_bar_, 0, wxEXPAND);
  SetSizer(sizer);
  for (int command : {IDC_SEARCH_FIND, IDC_SEARCH_CLEAR}) {
    Bind(wxEVT_BUTTON, &CMainFrame::OnMenu, this, WxIdOf(command));
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateMenu, this, WxIdOf(command));
  }

  SetSize(FromDIP(wxSize(1024, 720)));
  normal_rect_ = GetRect();
  RestorePlacement();
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    RememberNormalRect();
    event.Skip();
  });
  Bind(wxEVT_MOVE, [this](wxMoveEvent& event) {
    RememberNormalRect();
    event.Skip();
  });
  Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);
  // The key indicators follow the keyboard's lock states, which change without events here.
  key_timer_.SetOwner(this);
  Bind(
      wxEVT_TIMER, [this](wxTimerEvent&) { UpdateKeyIndicators(); }, key_timer_.GetId());
  key_timer_.Start(kKeyIndicatorMilliseconds);
}

void CMainFrame::SetView(CSnapstoreView* view) {
  view_ = view;
  GetSizer()->Add(view, 1, wxEXPAND);
  Layout();
}

void CMainFrame::AddCommandTarget(CCommandTarget* target) { targets_.push_back(target); }

bool CMainFrame::ExecuteCommand(int command) {
  if (IsBusy() && !TakenWhileBusy(command)) return false;
  if (command == ID_APP_EXIT) {
    Close();
    return true;
  }
  if (command == ID_APP_ABOUT) {
    CAboutDlg(this).ShowModal();
    return true;
  }
  for (CCommandTarget* target : targets_) {
    auto ui = target->CommandUi(command);
    if (ui && !ui->enabled) return false;
    if (target->OnCommand(command)) return true;
  }
  return false;
}

std::optional<CCommandUi> CMainFrame::CommandState(int command) const {
  std::optional<CCommandUi> ui;
  if (command == ID_APP_EXIT || command == ID_APP_ABOUT) ui = CCommandUi{};
  for (auto target = targets_.begin(); !ui && target != targets_.end(); ++target) {
    ui = (*target)->CommandUi(command);
  }
  if (ui && IsBusy() && !TakenWhileBusy(command)) ui->enabled = false;
  return ui;
}

void CMainFrame::BeginBusy(std::function<void()> abort) { abort_busy_ = std::move(abort); }

void CMainFrame::EndBusy() { abort_busy_ = nullptr; }

void CMainFrame::SetTitleText(const std::string& title_text) {
  const wxString title = ToWx(StringPrintf(kArchiverTitleFormat, title_text.c_str()));
  if (GetTitle() != title) SetTitle(title);
}

void CMainFrame::SendToDescendants(int command) {
  std::function<void(wxWindow*)> send = [&](wxWindow* window) {
    for (wxWindow* child : window->GetChildren()) {
      wxCommandEvent event(wxEVT_MENU, WxIdOf(command));
      event.SetEventObject(this);
      child->GetEventHandler()->ProcessEventLocally(event);
      send(child);
    }
  };
  send(this);
}

void CMainFrame::UpdateViews(int hint) {
  if (view_) view_->OnUpdate(hint);
}

void CMainFrame::SetCategoryChoices(const std::vector<std::string>& choices) {
  category_choices_ = choices;
  search_bar_->SetCategoryChoices(choices);
}

void CMainFrame::AddCategoryChoice(const std::string& choice) {
  category_choices_.push_back(choice);
  search_bar_->AddCategoryChoice(choice);
}

void CMainFrame::BindCommand(int command) {
  if (std::find(bound_commands_.begin(), bound_commands_.end(), command) != bound_commands_.end()) {
    return;
  }
  bound_commands_.push_back(command);
  Bind(wxEVT_MENU, &CMainFrame::OnMenu, this, WxIdOf(command));
  Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateMenu, this, WxIdOf(command));
}

void CMainFrame::CreateMenus() {
  auto* bar = new wxMenuBar;
  for (const CMenuEntry& popup : ArchiverMenuBar()) {
    bar->Append(BuildMenu(popup.children), ToWx(popup.text));
  }
  SetMenuBar(bar);
  // The view's context menus send their commands to the main window too.
  std::vector<CMenuEntry> menus = ArchiverMenuBar();
  menus.push_back(ThumbnailContextMenu());
  menus.push_back(PictureContextMenu());
  ForEachMenuItem(menus, [&](const CMenuEntry& item) { BindCommand(item.command); });
}

void CMainFrame::CreateTools() {
  wxToolBar* tools = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT);
  tools->SetToolBitmapSize(wxSize(kToolbarIconSize, kToolbarIconSize));
  for (const CToolbarButton& button : ArchiverToolbar()) {
    if (button.IsSeparator()) {
      tools->AddSeparator();
      continue;
    }
    tools->AddTool(WxIdOf(button.command), ToWx(button.tooltip),
                   DataBitmap(button.icon, kToolbarIconSize), ToWx(button.tooltip),
                   button.checkable ? wxITEM_CHECK : wxITEM_NORMAL);
    tools->SetToolLongHelp(WxIdOf(button.command), ToWx(button.flyby));
    BindCommand(button.command);
  }
  tools->Realize();
  SetStatusBarPane(STATUS_PANE_MESSAGE);  // fly-by texts go to the message pane
}

void CMainFrame::CreateStatusPanes() {
  wxStatusBar* bar = CreateStatusBar(kStatusPanes);
  bar->SetStatusWidths(kStatusPanes, kPaneWidths);
  UpdateKeyIndicators();
}

void CMainFrame::RestorePlacement() {
  if (!settings_) return;
  const std::optional<CWindowPlacement> placement =
      ParseWindowPlacement(settings_->ReadString(kWindowPlacementKey, ""));
  if (!placement || placement->normal.Width() <= 0 || placement->normal.Height() <= 0) return;
  const CRect& r = placement->normal;
  wxRect rect(r.left, r.top, r.Width(), r.Height());
  // A rectangle on a screen that is no longer there keeps its size, on the main screen.
  if (wxDisplay::GetFromPoint(wxPoint(rect.x + rect.width / 2, rect.y + 10)) == wxNOT_FOUND) {
    const wxRect screen = wxDisplay().GetClientArea();
    wxSize size = rect.GetSize();
    size.DecTo(screen.GetSize());
    rect.SetSize(size);
    rect = rect.CentreIn(screen);
  }
  SetSize(rect);
  normal_rect_ = rect;
  // A window closed minimised opens as it was before: normal or maximised.
  if (placement->show_command == kShowMaximised || (placement->flags & kRestoreToMaximised)) {
    Maximize();
  }
}

void CMainFrame::RememberNormalRect() {
  if (!IsMaximized() && !IsIconized() && IsShown()) normal_rect_ = GetRect();
}

std::string CMainFrame::PlacementText() const {
  CWindowPlacement placement;
  placement.show_command = IsIconized()    ? kShowMinimised
                           : IsMaximized() ? kShowMaximised
                                           : kShowNormal;
  if (IsIconized() && IsMaximized()) placement.flags = kRestoreToMaximised;
  const wxRect rect = IsMaximized() || IsIconized() ? normal_rect_ : GetRect();
  placement.normal = {rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
  return FormatWindowPlacement(placement);
}

void CMainFrame::OnClose(wxCloseEvent& event) {
  if (IsBusy() && event.CanVeto()) {
    // The operation stops after its current step; the window closes when asked again.
    abort_busy_();
    event.Veto();
    return;
  }
  if (settings_) settings_->WriteString(kWindowPlacementKey, PlacementText());
  key_timer_.Stop();
  if (close_action_) close_action_();
  event.Skip();
}

void CMainFrame::OnMenu(wxCommandEvent& event) {
  if (!ExecuteCommand(CommandOf(event.GetId()))) event.Skip();
}

void CMainFrame::OnUpdateMenu(wxUpdateUIEvent& event) {
  auto ui = CommandState(CommandOf(event.GetId()));
  event.Enable(ui && ui->enabled);
  if (ui && event.IsCheckable()) event.Check(ui->checked);
}

void CMainFrame::UpdateKeyIndicators() {
  wxStatusBar* bar = GetStatusBar();
  if (!bar) return;
  const std::pair<wxKeyCode, const char*> keys[] = {
      {WXK_CAPITAL, "CAP"}, {WXK_NUMLOCK, "NUM"}, {WXK_SCROLL, "SCRL"}};
  for (int i = 0; i < 3; ++i) {
    wxString text = wxGetKeyState(keys[i].first) ? keys[i].second : "";
    if (bar->GetStatusText(kCapsPane + i) != text) bar->SetStatusText(text, kCapsPane + i);
  }
}
