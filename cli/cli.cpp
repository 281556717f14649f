#include "cli/cli.h"

#include <ostream>

namespace {

constexpr const char* kUsage =
    "Usage: snapstore-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "The photo-index engine of Albumcraft on the command line.\n"
    "\n"
    "Options:\n"
    "  --help     show this text\n";

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
  err << "snapstore-cli: unknown command \"" << args[0] << "\"\n\n" << kUsage;
  return kExitUsage;
}
