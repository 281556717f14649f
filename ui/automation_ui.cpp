#include "ui/automation_ui.h"

#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/time.h>

#include <sstream>

#include "ui/command_ids_ui.h"
#include "ui/main_frame_ui.h"
#include "ui/wx_text_ui.h"

namespace {
constexpr int kTickMilliseconds = 50;
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

void CAutomation::Start() { timer_.Start(kTickMilliseconds); }

void CAutomation::OnTick(wxTimerEvent&) {
  if (next_ >= lines_.size()) {
    timer_.Stop();
    return;
  }
  if (wxGetLocalTimeMillis() < resume_at_) return;
  // The index moves on before the line runs: a command may open a modal dialog, and the
  // next lines then run from inside the dialog's event loop.
  const std::string line = lines_[next_++];
  Run(line);
}

void CAutomation::Run(const std::string& line) {
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
      return;
    }
    std::string state = item->IsEnabled() ? "enabled" : "disabled";
    if (item->IsCheckable() && item->IsChecked()) state += " checked";
    Report("menu " + std::to_string(number) + ": " + state + " " + FromWx(item->GetItemLabel()));
  } else if (verb == "command" && words >> number) {
    if (!frame_.ExecuteCommand(number)) Report("command " + std::to_string(number) + ": refused");
  } else if (verb == "sleep" && words >> number) {
    resume_at_ = wxGetLocalTimeMillis() + number;
  } else if (verb == "close") {
    timer_.Stop();
    frame_.Close();
  } else {
    Report("error: " + line);
  }
}

void CAutomation::Report(const std::string& text) {
  output_ << text << '\n';
  output_.flush();
}
