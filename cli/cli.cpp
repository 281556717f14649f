#include "cli/cli.h"

#include <map>
#include <ostream>

#include "cli/cli_index.h"

namespace {

constexpr const char* kUsage =
    "Usage: snapstore-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "The photo-index engine of Albumcraft on the command line.\n"
    "\n"
    "Commands:\n"
    "  create INDEX.acx                  create a new, empty photo index\n"
    "  add INDEX.acx [OPTIONS] PATH...   add pictures\n"
    "  set INDEX.acx ID FIELD=VALUE...   set fields of a picture\n"
    "  delete INDEX.acx ID...            delete pictures\n"
    "  search INDEX.acx QUERY            list the pictures that match a query\n"
    "  show INDEX.acx ID                 print a picture's record\n"
    "  dump INDEX.acx                    write db_dump.txt in the current folder\n"
    "  check INDEX.acx                   check that the index holds together\n"
    "  export INDEX.acx FILE.exp         write every picture to a text export\n"
    "  import INDEX.acx FILE.exp         add the pictures of a text export\n"
    "  reindex INDEX.acx                 rebuild and sort the word index\n"
    "  sort INDEX.acx                    sort the word index\n"
    "  print INDEX.acx FILE.pdf          print pictures of the result list into a PDF file\n"
    "\n"
    "snapstore-cli COMMAND --help describes a command. Exit status: 0 success, 1 the\n"
    "operation was refused (the reason is on standard error), 2 bad usage.\n";

using Command = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

const std::map<std::string, Command>& Commands() {
  static const std::map<std::string, Command> commands = {
      {"create", RunCreate}, {"add", RunAdd},       {"set", RunSet},         {"delete", RunDelete},
      {"search", RunSearch}, {"show", RunShow},     {"dump", RunDump},       {"check", RunCheck},
      {"export", RunExport}, {"import", RunImport}, {"reindex", RunReindex}, {"sort", RunSort},
      {"print", RunPrint}};
  return commands;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    out << kUsage;
    return kExitOk;
  }
  auto command = Commands().find(args[0]);
  if (command == Commands().end()) {
    err << "snapstore-cli: unknown command \"" << args[0] << "\"\n\n" << kUsage;
    return kExitUsage;
  }
  return command->second(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
}
