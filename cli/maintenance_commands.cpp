// snapstore-cli export, import, reindex and sort: the maintenance commands of the archiver's
// "Photo Index maintenance" menu.
#include <CLI/CLI.hpp>

#include <memory>
#include <ostream>

#include "base/string_printf.h"
#include "base/string_table.h"
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_index.h"

namespace {

int Outcome(CCliSession& session) { return session.db().status().ok() ? kExitOk : kExitRefused; }

// The index and the text export a command works with.
struct CExportFiles {
  std::string index;
  std::string file;
};

using CExportRun = int (*)(const CExportFiles& files, std::ostream& out, std::ostream& err);

CCliCommand DeclareExportCommand(CLI::App& cli, const char* name, const char* summary,
                                 const char* details, CExportRun run) {
  auto files = std::make_shared<CExportFiles>();
  CLI::App& command = DeclareCommand(cli, name, summary, details);
  AddIndexArgument(command, files->index);
  command.add_option("FILE.exp", files->file, "the text export")->required()->type_name("");
  return {&command,
          [files, run](std::ostream& out, std::ostream& err) { return run(*files, out, err); }};
}

int RunExport(const CExportFiles& files, std::ostream& out, std::ostream& err) {
  CCliSession session(out, err, ShowProgress());
  if (!session.Open(files.index)) return kExitRefused;
  // Every picture, as the closing backup export takes them.
  session.db().RunQuery(kAllRecordsQuery);
  const int exported = session.doc().ExportTo(files.file);
  out << StringPrintf(kMsgExportedFormat, exported, files.file.c_str()) << '\n';
  return Outcome(session);
}

int RunImport(const CExportFiles& files, std::ostream& out, std::ostream& err) {
  CCliSession session(out, err, ShowProgress());
  if (!session.Open(files.index)) return kExitRefused;
  const int imported = session.doc().ImportFrom(files.file);
  out << StringPrintf(kMsgImportedFormat, imported, files.file.c_str()) << '\n';
  return Outcome(session);
}

int RunReindex(const std::string& index, std::ostream& out, std::ostream& err) {
  CCliSession session(out, err, ShowProgress());
  if (!session.Open(index)) return kExitRefused;
  session.doc().ReorganiseIndex();
  return Outcome(session);
}

int RunSort(const std::string& index, std::ostream& out, std::ostream& err) {
  CCliSession session(out, err, ShowProgress());
  if (!session.Open(index)) return kExitRefused;
  session.doc().SortIndex();
  return Outcome(session);
}

}  // namespace

CCliCommand DeclareExport(CLI::App& cli) {
  return DeclareExportCommand(
      cli, "export", "write every picture to a text export",
      "Writes every picture of the index, with the field definitions, to a text export.",
      RunExport);
}

CCliCommand DeclareImport(CLI::App& cli) {
  return DeclareExportCommand(
      cli, "import", "add the pictures of a text export",
      "Adds the pictures of a text export whose IDs the index does not hold yet, with their\n"
      "categories and the field definitions.",
      RunImport);
}

CCliCommand DeclareReindex(CLI::App& cli) {
  return DeclareIndexCommand(
      cli, "reindex", "rebuild and sort the word index",
      "Rebuilds the word index from the pictures' records (the old word index is kept as\n"
      "INDEX.tmp1 and INDEX.tmp2), then sorts it.",
      RunReindex);
}

CCliCommand DeclareSort(CLI::App& cli) {
  return DeclareIndexCommand(cli, "sort", "sort the word index",
                             "Sorts the word index's lists of pictures by picture ID.", RunSort);
}
