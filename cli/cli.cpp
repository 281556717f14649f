#include "cli/cli.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <ostream>
#include <sstream>

#include "cli/cli_commands.h"

namespace {

constexpr const char* kDescription = "The photo-index engine of Albumcraft on the command line.";
constexpr const char* kFooter =
    "snapstore-cli COMMAND --help describes a command. Exit status: 0 success, 1 the\n"
    "operation was refused (the reason is on standard error), 2 bad usage.";

// A help that starts with the usage line. A command's help then says what it does and lists
// its arguments and options; the program's lists the commands.
class CHelpFormatter : public CLI::Formatter {
 public:
  CHelpFormatter() {
    label("SUBCOMMAND", "COMMAND");
    label("Subcommands", "Commands");
    label("Positionals", "Arguments");
  }
  std::string make_help(const CLI::App* app, std::string name,
                        CLI::AppFormatMode mode) const override {
    if (mode == CLI::AppFormatMode::Sub) return CLI::Formatter::make_help(app, name, mode);
    std::ostringstream out;
    out << make_usage(app, name) << '\n';
    if (app->get_parent()) {
      out << make_footer(app) << make_positionals(app) << make_groups(app, mode);
    } else {
      out << make_description(app) << make_subcommands(app, mode) << '\n' << make_footer(app);
    }
    return out.str();
  }
  // A positional argument whose text is set (FIELD=VALUE..., which is no valid name) shows
  // that text in the usage line.
  std::string make_option_usage(const CLI::Option* option) const override {
    const std::string& text = option->get_option_text();
    if (text.empty()) return CLI::Formatter::make_option_usage(option);
    return option->get_required() ? text : "[" + text + "]";
  }
};

int BadUsage(std::ostream& err, const std::string& where, const std::string& reason,
             const std::string& help) {
  err << where << ": " << reason << "\n\n" << help;
  return kExitUsage;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App cli(kDescription, "snapstore-cli");
  cli.formatter(std::make_shared<CHelpFormatter>());
  cli.footer(kFooter);
  cli.require_subcommand(1);
  const CCliCommand commands[] = {
      DeclareCreate(cli),     DeclareAdd(cli),     DeclareSet(cli),    DeclareAnnotate(cli),
      DeclareCategories(cli), DeclareDelete(cli),  DeclareSearch(cli), DeclareShow(cli),
      DeclareInfo(cli),       DeclareDump(cli),    DeclareCheck(cli),  DeclareExport(cli),
      DeclareImport(cli),     DeclareReindex(cli), DeclareSort(cli),   DeclareMoveRefs(cli),
      DeclarePrint(cli),      DeclareWebAlbum(cli)};

  if (args.empty()) return BadUsage(err, "snapstore-cli", "no command given", cli.help());
  if (args[0] == "help") {
    out << cli.help();
    return kExitOk;
  }
  const CCliCommand* named = nullptr;
  for (const CCliCommand& command : commands) {
    if (command.parser->get_name() == args[0]) named = &command;
  }
  if (!named && !args[0].starts_with("-")) {
    return BadUsage(err, "snapstore-cli", "unknown command \"" + args[0] + "\"", cli.help());
  }

  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    cli.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << cli.help();
    return kExitOk;
  } catch (const CLI::ParseError& error) {
    const std::string where =
        named ? "snapstore-cli " + named->parser->get_name() : std::string("snapstore-cli");
    return BadUsage(err, where, error.what(), cli.help());
  }
  if (!named) return BadUsage(err, "snapstore-cli", "no command given", cli.help());
  return named->run(out, err);
}
