// snapstore-cli categories: the index's category list, and making and deleting categories
// with the rules of the archiver's category dialogs.
#include <CLI/CLI.hpp>

#include <memory>
#include <ostream>

#include "app/document_state.h"
#include "base/string_printf.h"
#include "base/text_rules.h"
#include "classify/add_category_model.h"
#include "classify/category_rules.h"
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_index.h"
#include "cli/console_front_end.h"
#include "platform/folders.h"

namespace {

constexpr const char* kCategoriesDetails =
    "Lists the index's categories, one a line, in the order they were made. --add makes new\n"
    "categories: one word each (write _ for a blank), at most 19 characters, new to the list\n"
    "(the comparison is exact: Summer and summer are two categories). --delete takes\n"
    "categories out of the list; the pictures that carry them keep them. When a name is\n"
    "refused, nothing changes.";
constexpr const char* kMsgNoSuchCategory = "There is no category %s in %s.";

int ListCategories(const std::string& index, std::ostream& out, std::ostream& err) {
  CConsoleFrontEnd console(out, err, false);
  Cdatabase db;
  db.SetReadOnly(true);
  if (!OpenIndex(db, index, console)) return kExitRefused;
  const CDocumentStateRead read = ReadDocumentState(index, TempFolder());
  const std::string damage = read.state_file_status.Message();
  if (!damage.empty()) Say(console, damage);
  for (const std::string& name : read.state.category_names) out << DisplayText(name) << '\n';
  return kExitOk;
}

// What categories is given.
struct CCategoriesArguments {
  std::string index;
  std::vector<std::string> add;
  std::vector<std::string> remove;
};

int RunCategories(const CCategoriesArguments& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.add.empty() && arguments.remove.empty()) {
    return ListCategories(arguments.index, out, err);
  }
  CCliSession session(out, err);
  if (!session.Open(arguments.index)) return kExitRefused;
  CConsoleFrontEnd& console = session.console();
  // The names are checked one after the other on a copy: a refusal leaves the list as it was.
  std::vector<std::string> names = session.doc().state.category_names;
  for (const std::string& name : arguments.add) {
    CAddCategoryModel dialog(console, names);
    dialog.name = name;
    if (!dialog.Accept()) return kExitRefused;
  }
  for (const std::string& name : arguments.remove) {
    if (!RemoveCategoryName(names, name)) {
      Say(console, StringPrintf(kMsgNoSuchCategory, name.c_str(), arguments.index.c_str()));
      return kExitRefused;
    }
  }
  session.doc().state.category_names = std::move(names);
  return kExitOk;
}

}  // namespace

CCliCommand DeclareCategories(CLI::App& cli) {
  auto arguments = std::make_shared<CCategoriesArguments>();
  CLI::App& command = DeclareCommand(
      cli, "categories", "list, make or delete the index's categories", kCategoriesDetails);
  AddIndexArgument(command, arguments->index);
  CLI::Option* add =
      command.add_option("--add", arguments->add, "make these categories")->type_name("NAME");
  command.add_option("--delete", arguments->remove, "take these categories out of the list")
      ->type_name("NAME")
      ->excludes(add);
  return {&command, [arguments](std::ostream& out, std::ostream& err) {
            return RunCategories(*arguments, out, err);
          }};
}
