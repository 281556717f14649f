#include "cli/cli_commands.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <utility>

CLI::App& DeclareCommand(CLI::App& cli, const std::string& name, const std::string& summary,
                         const std::string& details) {
  CLI::App& command = *cli.add_subcommand(name, summary);
  command.group("Commands");
  command.footer(details);
  return command;
}

void AddIndexArgument(CLI::App& command, std::string& index) {
  command.add_option("INDEX.acx", index, "the photo index: its main file")
      ->required()
      ->type_name("");
}

CCliCommand DeclareIndexCommand(CLI::App& cli, const std::string& name, const std::string& summary,
                                const std::string& details, CIndexRun run) {
  auto index = std::make_shared<std::string>();
  CLI::App& command = DeclareCommand(cli, name, summary, details);
  AddIndexArgument(command, *index);
  return {&command, [index, run = std::move(run)](std::ostream& out, std::ostream& err) {
            return run(*index, out, err);
          }};
}
