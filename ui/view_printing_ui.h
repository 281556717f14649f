// CViewPrinting: the main view's "&Print..." and "Print Pre&view". Each runs the "Printing"
// dialog, which makes a print job of the document's result list; "&Print..." then prints the
// job through GTK's print dialog (which offers printing to a PDF file), "Print Pre&view" shows
// it in wx's preview window, from which it can be printed too, until that window closes. The
// pages are drawn by the main view's painter. After the job the document's current record is
// read again and the views show it anew.
#pragma once

#include <wx/cmndata.h>

#include <memory>
#include <optional>
#include <string>

class CGraphics;
class CMainFrame;
class CPrintJob;
class CSnapstoreDoc;
class wxPreviewFrame;

class CViewPrinting {
 public:
  // The frame must outlive the object.
  explicit CViewPrinting(CMainFrame& frame);
  ~CViewPrinting();
  CViewPrinting(const CViewPrinting&) = delete;
  CViewPrinting& operator=(const CViewPrinting&) = delete;

  // "&Print...": the "Printing" dialog, then GTK's print dialog; returns when the job is done.
  void Print(CSnapstoreDoc& doc);
  // "Print Pre&view": the "Printing" dialog, then the preview window, which stays open over
  // the disabled main window; the job ends when it closes.
  void Preview(CSnapstoreDoc& doc);
  // Whether a job can start: the result list has a picture and no job runs.
  bool CanStart(const CSnapstoreDoc& doc) const;
  // A job runs: it is being printed, or the preview shows it.
  bool JobRunning() const { return job_ != nullptr; }

  // The next "&Print..." prints into the PDF file `path` on A4 paper, upright, without GTK's
  // dialog (the automation prints for real this way).
  void PrintNextToFile(const std::string& path);
  // The preview window on screen; null when none is.
  wxPreviewFrame* preview_frame() const { return preview_; }
  // The document goes: an open preview closes, and its job ends without touching the document.
  void Abandon();

 private:
  // The "Printing" dialog and the job it asks for; nothing on Cancel or with nothing to print.
  std::unique_ptr<CPrintJob> PrepareJob(CSnapstoreDoc& doc);
  void FinishJob();

  CMainFrame& frame_;
  wxPrintDialogData print_data_;  // kept from job to job: the choices of GTK's dialog
  std::optional<std::string> pdf_path_;
  std::unique_ptr<CGraphics> graphics_;
  std::unique_ptr<CPrintJob> job_;
  CSnapstoreDoc* doc_ = nullptr;  // the document of the running job
  wxPreviewFrame* preview_ = nullptr;
};
