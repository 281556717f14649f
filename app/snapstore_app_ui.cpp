// CSnapstoreApp, the archiver's application object: creates the main window and the front
// end, and runs an automation script when one is given.
#include <wx/app.h>

#include <memory>
#include <string>

#include "ui/assert_handler_ui.h"
#include "ui/automation_ui.h"
#include "ui/front_end_ui.h"
#include "ui/main_frame_ui.h"

class CSnapstoreApp : public wxApp {
 public:
  bool OnInit() override;
  int OnExit() override;

 private:
  std::unique_ptr<CWxFrontEnd> front_end_;
  std::unique_ptr<CAutomation> automation_;
};

wxIMPLEMENT_APP(CSnapstoreApp);

bool CSnapstoreApp::OnInit() {
  InstallLoggingAssertHandler();
  SetAppName("Albumcraft");

  std::string script, output;
  for (int i = 1; i < argc; ++i) {
    if (argv[i] == "--automation" && i + 2 < argc) {
      script = argv[i + 1].utf8_string();
      output = argv[i + 2].utf8_string();
      i += 2;
    }
  }

  auto* frame = new CMainFrame;
  front_end_ = std::make_unique<CWxFrontEnd>(*frame);
  frame->Show();
  if (!script.empty()) {
    automation_ = std::make_unique<CAutomation>(*frame, script, output);
    automation_->Start();
  }
  return true;
}

int CSnapstoreApp::OnExit() {
  automation_.reset();
  front_end_.reset();
  return wxApp::OnExit();
}
