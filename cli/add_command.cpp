// snapstore-cli add: the archiver's "Add pictures" with the import dialog's answers taken from
// the command line.
#include <optional>
#include <ostream>

#include "base/string_table.h"
#include "cli/cli.h"
#include "cli/cli_index.h"
#include "cli/console_front_end.h"
#include "import/import_dialog_model.h"

namespace {

constexpr const char* kAddUsage =
    "Usage: snapstore-cli add INDEX.acx [--no-thumbnails] [--ids auto|filename|mask:MASK]\n"
    "                         [--label LABEL] [--category TEXT | --no-category] [--replace]\n"
    "                         PATH...\n"
    "\n"
    "Adds the pictures to the index in the order given, with the category TO_BE_DESCRIBED, and\n"
    "prints the import log: one line per picture, then the summary. A folder adds every\n"
    "picture in it and in the folders below it (files whose names end in jpg or tif, any\n"
    "case). Each picture is decoded for its thumbnail, and a JPEG's EXIF date becomes its\n"
    "When field. Pictures already in the index are reported and left as they are.\n"
    "\n"
    "  --ids auto        numbered IDs 000001, 000002, ... (the default)\n"
    "  --ids filename    the file name without its extension\n"
    "  --ids mask:MASK   numbered from a format mask: IMG0001 gives IMG0001, IMG0002, ...\n"
    "  --label LABEL     the volume label to store (default: the label of the picture's\n"
    "                    removable medium or CD, if it is on one)\n"
    "  --category TEXT   the category words instead of TO_BE_DESCRIBED\n"
    "  --no-category     no category\n"
    "  --replace         answer Yes when a picture ID exists with another path\n"
    "  --no-thumbnails   decode nothing: no thumbnails, no dates\n"
    "\n"
    "A relative PATH is taken from the current folder; an absolute one, or one with a drive\n"
    "prefix such as c:/photos/a.jpg, is stored as given. Exit status 0 when the import ran\n"
    "(even if some pictures were already in the index), 1 when nothing could be imported.\n";
constexpr const char* kMsgNothingToImport = "There are no pictures to import in the paths given.";

// The import dialog's answers.
struct CAddOptions {
  int id_mode = kIdModeAutomatic;
  std::string mask;
  std::optional<std::string> label;
  std::optional<std::string> category;  // the default: TO_BE_DESCRIBED
  bool no_category = false;
  bool replace = false;
  bool thumbnails = true;
  std::vector<std::string> paths;

  // Fills the dialog as the user would and presses IMPORT.
  bool Answer(CImport2Model& dialog) const {
    dialog.id_mode = id_mode;
    if (id_mode == kIdModeFormat) dialog.SetFormatMask(mask);
    dialog.to_be_described = no_category ? 0 : 1;
    if (category) dialog.category = *category;
    dialog.include_subdirs = 1;
    dialog.make_thumbnails = thumbnails ? 1 : 0;
    dialog.volume_label = label;
    dialog.keep_selection_order = true;
    dialog.selected_paths = paths;
    return dialog.CheckIdFormat();
  }
};

int Usage(std::ostream& err, const std::string& reason) {
  err << "snapstore-cli add: " << reason << "\n\n" << kAddUsage;
  return kExitUsage;
}

// The options, or the exit status of bad usage (with the reason on `err`).
int ParseOptions(const std::vector<std::string>& args, CAddOptions& options, std::ostream& err) {
  bool options_done = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_done || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      options.paths.push_back(PathFromCommandLine(arg));
      continue;
    }
    const bool takes_value = arg == "--ids" || arg == "--label" || arg == "--category";
    if (takes_value && i + 1 >= args.size()) return Usage(err, arg + " needs a value");
    if (arg == "--") {
      options_done = true;
    } else if (arg == "--no-thumbnails") {
      options.thumbnails = false;
    } else if (arg == "--replace") {
      options.replace = true;
    } else if (arg == "--label") {
      options.label = args[++i];
    } else if (arg == "--category" || arg == "--no-category") {
      if (options.category || options.no_category) {
        return Usage(err, "give --category or --no-category once");
      }
      if (arg == "--category") {
        options.category = args[++i];
      } else {
        options.no_category = true;
      }
    } else if (arg == "--ids") {
      const std::string& ids = args[++i];
      if (ids == "auto") {
        options.id_mode = kIdModeAutomatic;
      } else if (ids == "filename") {
        options.id_mode = kIdModeFileName;
      } else if (ids.compare(0, 5, "mask:") == 0) {
        options.id_mode = kIdModeFormat;
        options.mask = ids.substr(5);
      } else {
        return Usage(err, "--ids takes auto, filename or mask:MASK");
      }
    } else {
      return Usage(err, "unknown option " + arg);
    }
  }
  if (options.paths.empty()) {
    err << kAddUsage;
    return kExitUsage;
  }
  return -1;
}

}  // namespace

int RunAdd(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) return out << kAddUsage, kExitOk;
  if (args.empty()) return err << kAddUsage, kExitUsage;
  CAddOptions options;
  if (int status = ParseOptions(args, options, err); status >= 0) return status;
  CCliSession session(out, err, ShowProgress());
  if (!session.Open(args[0])) return kExitRefused;
  CConsoleFrontEnd& console = session.console();
  if (options.replace) console.SetQuestionAnswer(MsgAnswer::kYes);
  console.SetDialogAnswer<CImport2Model>(
      [&options](CImport2Model& dialog) { return options.Answer(dialog); });

  const CImportOutcome outcome = session.doc().AddPictures();
  if (!outcome.ran || outcome.store_failed) return kExitRefused;
  if (outcome.total == 0) {
    Say(console, kMsgNothingToImport);
    return kExitRefused;
  }
  return kExitOk;
}
