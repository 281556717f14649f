// snapstore-cli categories: the index's category list, and making and deleting categories
// with the rules of the archiver's category dialogs.
#include <ostream>

#include "app/document_state.h"
#include "base/string_printf.h"
#include "base/text_rules.h"
#include "classify/add_category_model.h"
#include "classify/category_rules.h"
#include "cli/cli.h"
#include "cli/cli_index.h"
#include "cli/console_front_end.h"
#include "platform/folders.h"

namespace {

constexpr const char* kCategoriesUsage =
    "Usage: snapstore-cli categories INDEX.acx [--add NAME... | --delete NAME...]\n"
    "\n"
    "Lists the index's categories, one a line, in the order they were made. --add makes new\n"
    "categories: one word each (write _ for a blank), at most 19 characters, new to the list\n"
    "(the comparison is exact: Summer and summer are two categories). --delete takes\n"
    "categories out of the list; the pictures that carry them keep them. When a name is\n"
    "refused, nothing changes.\n";
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

}  // namespace

int RunCategories(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) return out << kCategoriesUsage, kExitOk;
  if (args.size() == 1) return ListCategories(args[0], out, err);
  const bool add = args.size() > 2 && args[1] == "--add";
  const bool remove = args.size() > 2 && args[1] == "--delete";
  if (!add && !remove) return err << kCategoriesUsage, kExitUsage;

  CCliSession session(out, err);
  if (!session.Open(args[0])) return kExitRefused;
  CConsoleFrontEnd& console = session.console();
  // The names are checked one after the other on a copy: a refusal leaves the list as it was.
  std::vector<std::string> names = session.doc().state.category_names;
  for (size_t i = 2; i < args.size(); ++i) {
    if (add) {
      CAddCategoryModel dialog(console, names);
      dialog.name = args[i];
      if (!dialog.Accept()) return kExitRefused;
    } else if (!RemoveCategoryName(names, args[i])) {
      Say(console, StringPrintf(kMsgNoSuchCategory, args[i].c_str(), args[0].c_str()));
      return kExitRefused;
    }
  }
  session.doc().state.category_names = std::move(names);
  return kExitOk;
}
