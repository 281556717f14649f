// snapstore-cli annotate: a picture described as the archiver's description editor describes
// it when OK is pressed, through the same model, rules and messages.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>

#include "app/picture_description_model.h"
#include "base/string_printf.h"
#include "base/text_rules.h"
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_index.h"
#include "cli/console_front_end.h"

namespace {

constexpr const char* kAnnotateDetails =
    "Describes the picture with the ID as the archiver's description editor does when OK is\n"
    "pressed with these values. The texts given replace the picture's (they may hold line\n"
    "breaks); the categories given, each one of the index's categories, replace those of the\n"
    "index's list that the picture has; a location not known yet becomes the first of the\n"
    "storage locations; --id renames the picture, with the editor's checks. TO_BE_DESCRIBED\n"
    "is taken off the picture. Prints nothing on success.";
constexpr const char* kMsgNoSuchCategory =
    "There is no category %s in %s. Make it first with snapstore-cli categories --add.";

struct CAnnotateOptions {
  std::string index;
  std::string picture;  // the ID of the picture to describe
  std::optional<std::string> when, where, description, location, reference, id;
  std::vector<std::string> categories;
  bool categories_given = false;
  std::optional<int> quality;

  // The editor's fields as a user would fill them in.
  void Fill(CPictDescrModel& sheet) const {
    if (id) sheet.description.id = *id;
    if (when) sheet.description.when() = StoredLineBreaks(*when);
    if (where) sheet.description.where() = StoredLineBreaks(*where);
    if (description) sheet.description.description() = StoredLineBreaks(*description);
    if (location) sheet.info.location = *location;
    if (reference) sheet.info.reference = *reference;
    if (quality) sheet.info.quality_line = *quality - 1;
    if (categories_given) {
      const auto& items = sheet.categories.choice.Items();
      for (size_t i = 0; i < items.size(); ++i) {
        const bool given =
            std::find(categories.begin(), categories.end(), items[i].name) != categories.end();
        sheet.categories.choice.SetTicked(i, given);
      }
    }
  }
};

int RunAnnotate(const CAnnotateOptions& options, std::ostream& out, std::ostream& err) {
  CCliSession session(out, err);
  if (!session.Open(options.index)) return kExitRefused;
  CSnapstoreDoc& doc = session.doc();
  CConsoleFrontEnd& console = session.console();
  if (ReadRecordOf(doc.db, options.index, options.picture, console) <= 0) return kExitRefused;
  const std::vector<std::string>& names = doc.state.category_names;
  for (const std::string& category : options.categories) {
    if (std::find(names.begin(), names.end(), category) == names.end()) {
      Say(console, StringPrintf(kMsgNoSuchCategory, category.c_str(), options.index.c_str()));
      return kExitRefused;
    }
  }
  console.SetDialogAnswer<CPictDescrModel>([&options](CPictDescrModel& sheet) {
    options.Fill(sheet);
    return sheet.Accept();
  });
  return doc.Annotate() == AnnotateResult::kStored ? kExitOk : kExitRefused;
}

// A text option of annotate: given again, the last one counts.
void AddTextOption(CLI::App& command, const std::string& name, std::optional<std::string>& value,
                   const std::string& what, const std::string& type) {
  command.add_option(name, value, what)
      ->type_name(type)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

}  // namespace

CCliCommand DeclareAnnotate(CLI::App& cli) {
  auto options = std::make_shared<CAnnotateOptions>();
  CLI::App& command = DeclareCommand(
      cli, "annotate", "describe a picture as the description editor does", kAnnotateDetails);
  AddIndexArgument(command, options->index);
  command.add_option("ID", options->picture, "the picture ID")->required()->type_name("");
  AddTextOption(command, "--when", options->when, "the When text", "T");
  AddTextOption(command, "--where", options->where, "the Where text", "T");
  AddTextOption(command, "--description", options->description, "the description", "T");
  CLI::Option* category =
      command.add_option("--category", options->categories, "a category the picture has")
          ->type_name("WORD")
          ->allow_extra_args(false);
  AddTextOption(command, "--location", options->location, "the storage location", "T");
  AddTextOption(command, "--reference", options->reference, "the reference", "T");
  const CLI::Validator quality(
      [](const std::string& value) {
        const bool valid = value.size() == 1 && value[0] >= '1' && value[0] <= '4';
        return valid ? std::string() : "takes 1, 2, 3 or 4";
      },
      "");
  command.add_option("--quality", options->quality, "the quality, 1 the best")
      ->type_name("1-4")
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
      ->check(quality);
  AddTextOption(command, "--id", options->id, "a new picture ID", "NEWID");
  return {&command, [options, category](std::ostream& out, std::ostream& err) {
            options->categories_given = category->count() > 0;
            return RunAnnotate(*options, out, err);
          }};
}
