#include "ui/main_frame_ui.h"

#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/utils.h>

#include <cstdio>
#include <functional>

#include "app/resource_ids.h"
#include "app/string_table.h"
#include "store/string_printf.h"
#include "ui/command_ids_ui.h"
#include "ui/menu_layout.h"
#include "ui/wx_text_ui.h"

namespace {

// Status-bar panes: message, record, picture, then the CAP, NUM and SCRL key indicators.
constexpr int kStatusPanes = 6;
constexpr int kPaneWidths[kStatusPanes] = {-1, 120, -2, 40, 40, 40};
constexpr int kCapsPane = 3;

wxMenu* BuildMenu(const std::vector<CMenuEntry>& entries) {
  auto* menu = new wxMenu;
  for (const CMenuEntry& entry : entries) {
    switch (entry.kind) {
      case CMenuEntry::Kind::kSeparator:
        menu->AppendSeparator();
        break;
      case CMenuEntry::Kind::kPopup:
        menu->AppendSubMenu(BuildMenu(entry.children), ToWx(entry.text));
        break;
      case CMenuEntry::Kind::kItem:
        menu->Append(WxIdOf(entry.command), ToWx(entry.text), wxString(),
                     entry.checkable ? wxITEM_CHECK : wxITEM_NORMAL);
        break;
    }
  }
  return menu;
}

}  // namespace

CMainFrame::CMainFrame() : wxFrame(nullptr, wxID_ANY, wxString()) {
  SetTitleText("");
  CreateMenus();
  CreateStatusPanes();
  SetSize(FromDIP(wxSize(1024, 720)));
  // The key indicators follow the keyboard's lock states, which change without events here.
  key_timer_.SetOwner(this);
  Bind(
      wxEVT_TIMER, [this](wxTimerEvent&) { UpdateKeyIndicators(); }, key_timer_.GetId());
  key_timer_.Start(500);
}

void CMainFrame::AddCommandTarget(CCommandTarget* target) { targets_.push_back(target); }

bool CMainFrame::ExecuteCommand(int command) {
  if (command == ID_APP_EXIT) {
    Close();
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
  if (command == ID_APP_EXIT) return CCommandUi{};
  for (const CCommandTarget* target : targets_) {
    if (auto ui = target->CommandUi(command)) return ui;
  }
  return std::nullopt;
}

void CMainFrame::SetTitleText(const std::string& title_text) {
  SetTitle(ToWx(StringPrintf(kArchiverTitleFormat, title_text.c_str())));
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
  if (view_updater_) view_updater_(hint);
  Refresh();
}

void CMainFrame::SetCategoryChoices(const std::vector<std::string>& choices) {
  category_choices_ = choices;
}

void CMainFrame::CreateMenus() {
  auto* bar = new wxMenuBar;
  for (const CMenuEntry& popup : ArchiverMenuBar()) {
    bar->Append(BuildMenu(popup.children), ToWx(popup.text));
  }
  SetMenuBar(bar);
  ForEachMenuItem(ArchiverMenuBar(), [&](const CMenuEntry& item) {
    Bind(wxEVT_MENU, &CMainFrame::OnMenu, this, WxIdOf(item.command));
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateMenu, this, WxIdOf(item.command));
  });
}

void CMainFrame::CreateStatusPanes() {
  wxStatusBar* bar = CreateStatusBar(kStatusPanes);
  bar->SetStatusWidths(kStatusPanes, kPaneWidths);
  UpdateKeyIndicators();
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
