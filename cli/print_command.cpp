// snapstore-cli print: the archiver's printing into a PDF file, with the "Printing" dialog's
// choices as options.
#include <CLI/CLI.hpp>

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "base/string_printf.h"
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_index.h"
#include "cli/pdf_print.h"
#include "publish/print_dialog_model.h"
#include "publish/print_job.h"

namespace {

constexpr const char* kPrintDetails =
    "Prints pictures of the index's result list (as the archiver left it, or the last search)\n"
    "into a PDF file, as the archiver's \"Printing\" dialog does: 1, 2 or 4 pictures to a page\n"
    "(the last choice made in the archiver unless --per-page says), the current picture or\n"
    "the marked ones (the marked ones when any is marked, unless --current says). Each picture\n"
    "is turned to the orientation of its place on the page and scaled to fill it. A picture on\n"
    "a medium that is away is asked for, and the command line answers Cancel, which ends the\n"
    "job. Paper: A4 unless --paper says. Nothing but the PDF file is written.";
constexpr const char* kMsgNoneMarked = "No picture of the result list is marked.";
constexpr const char* kMsgNothingToPrint = "There is no picture to print.";
constexpr const char* kMsgPrintEndedFormat = "Printing was ended; %s was not written.";
constexpr const char* kMsgPdfNotWrittenFormat = "The file %s could not be written (%s).";

// The options of the command line, set over the dialog's presets.
struct CPrintOptions {
  std::string index;
  std::string pdf;
  std::string per_page;  // "1", "2" or "4"; empty: the preset
  bool current = false;
  bool selected = false;
  std::string paper = "a4";
};

int PrintModeOf(const std::string& per_page) {
  return per_page == "4"   ? kPrintFourPerPage
         : per_page == "2" ? kPrintTwoPerPage
                           : kPrintOnePerPage;
}

int RunPrint(const CPrintOptions& options, std::ostream& out, std::ostream& err) {
  CCliSession session(out, err);
  if (!session.Open(options.index)) return kExitRefused;
  CSnapstoreDoc& doc = session.doc();
  CConsoleFrontEnd& console = session.console();

  CPrintDlgModel model(doc.settings.PrintMode, doc.db.results.AnySelected());
  if (!options.per_page.empty()) model.print_mode = PrintModeOf(options.per_page);
  if (options.current) model.selection = PrintSelection::kCurrentPicture;
  if (options.selected) model.selection = PrintSelection::kSelected;
  int status = kExitRefused;
  if (!model.Accept()) {
    Say(console, kMsgNoneMarked);
  } else {
    CPrintJob job(doc.index_path, BuildPrintList(doc.db, model.selection), model.print_mode,
                  doc.finder, console);
    std::string error;
    if (job.PageCount() == 0) {
      Say(console, kMsgNothingToPrint);
    } else {
      switch (PrintJobToPdf(job, options.pdf, *PaperNamed(options.paper), error)) {
        case PdfPrintResult::kWritten:
          status = kExitOk;
          break;
        case PdfPrintResult::kJobEnded:
          Say(console, StringPrintf(kMsgPrintEndedFormat, options.pdf.c_str()));
          break;
        case PdfPrintResult::kFailed:
          Say(console, StringPrintf(kMsgPdfNotWrittenFormat, options.pdf.c_str(), error.c_str()));
          break;
      }
    }
  }
  // A reading command: the index's state files stay as they were.
  doc.Abandon();
  return status;
}

}  // namespace

CCliCommand DeclarePrint(CLI::App& cli) {
  auto options = std::make_shared<CPrintOptions>();
  CLI::App& command = DeclareCommand(
      cli, "print", "print pictures of the result list into a PDF file", kPrintDetails);
  AddIndexArgument(command, options->index);
  command.add_option("FILE.pdf", options->pdf, "the PDF file to write")->required()->type_name("");
  const CLI::Validator per_page(
      [](const std::string& value) {
        return value == "1" || value == "2" || value == "4" ? std::string() : "takes 1, 2 or 4";
      },
      "");
  command.add_option("--per-page", options->per_page, "pictures on a page")
      ->type_name("1|2|4")
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
      ->check(per_page);
  // Each of the two modes may be given once, and not both.
  CLI::Option* current = command.add_flag("--current", options->current, "the current picture")
                             ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  command.add_flag("--selected", options->selected, "the marked pictures")
      ->multi_option_policy(CLI::MultiOptionPolicy::Throw)
      ->excludes(current);
  const CLI::Validator paper(
      [](const std::string& value) {
        return PaperNamed(value) ? std::string() : "takes a4 or letter";
      },
      "");
  command.add_option("--paper", options->paper, "the paper size (default a4)")
      ->type_name("a4|letter")
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
      ->check(paper);
  return {&command,
          [options](std::ostream& out, std::ostream& err) { return RunPrint(*options, out, err); }};
}
