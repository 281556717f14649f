#include "ui/view_printing_ui.h"

#include <wx/print.h>

#include "app/document.h"
#include "base/resource_ids.h"
#include "publish/print_dialog_model.h"
#include "publish/print_job.h"
#include "ui/graphics_ui.h"
#include "ui/gtk_print_job_ui.h"
#include "ui/main_frame_ui.h"
#include "ui/picture_printout_ui.h"

namespace {

constexpr const char* kPreviewTitle = "Print Preview";

}  // namespace

CViewPrinting::CViewPrinting(CMainFrame& frame) : frame_(frame) {}

CViewPrinting::~CViewPrinting() { Abandon(); }

bool CViewPrinting::CanStart(const CSnapstoreDoc& doc) const {
  return !job_ && doc.db.results.count() > 0;
}

void CViewPrinting::PrintNextToFile(const std::string& path) {
  pdf_path_ = path;
  print_data_.GetPrintData().SetPaperId(wxPAPER_A4);
  print_data_.GetPrintData().SetOrientation(wxPORTRAIT);
}

std::unique_ptr<CPrintJob> CViewPrinting::PrepareJob(CSnapstoreDoc& doc) {
  if (!CanStart(doc)) return nullptr;
  CPrintDlgModel model(doc.settings.PrintMode, doc.db.results.AnySelected());
  const int topic = frame_.HelpTopic();
  frame_.SetHelpTopic(HELP_TOPIC_PRINTING);
  const bool accepted = doc.front_end().RunDialog(model);
  frame_.SetHelpTopic(topic);
  if (!accepted) return nullptr;
  doc.settings.PrintMode = model.print_mode;
  auto job = std::make_unique<CPrintJob>(doc.index_path, BuildPrintList(doc.db, model.selection),
                                         model.print_mode, doc.finder, doc.front_end());
  if (job->PageCount() == 0) return nullptr;
  graphics_ = std::make_unique<CGraphics>(doc.settings.ThumbFontSize, doc.settings.CapFontSize);
  doc_ = &doc;
  return job;
}

void CViewPrinting::Print(CSnapstoreDoc& doc) {
  job_ = PrepareJob(doc);
  if (!job_) return;
  {
    CPicturePrintout printout(*job_, *graphics_, [this] { CancelRunningPrint(print_data_); });
    if (pdf_path_) {
      const std::string path = *pdf_path_;
      pdf_path_.reset();
      PrintToPdfFile(print_data_, printout, path);
    } else {
      wxPrinter printer(&print_data_);
      // The choices made in GTK's dialog are kept for the next job.
      if (printer.Print(&frame_, &printout, true)) print_data_ = printer.GetPrintDialogData();
    }
  }
  FinishJob();
}

void CViewPrinting::Preview(CSnapstoreDoc& doc) {
  job_ = PrepareJob(doc);
  if (!job_) return;
  // Ending the job at an insert-medium request closes the preview; printing from the preview
  // stops as printing does.
  auto* preview = new wxPrintPreview(
      new CPicturePrintout(*job_, *graphics_,
                           [this] {
                             frame_.CallAfter([this] {
                               if (preview_) preview_->Close(true);
                             });
                           }),
      new CPicturePrintout(*job_, *graphics_, [this] { CancelRunningPrint(print_data_); }),
      &print_data_);
  if (!preview->IsOk()) {
    delete preview;
    FinishJob();
    return;
  }
  // Over the main window, as large.
  preview_ =
      new wxPreviewFrame(preview, &frame_, kPreviewTitle, frame_.GetPosition(), frame_.GetSize());
  // The preview window deletes the preview with its printouts as it closes; the job goes
  // after that.
  preview_->Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
    event.Skip();
    preview_ = nullptr;
    frame_.CallAfter([this] { FinishJob(); });
  });
  // Destroyed along with the main window, it is not closed first.
  preview_->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
    if (event.GetEventObject() == preview_) preview_ = nullptr;
    event.Skip();
  });
  preview_->Initialize();
  preview_->Show();
}

void CViewPrinting::FinishJob() {
  if (preview_) return;  // the preview still shows the job
  job_.reset();
  if (!doc_) return;
  CSnapstoreDoc& doc = *doc_;
  doc_ = nullptr;
  doc.db.ReloadCurrent();
  doc.picture_changed = true;
  doc.front_end().UpdateViews(kHintAll);
}

void CViewPrinting::Abandon() {
  doc_ = nullptr;
  if (preview_) preview_->Close(true);
  preview_ = nullptr;
  job_.reset();
}
