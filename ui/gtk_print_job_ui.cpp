#include "ui/gtk_print_job_ui.h"

#include <gtk/gtk.h>
#include <wx/cmndata.h>
#include <wx/gtk/print.h>
#include <wx/log.h>
#include <wx/print.h>

#include <cstdio>

namespace {

wxGtkPrintNativeData* NativeData(wxPrintDialogData& data) {
  return static_cast<wxGtkPrintNativeData*>(data.GetPrintData().GetNativeData());
}

// What GTK's signals need to reach wx's printer; wx's own print call connects the same.
struct CPrintCall {
  wxGtkPrinter* printer;
  wxPrintout* printout;
};

void OnBeginPrint(GtkPrintOperation* operation, GtkPrintContext* context, gpointer call) {
  auto* c = static_cast<CPrintCall*>(call);
  c->printer->BeginPrint(c->printout, operation, context);
}

void OnDrawPage(GtkPrintOperation* operation, GtkPrintContext* context, gint page, gpointer call) {
  auto* c = static_cast<CPrintCall*>(call);
  c->printer->DrawPage(c->printout, operation, context, page);
}

void OnEndPrint(GtkPrintOperation*, GtkPrintContext*, gpointer call) {
  static_cast<CPrintCall*>(call)->printout->OnEndPrinting();
}

// The page setup GTK's dialog would hand on: the paper and orientation of the settings.
GtkPageSetup* PageSetupOf(GtkPrintSettings* settings) {
  GtkPageSetup* setup = gtk_page_setup_new();
  if (GtkPaperSize* paper = gtk_print_settings_get_paper_size(settings)) {
    gtk_page_setup_set_paper_size(setup, paper);
    gtk_paper_size_free(paper);
  }
  gtk_page_setup_set_orientation(setup, gtk_print_settings_get_orientation(settings));
  return setup;
}

}  // namespace

bool PrintToPdfFile(wxPrintDialogData& data, wxPrintout& printout, const std::string& path) {
  data.GetPrintData().ConvertToNative();
  wxGtkPrintNativeData* native = NativeData(data);
  GtkPrintSettings* settings = native->GetPrintConfig();
  GtkPrintOperation* operation = gtk_print_operation_new();
  gtk_print_operation_set_print_settings(operation, settings);
  GtkPageSetup* setup = PageSetupOf(settings);
  gtk_print_operation_set_default_page_setup(operation, setup);
  g_object_unref(setup);
  gtk_print_operation_set_export_filename(operation, path.c_str());

  wxGtkPrinter printer(&data);
  CPrintCall call{&printer, &printout};
  g_signal_connect(operation, "begin-print", G_CALLBACK(OnBeginPrint), &call);
  g_signal_connect(operation, "draw-page", G_CALLBACK(OnDrawPage), &call);
  g_signal_connect(operation, "end-print", G_CALLBACK(OnEndPrint), &call);
  native->SetPrintJob(operation);
  GError* error = nullptr;
  const GtkPrintOperationResult result =
      gtk_print_operation_run(operation, GTK_PRINT_OPERATION_ACTION_EXPORT, nullptr, &error);
  native->SetPrintJob(nullptr);
  // wx's printer made the page DC for the printout; its own print call deletes it likewise.
  delete printout.GetDC();
  printout.SetDC(nullptr);
  g_object_unref(operation);
  if (result == GTK_PRINT_OPERATION_RESULT_ERROR) {
    // Reported as wx reports its own print operation's errors.
    wxLogError("Error while printing: %s", error ? error->message : "???");
  }
  if (error) g_error_free(error);
  // A job ended before its last page leaves no file, as it would leave no printed pages.
  if (result != GTK_PRINT_OPERATION_RESULT_APPLY) std::remove(path.c_str());
  return result == GTK_PRINT_OPERATION_RESULT_APPLY;
}

void CancelRunningPrint(wxPrintDialogData& data) {
  if (GtkPrintOperation* operation = NativeData(data)->GetPrintJob()) {
    gtk_print_operation_cancel(operation);
  }
}
