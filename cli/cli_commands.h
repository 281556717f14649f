// The commands of snapstore-cli. Each declares itself on the command line's parser (CLI11): its
// name, a line for the list of commands, what it does, its arguments and options. From that
// one declaration the parser checks the command line and makes the command's --help.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

namespace CLI {
class App;
}  // namespace CLI

// A declared command: its part of the parser, and what runs it with the values parsed (its
// exit status).
struct CCliCommand {
  CLI::App* parser = nullptr;
  std::function<int(std::ostream& out, std::ostream& err)> run;
};

// A command of the parser `cli`: `summary` is its line in the list of commands, `details`
// the paragraphs its --help prints after the arguments.
CLI::App& DeclareCommand(CLI::App& cli, const std::string& name, const std::string& summary,
                         const std::string& details);
// The photo index every command names first.
void AddIndexArgument(CLI::App& command, std::string& index);
// A command whose one argument is the index.
using CIndexRun =
    std::function<int(const std::string& index, std::ostream& out, std::ostream& err)>;
CCliCommand DeclareIndexCommand(CLI::App& cli, const std::string& name, const std::string& summary,
                                const std::string& details, CIndexRun run);

CCliCommand DeclareCreate(CLI::App& cli);
CCliCommand DeclareAdd(CLI::App& cli);
CCliCommand DeclareSet(CLI::App& cli);
CCliCommand DeclareAnnotate(CLI::App& cli);
CCliCommand DeclareCategories(CLI::App& cli);
CCliCommand DeclareDelete(CLI::App& cli);
CCliCommand DeclareSearch(CLI::App& cli);
CCliCommand DeclareShow(CLI::App& cli);
CCliCommand DeclareInfo(CLI::App& cli);
CCliCommand DeclareDump(CLI::App& cli);
CCliCommand DeclareCheck(CLI::App& cli);
CCliCommand DeclareExport(CLI::App& cli);
CCliCommand DeclareImport(CLI::App& cli);
CCliCommand DeclareReindex(CLI::App& cli);
CCliCommand DeclareSort(CLI::App& cli);
CCliCommand DeclareMoveRefs(CLI::App& cli);
CCliCommand DeclarePrint(CLI::App& cli);
CCliCommand DeclareWebAlbum(CLI::App& cli);
