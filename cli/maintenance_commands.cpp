// snapstore-cli export, import, reindex and sort: the maintenance commands of the archiver's
// "Photo Index maintenance" menu.
#include <ostream>

#include "base/string_printf.h"
#include "base/string_table.h"
#include "cli/cli.h"
#include "cli/cli_index.h"

namespace {

constexpr const char* kExportUsage =
    "Usage: snapstore-cli export INDEX.acx FILE.exp\n"
    "\n"
    "Writes every picture of the index, with the field definitions, to a text export.\n";
constexpr const char* kImportUsage =
    "Usage: snapstore-cli import INDEX.acx FILE.exp\n"
    "\n"
    "Adds the pictures of a text export whose IDs the index does not hold yet, with their\n"
    "categories and the field definitions.\n";
constexpr const char* kReindexUsage =
    "Usage: snapstore-cli reindex INDEX.acx\n"
    "\n"
    "Rebuilds the word index from the pictures' records (the old word index is kept as\n"
    "INDEX.tmp1 and INDEX.tmp2), then sorts it.\n";
constexpr const char* kSortUsage =
    "Usage: snapstore-cli sort INDEX.acx\n"
    "\n"
    "Sorts the word index's lists of pictures by picture ID.\n";

// A command with the index and `extra` more arguments; -1 to go on, else the exit status.
int Arguments(const std::vector<std::string>& args, size_t extra, const char* usage,
              std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) {
    out << usage;
    return kExitOk;
  }
  if (args.size() != 1 + extra) {
    err << usage;
    return kExitUsage;
  }
  return -1;
}

int Outcome(CCliSession& session) { return session.db().status().ok() ? kExitOk : kExitRefused; }

}  // namespace

int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (int status = Arguments(args, 1, kExportUsage, out, err); status >= 0) return status;
  CCliSession session(out, err, ShowProgress());
  if (!session.Open(args[0])) return kExitRefused;
  // Every picture, as the closing backup export takes them.
  session.db().RunQuery(kAllRecordsQuery);
  const int exported = session.doc().ExportTo(args[1]);
  out << StringPrintf(kMsgExportedFormat, exported, args[1].c_str()) << '\n';
  return Outcome(session);
}

int RunImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (int status = Arguments(args, 1, kImportUsage, out, err); status >= 0) return status;
  CCliSession session(out, err, ShowProgress());
  if (!session.Open(args[0])) return kExitRefused;
  const int imported = session.doc().ImportFrom(args[1]);
  out << StringPrintf(kMsgImportedFormat, imported, args[1].c_str()) << '\n';
  return Outcome(session);
}

int RunReindex(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (int status = Arguments(args, 0, kReindexUsage, out, err); status >= 0) return status;
  CCliSession session(out, err, ShowProgress());
  if (!session.Open(args[0])) return kExitRefused;
  session.doc().ReorganiseIndex();
  return Outcome(session);
}

int RunSort(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (int status = Arguments(args, 0, kSortUsage, out, err); status >= 0) return status;
  CCliSession session(out, err, ShowProgress());
  if (!session.Open(args[0])) return kExitRefused;
  session.doc().SortIndex();
  return Outcome(session);
}
