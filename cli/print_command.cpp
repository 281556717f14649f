// snapstore-cli print: the archiver's printing into a PDF file, with the "Printing" dialog's
// choices as options.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_index.h"
#include "cli/pdf_print.h"
#include "publish/print_dialog_model.h"
#include "publish/print_job.h"
#include "store/string_printf.h"

namespace {

constexpr const char* kPrintUsage =
    "Usage: snapstore-cli print INDEX.acx FILE.pdf [--per-page 1|2|4] [--current | --selected]\n"
    "                          [--paper a4|letter]\n"
    "\n"
    "Prints pictures of the index's result list (as the archiver left it, or the last search)\n"
    "into a PDF file, as the archiver's \"Printing\" dialog does: 1, 2 or 4 pictures to a page\n"
    "(the last choice made in the archiver unless --per-page says), the current picture or\n"
    "the marked ones (the marked ones when any is marked, unless --current says). Each picture\n"
    "is turned to the orientation of its place on the page and scaled to fill it. A picture on\n"
    "a medium that is away is asked for, and the command line answers Cancel, which ends the\n"
    "job. Paper: A4 unless --paper says. Nothing but the PDF file is written.\n";
constexpr const char* kMsgNoneMarked = "No picture of the result list is marked.";
constexpr const char* kMsgNothingToPrint = "There is no picture to print.";
constexpr const char* kMsgPrintEndedFormat = "Printing was ended; %s was not written.";
constexpr const char* kMsgPdfNotWrittenFormat = "The file %s could not be written (%s).";

// The options of the command line, set over the dialog's presets.
struct CPrintOptions {
  std::string index;
  std::string pdf;
  int per_page = 0;  // 0: the preset
  std::optional<PrintSelection> selection;
  const CPaper* paper = PaperNamed("a4");
};

// The options, or nothing for bad usage.
std::optional<CPrintOptions> ParseOptions(const std::vector<std::string>& args) {
  CPrintOptions options;
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    const bool has_value = i + 1 < args.size();
    if (args[i] == "--per-page" && has_value) {
      const std::string& value = args[++i];
      if (value != "1" && value != "2" && value != "4") return std::nullopt;
      options.per_page = std::stoi(value);
    } else if (args[i] == "--current" || args[i] == "--selected") {
      if (options.selection) return std::nullopt;
      options.selection =
          args[i] == "--current" ? PrintSelection::kCurrentPicture : PrintSelection::kSelected;
    } else if (args[i] == "--paper" && has_value) {
      options.paper = PaperNamed(args[++i]);
      if (!options.paper) return std::nullopt;
    } else if (args[i].rfind("--", 0) == 0) {
      return std::nullopt;
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2) return std::nullopt;
  options.index = positional[0];
  options.pdf = positional[1];
  return options;
}

int PrintModeOf(int per_page) {
  return per_page == 4 ? kPrintFourPerPage : per_page == 2 ? kPrintTwoPerPage : kPrintOnePerPage;
}

}  // namespace

int RunPrint(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) return out << kPrintUsage, kExitOk;
  const std::optional<CPrintOptions> options = ParseOptions(args);
  if (!options) return err << kPrintUsage, kExitUsage;
  CCliSession session(out, err);
  if (!session.Open(options->index)) return kExitRefused;
  CSnapstoreDoc& doc = session.doc();
  CConsoleFrontEnd& console = session.console();

  CPrintDlgModel model(doc.settings.PrintMode, doc.db.AnySelected());
  if (options->per_page) model.print_mode = PrintModeOf(options->per_page);
  if (options->selection) model.selection = *options->selection;
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
      switch (PrintJobToPdf(job, options->pdf, *options->paper, error)) {
        case PdfPrintResult::kWritten:
          status = kExitOk;
          break;
        case PdfPrintResult::kJobEnded:
          Say(console, StringPrintf(kMsgPrintEndedFormat, options->pdf.c_str()));
          break;
        case PdfPrintResult::kFailed:
          Say(console, StringPrintf(kMsgPdfNotWrittenFormat, options->pdf.c_str(), error.c_str()));
          break;
      }
    }
  }
  // A reading command: the index's state files stay as they were.
  doc.Abandon();
  return status;
}
