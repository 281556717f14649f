// snapstore-cli add: the archiver's "Add pictures" with the import dialog's answers taken from
// the command line.
#include <CLI/CLI.hpp>

#include <memory>
#include <optional>
#include <ostream>
#include <string_view>

#include "base/string_table.h"
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_index.h"
#include "cli/console_front_end.h"
#include "import/import_dialog_model.h"

namespace {

constexpr const char* kAddDetails =
    "Adds the pictures to the index in the order given, with the category TO_BE_DESCRIBED, and\n"
    "prints the import log: one line per picture, then the summary. A folder adds every\n"
    "picture in it and in the folders below it (files whose names end in jpg or tif, any\n"
    "case). Each picture is decoded for its thumbnail, and a JPEG's EXIF date becomes its\n"
    "When field. Pictures already in the index are reported and left as they are.\n"
    "\n"
    "--ids auto gives numbered IDs 000001, 000002, ...; --ids filename the file name without\n"
    "its extension; --ids mask:MASK numbers from a format mask: IMG0001 gives IMG0001,\n"
    "IMG0002, ... Without --label, a picture on a removable medium or CD is stored with the\n"
    "medium's label.\n"
    "\n"
    "A relative PATH is taken from the current folder; an absolute one, or one with a drive\n"
    "prefix such as c:/photos/a.jpg, is stored as given. Exit status 0 when the import ran\n"
    "(even if some pictures were already in the index), 1 when nothing could be imported.";
constexpr const char* kMsgNothingToImport = "There are no pictures to import in the paths given.";
constexpr std::string_view kMaskPrefix = "mask:";

// The import dialog's answers, as the command line gives them.
struct CAddOptions {
  std::string index;
  std::string ids = "auto";
  std::optional<std::string> label;
  std::optional<std::string> category;  // the default: TO_BE_DESCRIBED
  bool no_category = false;
  bool replace = false;
  bool no_thumbnails = false;
  std::vector<std::string> paths;

  // Fills the dialog as the user would and presses IMPORT.
  bool Answer(CImport2Model& dialog) const;
};

// The ID mode of an --ids value, or nothing for a value it does not take.
std::optional<int> IdModeOf(const std::string& ids) {
  if (ids == "auto") return kIdModeAutomatic;
  if (ids == "filename") return kIdModeFileName;
  if (ids.starts_with(kMaskPrefix)) return kIdModeFormat;
  return std::nullopt;
}

bool CAddOptions::Answer(CImport2Model& dialog) const {
  dialog.id_mode = *IdModeOf(ids);
  if (dialog.id_mode == kIdModeFormat) dialog.SetFormatMask(ids.substr(kMaskPrefix.size()));
  dialog.to_be_described = no_category ? 0 : 1;
  if (category) dialog.category = *category;
  dialog.include_subdirs = 1;
  dialog.make_thumbnails = no_thumbnails ? 0 : 1;
  dialog.volume_label = label;
  dialog.keep_selection_order = true;
  dialog.selected_paths.clear();
  for (const std::string& path : paths) dialog.selected_paths.push_back(PathFromCommandLine(path));
  return dialog.CheckIdFormat();
}

int RunAdd(const CAddOptions& options, std::ostream& out, std::ostream& err) {
  CCliSession session(out, err, ShowProgress());
  if (!session.Open(options.index)) return kExitRefused;
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

}  // namespace

CCliCommand DeclareAdd(CLI::App& cli) {
  auto options = std::make_shared<CAddOptions>();
  CLI::App& command = DeclareCommand(cli, "add", "add pictures", kAddDetails);
  AddIndexArgument(command, options->index);
  command.add_option("PATH", options->paths, "the picture files and folders, in this order")
      ->required()
      ->type_name("");
  const CLI::Validator ids(
      [](const std::string& value) {
        return IdModeOf(value) ? std::string() : "takes auto, filename or mask:MASK";
      },
      "");
  command.add_option("--ids", options->ids, "how picture IDs are made (default auto)")
      ->type_name("auto|filename|mask:MASK")
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
      ->check(ids);
  command.add_option("--label", options->label, "the volume label to store with every picture")
      ->type_name("LABEL")
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  CLI::Option* category = command
                              .add_option("--category", options->category,
                                          "the category words instead of TO_BE_DESCRIBED")
                              ->type_name("TEXT");
  command.add_flag("--no-category", options->no_category, "no category")->excludes(category);
  command.add_flag("--replace", options->replace,
                   "answer Yes when a picture ID exists with another path");
  command.add_flag("--no-thumbnails", options->no_thumbnails,
                   "decode nothing: no thumbnails, no dates");
  return {&command,
          [options](std::ostream& out, std::ostream& err) { return RunAdd(*options, out, err); }};
}
