// snapstore-cli web-album: the archiver's "Create web pages..." with the dialog's answers taken
// from the command line. The settings file is never written, so the run number comes from
// --run or from the pages already in the html folder.
#include <CLI/CLI.hpp>

#include <iterator>
#include <memory>
#include <optional>
#include <ostream>

#include "base/string_printf.h"
#include "base/text_rules.h"
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_index.h"
#include "cli/console_front_end.h"
#include "publish/web_album_dialog_model.h"
#include "publish/web_album_log_model.h"
#include "publish/web_names.h"

namespace {

constexpr const char* kWebAlbumDetails =
    "Writes a thumbnail page html/tnail_NNN.htm and an album page html/album_NNN_01.htm beside\n"
    "the index, and for each picture its full picture, album picture and thumbnail in\n"
    "html/image, as the archiver's \"Create web pages...\" does; then prints the paths of the two\n"
    "pages. --category takes every picture of one of the index's categories, --ids the\n"
    "pictures with these IDs in the order given.\n"
    "\n"
    "The full pictures are made 800 pixels wide or 700 high, unless --no-resize-full keeps\n"
    "their size. NNN is the run number: --run N, else one more than the highest of the\n"
    "thumbnail pages already in html (1 when there is none, and 1 again after 999). Pictures\n"
    "that cannot be found or read are left out and listed on standard error. Exit status 0\n"
    "when the pages were written with at least one picture, 1 otherwise.";
constexpr const char* kMsgNoPictureOnPages = "No picture could be put on the web pages.";

struct CWebAlbumOptions {
  std::string index;
  std::optional<std::string> category;
  std::vector<std::string> ids;
  std::string title;
  std::string quality = "high";
  std::optional<int> run;
  bool no_resize_full = false;
};

// The option name of a picture quality: its label in lower case with "-" for blanks.
std::string QualityName(const CWebQuality& quality) {
  std::string name = LowerCase(quality.label);
  for (char& c : name) {
    if (c == ' ') c = '-';
  }
  return name;
}

int QualityChoiceOf(const std::string& name) {
  for (size_t i = 0; i < std::size(kWebQualities); ++i) {
    if (QualityName(kWebQualities[i]) == name) return static_cast<int>(i);
  }
  return -1;
}

std::string QualityNames() {
  std::string names;
  for (const CWebQuality& quality : kWebQualities) {
    names += (names.empty() ? "" : "|") + QualityName(quality);
  }
  return names;
}

int RunWebAlbum(const CWebAlbumOptions& options, std::ostream& out, std::ostream& err) {
  CCliSession session(out, err, ShowProgress());
  if (!session.Open(options.index)) return kExitRefused;
  CSnapstoreDoc& doc = session.doc();
  CConsoleFrontEnd& console = session.console();

  CRecordScope scope;
  scope.categories = doc.state.category_names;
  if (options.category && !scope.ChooseCategory(*options.category)) {
    // A category the index's list does not hold may still be a word of its records: the
    // search decides, as it does for search --category.
    scope.categories.push_back(*options.category);
    scope.ChooseCategory(*options.category);
  }
  if (!options.category) {
    // The pictures named, marked in the current list as the archiver's user marks them.
    doc.db.results.Clear();
    for (const std::string& id : options.ids) {
      const int record = RecordOf(doc.db, options.index, id, console);
      if (record == 0) return kExitRefused;
      doc.db.results.Append(record, 1);
    }
    scope.any_selected = true;
    scope.Choose(CRecordScope::Scope::kSelected);
  }

  console.SetQuestionAnswer(MsgAnswer::kYes);
  console.SetDialogAnswer<CGenWebModel>([&](CGenWebModel& dialog) {
    dialog.scope = scope;
    dialog.SetHeading(options.title);
    dialog.quality = QualityChoiceOf(options.quality);
    return dialog.Accept();
  });
  // The log of pictures left out is a message here: standard output has only the paths.
  console.SetDialogAnswer<CWebAlbumLogModel>([&](CWebAlbumLogModel& log) {
    err << ConsoleLines(log.text);
    return true;
  });
  doc.settings.WebResizeFull = options.no_resize_full ? 0 : 1;
  const int run = options.run ? *options.run : NextRunInFolder(HtmlFolderOf(options.index));
  const CWebAlbumOutcome outcome = doc.GenerateWebAlbum(run);
  // The index is only read: its state files and result list stay as they were.
  doc.Abandon();
  if (!outcome.ran || !outcome.result.pages_written) return kExitRefused;
  out << outcome.result.thumbnail_page << '\n' << outcome.result.album_page << '\n';
  if (outcome.result.pictures == 0) {
    Say(console, kMsgNoPictureOnPages);
    return kExitRefused;
  }
  return kExitOk;
}

}  // namespace

CCliCommand DeclareWebAlbum(CLI::App& cli) {
  auto options = std::make_shared<CWebAlbumOptions>();
  CLI::App& command =
      DeclareCommand(cli, "web-album", "write web pages of pictures", kWebAlbumDetails);
  AddIndexArgument(command, options->index);
  CLI::Option* category =
      command.add_option("--category", options->category, "every picture of this category")
          ->type_name("NAME")
          ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  CLI::Option* ids = command.add_option("--ids", options->ids, "the pictures with these IDs")
                         ->type_name("ID,...")
                         ->delimiter(',')
                         ->excludes(category);
  category->excludes(ids);
  // One of the two is needed; CLI11 counts the index among the options, so this is checked
  // once the line is parsed.
  command.parse_complete_callback([category, ids] {
    if (category->count() == 0 && ids->count() == 0) {
      throw CLI::RequiredError("--category or --ids");
    }
  });
  command.add_option("--title", options->title, "the page heading (at most 50 characters)")
      ->type_name("TEXT")
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  const CLI::Validator quality(
      [](const std::string& value) {
        return QualityChoiceOf(value) >= 0 ? std::string() : "takes " + QualityNames();
      },
      "");
  command.add_option("--quality", options->quality, "the picture quality (default high)")
      ->type_name(QualityNames())
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
      ->check(quality);
  command.add_option("--run", options->run, "the run number that names the pages")
      ->type_name("N")
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
      ->check(CLI::Range(1, kLastWebRun));
  command.add_flag("--no-resize-full", options->no_resize_full,
                   "keep the full pictures at their decoded size");
  return {&command, [options](std::ostream& out, std::ostream& err) {
            return RunWebAlbum(*options, out, err);
          }};
}
