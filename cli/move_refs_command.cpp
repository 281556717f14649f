// snapstore-cli move-refs: the archiver's "Move image reference..." with the dialog's folders
// taken from the command line.
#include <CLI/CLI.hpp>

#include <memory>
#include <ostream>

#include "base/string_printf.h"
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_index.h"
#include "cli/console_front_end.h"
#include "import/move_references_dialog_model.h"

namespace {

constexpr const char* kMoveRefsDetails =
    "Points the pictures stored in OLD_FOLDER at NEW_FOLDER, after their files were moved there\n"
    "outside Albumcraft, keeping their descriptions: a picture's path becomes NEW_FOLDER, '/'\n"
    "and its file name, with the label of NEW_FOLDER's medium when that is removable or a CD\n"
    "(else none). A picture is changed only when its file is at the new place. The log, one\n"
    "line per picture and a summary, goes to standard output. Folders compare without a drive\n"
    "prefix (c:), with / and \\ alike and ignoring case; a trailing / or \\ makes no difference;\n"
    "only the pictures of OLD_FOLDER itself match, not those of its sub-folders.\n"
    "\n"
    "Without --yes the command prints how many pictures match and changes nothing. With\n"
    "--recursive the pictures of every sub-folder of OLD_FOLDER go along, each to the same\n"
    "place below NEW_FOLDER.\n"
    "\n"
    "A relative folder is taken from the current folder. Exit status 0 when pictures match\n"
    "and (with --yes) every one of them was moved, 1 when none match or some could not be.";
constexpr const char* kMatchedFormat = "%d pictures matched\n";

// The dialog's folders and the question's answer, as the command line gives them.
struct CMoveRefsOptions {
  std::string index;
  std::string old_folder;
  std::string new_folder;
  bool yes = false;
  bool recursive = false;
};

int RunMoveRefs(const CMoveRefsOptions& options, std::ostream& out, std::ostream& err) {
  CCliSession session(out, err);
  if (!session.Open(options.index)) return kExitRefused;
  CConsoleFrontEnd& console = session.console();
  console.SetQuestionAnswer(options.yes ? MsgAnswer::kYes : MsgAnswer::kNo);
  console.SetDialogAnswer<CRenameDirModel>([&options](CRenameDirModel& dialog) {
    // An empty folder stays empty, so that the dialog's check refuses it.
    auto folder = [](const std::string& given) {
      return given.empty() ? given : PathFromCommandLine(given);
    };
    dialog.old_directory = folder(options.old_folder);
    dialog.new_directory = folder(options.new_folder);
    dialog.include_subfolders = options.recursive;
    return dialog.Accept();
  });
  const CMoveOutcome outcome = session.doc().MoveImageReferences();
  // Nothing was changed: the index's files are left exactly as they were.
  if (!outcome.confirmed) session.doc().Abandon();
  if (outcome.matched == 0 || outcome.store_failed) return kExitRefused;
  if (!options.yes) {
    out << StringPrintf(kMatchedFormat, outcome.matched);
    return kExitOk;
  }
  return outcome.moved == outcome.matched ? kExitOk : kExitRefused;
}

}  // namespace

CCliCommand DeclareMoveRefs(CLI::App& cli) {
  auto options = std::make_shared<CMoveRefsOptions>();
  CLI::App& command = DeclareCommand(
      cli, "move-refs", "point the pictures of a moved folder at its new place", kMoveRefsDetails);
  AddIndexArgument(command, options->index);
  command.add_option("OLD_FOLDER", options->old_folder, "the folder the pictures were in")
      ->required()
      ->type_name("");
  command.add_option("NEW_FOLDER", options->new_folder, "the folder they are in now")
      ->required()
      ->type_name("");
  command.add_flag("--yes", options->yes, "move them (without it: count them, change nothing)");
  command.add_flag("--recursive", options->recursive,
                   "also move the pictures of OLD_FOLDER's sub-folders");
  return {&command, [options](std::ostream& out, std::ostream& err) {
            return RunMoveRefs(*options, out, err);
          }};
}
