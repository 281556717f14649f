#include "ui/automation_ui.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/menu.h>
#include <wx/scrolbar.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/time.h>
#include <wx/toolbar.h>

#include <sstream>

#include "app/document.h"
#include "base/resource_ids.h"
#include "ui/automation_input_ui.h"
#include "ui/command_ids_ui.h"
#include "ui/main_frame_ui.h"
#include "ui/menu_builder_ui.h"
#include "ui/search_bar_ui.h"
#include "ui/snapstore_view_ui.h"
#include "ui/view_model.h"
#include "ui/wx_text_ui.h"

namespace {

constexpr int kTickMilliseconds = 50;

constexpr int kViewModeCommands[] = {ID_VIEW_MODE_1, ID_VIEW_MODE_2, ID_VIEW_MODE_3, ID_VIEW_MODE_4,
                                     ID_VIEW_MODE_5};

std::string RectText(const CRect& rect) {
  return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
         std::to_string(rect.right) + " " + std::to_string(rect.bottom);
}

// Sends a synthesised mouse event to the view, as the window system would.
void SendMouse(wxWindow* view, wxEventType type, int x, int y, const CModifiers& modifiers,
               int wheel_rotation = 0) {
  wxMouseEvent event(type);
  event.SetPosition(wxPoint(x, y));
  event.SetControlDown(modifiers.ctrl);
  event.SetShiftDown(modifiers.shift);
  event.SetAltDown(modifiers.alt);
  event.m_wheelRotation = wheel_rotation;
  event.m_wheelDelta = 120;
  event.m_linesPerAction = 3;
  event.SetEventObject(view);
  event.SetId(view->GetId());
  view->GetEventHandler()->ProcessEvent(event);
}

}  // namespace

