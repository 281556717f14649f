// snapstore-cli create, dump and check: whole-index commands.
#include <CLI/CLI.hpp>

#include <ostream>

#include "base/string_table.h"
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_index.h"
#include "cli/console_front_end.h"
#include "store/store_check.h"

namespace {

constexpr std::string_view kIndexExtension = ".acx";

int RunCreate(const std::string& index, std::ostream& out, std::ostream& err) {
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

int RunDump(const std::string& index, std::ostream& out, std::ostream& err) {
  CConsoleFrontEnd console(out, err, false);
  Cdatabase db;
  db.SetReadOnly(true);
  if (!OpenIndex(db, index, console)) return kExitRefused;
  db.DumpStore();
  if (!db.status().ok()) return ReportFailure(db, console);
  return kExitOk;
}

int RunCheck(const std::string& index, std::ostream& out, std::ostream& err) {
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

}  // namespace

CCliCommand DeclareCreate(CLI::App& cli) {
  return DeclareIndexCommand(cli, "create", "create a new, empty photo index",
                             "Creates a new, empty photo index: INDEX.acx and INDEX.kw1 to "
                             "INDEX.kw4.",
                             RunCreate);
}

CCliCommand DeclareDump(CLI::App& cli) {
  return DeclareIndexCommand(cli, "dump", "write db_dump.txt in the current folder",
                             "Writes the raw content of every store file of the index to "
                             "db_dump.txt in the current\n"
                             "folder.",
                             RunDump);
}

CCliCommand DeclareCheck(CLI::App& cli) {
  return DeclareIndexCommand(
      cli, "check", "check that the index holds together",
      "Checks that the store files of the index hold together: free chains, text chains, the\n"
      "key tree's order and links, every posting list, every picture findable by its ID.\n"
      "Prints what it finds; exit status 0 only for a sound index.",
      RunCheck);
}
