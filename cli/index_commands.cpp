// snapstore-cli create, dump and check: whole-index commands.
#include <ostream>

#include "base/string_table.h"
#include "cli/cli.h"
#include "cli/cli_index.h"
#include "cli/console_front_end.h"
#include "store/store_check.h"

namespace {

constexpr const char* kCreateUsage =
    "Usage: snapstore-cli create INDEX.acx\n"
    "\n"
    "Creates a new, empty photo index: INDEX.acx and INDEX.kw1 to INDEX.kw4.\n";
constexpr const char* kDumpUsage =
    "Usage: snapstore-cli dump INDEX.acx\n"
    "\n"
    "Writes the raw content of every store file of the index to db_dump.txt in the current\n"
    "folder.\n";
constexpr const char* kCheckUsage =
    "Usage: snapstore-cli check INDEX.acx\n"
    "\n"
    "Checks that the store files of the index hold together: free chains, text chains, the\n"
    "key tree's order and links, every posting list, every picture findable by its ID.\n"
    "Prints what it finds; exit status 0 only for a sound index.\n";
constexpr std::string_view kIndexExtension = ".acx";

// A command with exactly one argument, the index: its name, or the exit status.
int OneIndexArgument(const std::vector<std::string>& args, const char* usage, std::ostream& out,
                     std::ostream& err, std::string& index) {
  if (WantsHelp(args)) {
    out << usage;
    return kExitOk;
  }
  if (args.size() != 1) {
    err << usage;
    return kExitUsage;
  }
  index = args[0];
  return -1;
}

}  // namespace

int RunCreate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string index;
  if (int status = OneIndexArgument(args, kCreateUsage, out, err, index); status >= 0) {
    return status;
  }
  CConsoleFrontEnd console(out, err, false);
  if (index.size() <= kIndexExtension.size() || !index.ends_with(kIndexExtension)) {
    Say(console, kMsgNoExtension);
    return kExitRefused;
  }
  Cdatabase db;
  if (db.MissingFileFlags(index) == 0) {
    Say(console, kMsgIndexExists);
    return kExitRefused;
  }
  if (!db.CreateFiles()) return ReportFailure(db, console);
  Say(console, kMsgIndexCreated);
  return kExitOk;
}

int RunDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string index;
  if (int status = OneIndexArgument(args, kDumpUsage, out, err, index); status >= 0) {
    return status;
  }
  CConsoleFrontEnd console(out, err, false);
  Cdatabase db;
  db.SetReadOnly(true);
  if (!OpenIndex(db, index, console)) return kExitRefused;
  db.DumpStore();
  if (!db.status().ok()) return ReportFailure(db, console);
  return kExitOk;
}

int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string index;
  if (int status = OneIndexArgument(args, kCheckUsage, out, err, index); status >= 0) {
    return status;
  }
  CConsoleFrontEnd console(out, err, false);
  Cdatabase db;
  db.SetReadOnly(true);
  const std::string missing = db.SetFileNames(index);
  if (!missing.empty()) {
    Say(console, kMsgMissingFiles + missing + kMsgMissingFilesEnd);
    return kExitRefused;
  }
  const CCheckReport report = CheckStore(db);
  out << report.Text();
  return report.sound() ? kExitOk : kExitRefused;
}
