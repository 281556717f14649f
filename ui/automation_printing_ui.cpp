// The automation's lines about printing: the PDF file the next print goes to, and the print
// preview window.
#include <wx/print.h>
#include <wx/time.h>

#include "ui/automation_ui.h"
#include "ui/main_frame_ui.h"
#include "ui/snapstore_view_ui.h"

namespace {

constexpr int kPrintWaitMilliseconds = 10000;

wxPrintPreviewBase* PreviewOf(wxPreviewFrame* frame) {
  return frame && frame->GetControlBar() ? frame->GetControlBar()->GetPrintPreview() : nullptr;
}

}  // namespace

std::optional<bool> CAutomation::RunPrintLine(const std::string& verb, std::istringstream& words) {
  CSnapstoreView* view = frame_.view();
  if (!view) return std::nullopt;
  CViewPrinting& printing = view->printing();
  wxPrintPreviewBase* preview = PreviewOf(printing.preview_frame());
  int page = 0;
  if (verb == "print-to-file") {
    std::string path;
    std::getline(words >> std::ws, path);
    if (path.empty()) return std::nullopt;
    printing.PrintNextToFile(path);
  } else if (verb == "wait-print") {
    if (!printing.JobRunning()) {
      wait_until_ = 0;
      return true;
    }
    if (wait_until_ == 0) wait_until_ = wxGetLocalTimeMillis() + kPrintWaitMilliseconds;
    if (wxGetLocalTimeMillis() < wait_until_) return false;
    wait_until_ = 0;
    Report("error: the print job did not end");
  } else if (verb == "preview") {
    // The page is drawn now if the preview has not drawn it yet (it does so when idle): the
    // page count is known from then on.
    if (preview && preview->UpdatePageRendering() && preview->GetCanvas()) {
      preview->GetCanvas()->Refresh();
    }
    Report("preview: " + (preview ? "page " + std::to_string(preview->GetCurrentPage()) + " of " +
                                        std::to_string(preview->GetMaxPage())
                                  : std::string("none")));
  } else if (verb == "preview-page" && preview && words >> page) {
    preview->SetCurrentPage(page);
  } else if (verb == "close-preview" && preview) {
    printing.preview_frame()->Close();
  } else {
    return std::nullopt;
  }
  return true;
}
