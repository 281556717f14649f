// snapstore-cli move-refs: the archiver's "Move image reference..." with the dialog's folders
// taken from the command line.
#include <ostream>

#include "base/string_printf.h"
#include "cli/cli.h"
#include "cli/cli_index.h"
#include "cli/console_front_end.h"
#include "import/move_references_dialog_model.h"

namespace {

constexpr const char* kMoveRefsUsage =
    "Usage: snapstore-cli move-refs INDEX.acx OLD_FOLDER NEW_FOLDER [--yes] [--recursive]\n"
    "\n"
    "Points the pictures stored in OLD_FOLDER at NEW_FOLDER, after their files were moved there\n"
    "outside Albumcraft, keeping their descriptions: a picture's path becomes NEW_FOLDER, '/'\n"
    "and its file name, with the label of NEW_FOLDER's medium when that is removable or a CD\n"
    "(else none). A picture is changed only when its file is at the new place. The log, one\n"
    "line per picture and a summary, goes to standard output. Folders compare without a drive\n"
    "prefix (c:), with / and \\ alike and ignoring case; a trailing / or \\ makes no difference;\n"
    "only the pictures of OLD_FOLDER itself match, not those of its sub-folders.\n"
    "\n"
    "  --yes        move them; without it, print how many pictures match and change nothing\n"
    "  --recursive  also move the pictures of every sub-folder of OLD_FOLDER, to the same\n"
    "               place below NEW_FOLDER\n"
    "\n"
    "A relative folder is taken from the current folder. Exit status 0 when pictures match\n"
    "and (with --yes) every one of them was moved, 1 when none match or some could not be.\n";
constexpr const char* kMatchedFormat = "%d pictures matched\n";

}  // namespace

int RunMoveRefs(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) return out << kMoveRefsUsage, kExitOk;
  std::vector<std::string> folders;
  bool yes = false;
  bool recursive = false;
  for (const std::string& arg : args) {
    if (arg == "--yes") {
      yes = true;
    } else if (arg == "--recursive") {
      recursive = true;
    } else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
      err << "snapstore-cli move-refs: unknown option " << arg << "\n\n" << kMoveRefsUsage;
      return kExitUsage;
    } else {
      folders.push_back(arg);
    }
  }
  if (folders.size() != 3) return err << kMoveRefsUsage, kExitUsage;

  CCliSession session(out, err);
  if (!session.Open(folders[0])) return kExitRefused;
  CConsoleFrontEnd& console = session.console();
  console.SetQuestionAnswer(yes ? MsgAnswer::kYes : MsgAnswer::kNo);
  console.SetDialogAnswer<CRenameDirModel>([&](CRenameDirModel& dialog) {
    // An empty folder stays empty, so that the dialog's check refuses it.
    auto folder = [](const std::string& given) {
      return given.empty() ? given : PathFromCommandLine(given);
    };
    dialog.old_directory = folder(folders[1]);
    dialog.new_directory = folder(folders[2]);
    dialog.include_subfolders = recursive;
    return dialog.Accept();
  });
  const CMoveOutcome outcome = session.doc().MoveImageReferences();
  // Nothing was changed: the index's files are left exactly as they were.
  if (!outcome.confirmed) session.doc().Abandon();
  if (outcome.matched == 0 || outcome.store_failed) return kExitRefused;
  if (!yes) {
    out << StringPrintf(kMatchedFormat, outcome.matched);
    return kExitOk;
  }
  return outcome.moved == outcome.matched ? kExitOk : kExitRefused;
}
