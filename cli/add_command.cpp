// snapstore-cli add: the import step for each picture path, with the import log's lines.
#include <unistd.h>

#include <filesystem>
#include <ostream>

#include "app/string_table.h"
#include "cli/cli.h"
#include "cli/cli_index.h"
#include "cli/console_front_end.h"
#include "import/id_format_mask.h"
#include "platform/picture_path.h"
#include "platform/volumes.h"
#include "store/string_printf.h"

namespace {

constexpr const char* kAddUsage =
    "Usage: snapstore-cli add INDEX.acx [--no-thumbnails] [--ids auto|filename|mask:MASK]\n"
    "                         [--label LABEL] [--category TEXT | --no-category] [--replace]\n"
    "                         PATH...\n"
    "\n"
    "Adds the pictures to the index in the order given, with the quality 2 and the category\n"
    "TO_BE_DESCRIBED, and prints one line per picture as the import log does.\n"
    "\n"
    "  --ids auto        numbered IDs 000001, 000002, ... (the default)\n"
    "  --ids filename    the file name without its extension\n"
    "  --ids mask:MASK   numbered from a format mask: IMG0001 gives IMG0001, IMG0002, ...\n"
    "  --label LABEL     the volume label to store (default: the label of the picture's\n"
    "                    removable medium or CD, if it is on one)\n"
    "  --category TEXT   the category words instead of TO_BE_DESCRIBED\n"
    "  --no-category     no category\n"
    "  --replace         answer Yes when a picture ID exists with another path\n"
    "  --no-thumbnails   make no thumbnails\n"
    "\n"
    "A relative PATH is taken from the current folder; an absolute one, or one with a drive\n"
    "prefix such as c:/photos/a.jpg, is stored as given.\n";
constexpr const char* kLogSeparator = "....   ";

struct CAddOptions {
  int id_mode = kIdModeAutomatic;
  std::string id_format;
  std::optional<int> id_counter;  // the mask's start number; else the index's import counter
  std::optional<std::string> label;
  std::string category = LoadString(IDS_TO_BE_DESCRIBED);
  bool replace = false;
  std::vector<std::string> paths;
};

// The path to store: as given when absolute or with a drive prefix, else from the current
// folder.
std::string StoredPath(const std::string& path) {
  if (!path.empty() && (path[0] == '/' || DrivePrefixLength(path) > 0)) return path;
  return (std::filesystem::current_path() / path).lexically_normal().string();
}

// The label of the removable medium or CD that holds the path; empty for others.
std::string LabelOf(const std::vector<CVolume>& volumes, const std::string& path) {
  const CVolume* volume = VolumeOfPath(volumes, path);
  if (!volume) return std::string();
  const bool removable =
      volume->kind == VolumeKind::kRemovable || volume->kind == VolumeKind::kCdRom;
  return removable ? volume->label : std::string();
}

// The options, or the exit status of bad usage (with the reason on `err`).
int ParseOptions(const std::vector<std::string>& args, CAddOptions& options, std::ostream& err,
                 CConsoleFrontEnd& console) {
  bool category_set = false;
  bool options_done = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_done || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      options.paths.push_back(arg);
      continue;
    }
    const bool takes_value = arg == "--ids" || arg == "--label" || arg == "--category";
    if (takes_value && i + 1 >= args.size()) {
      err << "snapstore-cli add: " << arg << " needs a value\n\n" << kAddUsage;
      return kExitUsage;
    }
    if (arg == "--") {
      options_done = true;
    } else if (arg == "--no-thumbnails") {
    } else if (arg == "--replace") {
      options.replace = true;
    } else if (arg == "--label") {
      options.label = args[++i];
    } else if (arg == "--category" || arg == "--no-category") {
      if (category_set) {
        err << "snapstore-cli add: give --category or --no-category once\n\n" << kAddUsage;
        return kExitUsage;
      }
      category_set = true;
      options.category = arg == "--category" ? args[++i] : std::string();
    } else if (arg == "--ids") {
      const std::string& ids = args[++i];
      if (ids == "auto") {
        options.id_mode = kIdModeAutomatic;
      } else if (ids == "filename") {
        options.id_mode = kIdModeFileName;
      } else if (ids.compare(0, 5, "mask:") == 0) {
        const CMaskCheck check = CheckImportFormatMask(ids.substr(5));
        if (!check.format) {
          Say(console, check.message);
          return kExitRefused;
        }
        options.id_mode = kIdModeFormat;
        options.id_format = check.format->format;
        options.id_counter = check.format->start;
      } else {
        err << "snapstore-cli add: --ids takes auto, filename or mask:MASK\n\n" << kAddUsage;
        return kExitUsage;
      }
    } else {
      err << "snapstore-cli add: unknown option " << arg << "\n\n" << kAddUsage;
      return kExitUsage;
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
  CCliSession session(out, err);
  CConsoleFrontEnd& console = session.console();
  CAddOptions options;
  if (int status = ParseOptions(args, options, err, console); status >= 0) return status;
  if (!session.Open(args[0])) return kExitRefused;
  Cdatabase& db = session.db();
  if (options.replace) console.SetQuestionAnswer(MsgAnswer::kYes);
  db.SetFrontEnd(&console);
  const std::vector<CVolume> volumes = MakeDefaultVolumeSource()->Volumes();

  const std::string results[] = {LoadString(IDS_IMPORTED_OK), LoadString(IDS_DUPLICATE_ID),
                                 LoadString(IDS_ALREADY_IMPORTED)};
  db.id_counter = options.id_counter.value_or(session.doc().state.import_counter);
  db.quality = 2;
  db.sort_text.clear();
  db.ClearResults();
  db.position = 0;
  int imported = 0;
  for (const std::string& given : options.paths) {
    const std::string path = StoredPath(given);
    for (int i = 1; i < kFieldCount; ++i) db.fields[i].clear();
    db.fields[kFieldCategory] = options.category;
    db.volume_label = options.label ? *options.label : LabelOf(volumes, path);
    const int result = db.AddPicture(path, options.id_mode, options.id_format);
    if (result == kAddFailed) return ReportFailure(db, console);
    if (result == kAddDone) ++imported;
    out << path << kLogSeparator << results[result] << '\n';
  }
  if (imported > 0) {
    session.doc().state.import_counter = db.id_counter;
    session.doc().modified = true;
  }
  out << ConsoleLines(StringPrintf(LoadString(IDS_IMPORT_FINISHED).c_str(), '\r', '\n', imported,
                                   static_cast<int>(options.paths.size())))
      << '\n';
  return kExitOk;
}