CAutomation::CAutomation(CMainFrame& frame, const std::string& script_path,
                         const std::string& output_path)
    : frame_(frame), output_(output_path) {
  std::ifstream script(script_path);
  std::string line;
  while (std::getline(script, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    lines_.push_back(line);
  }
  if (!script.is_open()) Report("error: cannot read " + script_path);
  timer_.SetOwner(this);
  Bind(wxEVT_TIMER, &CAutomation::OnTick, this);
}

void CAutomation::Start() { timer_.StartOnce(kTickMilliseconds); }

void CAutomation::OnTick(wxTimerEvent&) {
  if (next_ >= lines_.size()) return;
  // The timer is armed again before the line runs: a line may open a context menu or a modal
  // dialog, and the next lines then run from inside its event loop.
  timer_.StartOnce(kTickMilliseconds);
  if (wxGetLocalTimeMillis() < resume_at_) return;
  // The index moves on before the line runs, for the same reason.
  const size_t index = next_++;
  if (!Run(lines_[index])) next_ = index;
}

bool CAutomation::Run(const std::string& line) {
  std::istringstream words(line);
  std::string verb;
  words >> verb;
  int number = 0;
  if (verb == "title") {
    Report("title: " + FromWx(frame_.GetTitle()));
  } else if (verb == "status" && words >> number) {
    wxStatusBar* bar = frame_.GetStatusBar();
    std::string text = bar && number >= 0 && number < bar->GetFieldsCount()
                           ? FromWx(bar->GetStatusText(number))
                           : std::string();
    Report("status " + std::to_string(number) + ": " + text);
  } else if (verb == "menu" && words >> number) {
    wxMenuBar* bar = frame_.GetMenuBar();
    bar->UpdateMenus();
    wxMenuItem* item = bar->FindItem(WxIdOf(number));
    if (!item) {
      Report("menu " + std::to_string(number) + ": missing");
      return true;
    }
    std::string state = item->IsEnabled() ? "enabled" : "disabled";
    if (item->IsCheckable() && item->IsChecked()) state += " checked";
    Report("menu " + std::to_string(number) + ": " + state + " " + ShownItemText(*item));
  } else if (verb == "frame") {
    const wxRect rect = frame_.GetRect();
    Report("frame: " + RectText({rect.x, rect.y, rect.x + rect.width, rect.y + rect.height}) +
           (frame_.IsMaximized() ? " maximised" : ""));
  } else if (verb == "view-mode") {
    wxMenuBar* bar = frame_.GetMenuBar();
    bar->UpdateMenus();
    std::string checked = "none";
    for (int command : kViewModeCommands) {
      wxMenuItem* item = bar->FindItem(WxIdOf(command));
      if (item && item->IsChecked()) checked = FromWx(item->GetItemLabelText());
    }
    Report("view-mode: " + checked);
  } else if (verb == "tool" && words >> number) {
    // The toolbar button pressed as a click presses it, when its command is enabled.
    wxToolBar* tools = frame_.GetToolBar();
    tools->UpdateWindowUI();
    if (!tools->FindById(WxIdOf(number)) || !tools->GetToolEnabled(WxIdOf(number))) {
      Report("tool " + std::to_string(number) + ": refused");
    } else {
      tools->OnLeftClick(WxIdOf(number), false);
    }
  } else if (verb == "command" && words >> number) {
    if (!frame_.ExecuteCommand(number)) Report("command " + std::to_string(number) + ": refused");
  } else if (verb == "sleep" && words >> number) {
    resume_at_ = wxGetLocalTimeMillis() + number;
  } else if (verb == "close") {
    timer_.Stop();
    frame_.Close();
  } else if (std::optional<bool> done = RunDialogLine(line, verb, words)) {
    return *done;
  } else if (std::optional<bool> printed = RunPrintLine(verb, words)) {
    return *printed;
  } else if (!RunViewLine(verb, words)) {
    Report("error: " + line);
  }
  return true;
}

bool CAutomation::RunViewLine(const std::string& verb, std::istringstream& words) {
  CSnapstoreView* view = frame_.view();
  const CSnapstoreDoc* doc = view ? view->document() : nullptr;
  if (!doc) return false;
  int x = 0, y = 0;
  if (verb == "strip") {
    std::string text = "strip: first " + std::to_string(doc->first_visible) + " current " +
                       std::to_string(doc->db.results.position()) + " count " +
                       std::to_string(doc->db.results.count());
    wxScrollBar* bar = view->strip_scroll_bar();
    if (bar && bar->IsShown()) {
      text += " scrollbar " + std::to_string(bar->GetThumbPosition()) + "/" +
              std::to_string(bar->GetRange()) + " page " + std::to_string(bar->GetPageSize());
    } else {
      text += " scrollbar hidden";
    }
    Report(text);
  } else if (verb == "cell" && words >> x) {
    const bool known = x >= 0 && static_cast<size_t>(x) < doc->visible_cells.size();
    Report("cell " + std::to_string(x) + ": " +
           (known ? RectText(doc->visible_cells[static_cast<size_t>(x)].rect) : "none"));
  } else if (verb == "caption") {
    Report("caption: " + RectText(view->CaptionRect()));
  } else if (verb == "view") {
    Report("view: " + std::to_string(doc->view_width) + " " + std::to_string(doc->view_height));
  } else if (verb == "pixel" && words >> x >> y) {
    view->Update();
    Report("pixel " + std::to_string(x) + " " + std::to_string(y) + ": " +
           ScreenColourText(view, x, y));
  } else if ((verb == "click" || verb == "dclick" || verb == "rclick" || verb == "move") &&
             words >> x >> y) {
    const CModifiers modifiers = ReadModifiers(words);
    const wxEventType type = verb == "click"    ? wxEVT_LEFT_DOWN
                             : verb == "dclick" ? wxEVT_LEFT_DCLICK
                             : verb == "rclick" ? wxEVT_RIGHT_DOWN
                                                : wxEVT_MOTION;
    if (type == wxEVT_LEFT_DCLICK) SendMouse(view, wxEVT_LEFT_DOWN, x, y, modifiers);
    SendMouse(view, type, x, y, modifiers);
  } else if (verb == "wheel") {
    std::string direction;
    words >> direction;
    SendMouse(view, wxEVT_MOUSEWHEEL, 0, 0, {}, direction == "down" ? -120 : 120);
  } else if (verb == "key") {
    std::string name;
    words >> name;
    const int code = KeyCodeOf(name);
    if (code == 0) return false;
    const CModifiers modifiers = ReadModifiers(words);
    wxKeyEvent event(wxEVT_KEY_DOWN);
    event.m_keyCode = code;
    event.SetControlDown(modifiers.ctrl);
    event.SetShiftDown(modifiers.shift);
    event.SetAltDown(modifiers.alt);
    event.SetEventObject(view);
    view->GetEventHandler()->ProcessEvent(event);
  } else if (verb == "type-search") {
    std::string text;
    std::getline(words >> std::ws, text);
    frame_.search_bar()->text_field()->SetValue(ToWx(text));
  } else if (verb == "search-bar") {
    Report("search-bar: " + frame_.search_bar()->Words() + "|" + frame_.search_bar()->Category());
  } else if (verb == "context-menu") {
    for (const std::string& item : view->LastContextMenu())
      Report("context-menu: " + Escaped(item));
    view->CloseContextMenu();
  } else {
    return false;
  }
  return true;
}

void CAutomation::Report(const std::string& text) {
  output_ << text << '\n';
  output_.flush();
}
