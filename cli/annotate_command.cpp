// snapstore-cli annotate: a picture described as the archiver's description editor describes
// it when OK is pressed, through the same model, rules and messages.
#include <algorithm>
#include <optional>
#include <ostream>

#include "app/picture_description_model.h"
#include "base/string_printf.h"
#include "base/text_rules.h"
#include "cli/cli.h"
#include "cli/cli_index.h"
#include "cli/console_front_end.h"

namespace {

constexpr const char* kAnnotateUsage =
    "Usage: snapstore-cli annotate INDEX.acx ID [--when T] [--where T] [--description T]\n"
    "                  [--category WORD]... [--location T] [--reference T] [--quality 1-4]\n"
    "                  [--id NEWID]\n"
    "\n"
    "Describes the picture with the ID as the archiver's description editor does when OK is\n"
    "pressed with these values. The texts given replace the picture's (they may hold line\n"
    "breaks); the categories given, each one of the index's categories, replace those of the\n"
    "index's list that the picture has; a location not known yet becomes the first of the\n"
    "storage locations; --id renames the picture, with the editor's checks. TO_BE_DESCRIBED\n"
    "is taken off the picture. Prints nothing on success.\n";
constexpr const char* kMsgNoSuchCategory =
    "There is no category %s in %s. Make it first with snapstore-cli categories --add.";

struct CAnnotateOptions {
  std::optional<std::string> when, where, description, location, reference, id;
  std::optional<std::vector<std::string>> categories;
  std::optional<int> quality;

  // The editor's fields as a user would fill them in.
  void Fill(CPictDescrModel& sheet) const {
    if (id) sheet.description.id = *id;
    if (when) sheet.description.when() = *when;
    if (where) sheet.description.where() = *where;
    if (description) sheet.description.description() = *description;
    if (location) sheet.info.location = *location;
    if (reference) sheet.info.reference = *reference;
    if (quality) sheet.info.quality_line = *quality - 1;
    if (categories) {
      const auto& items = sheet.categories.choice.Items();
      for (size_t i = 0; i < items.size(); ++i) {
        const bool given =
            std::find(categories->begin(), categories->end(), items[i].name) != categories->end();
        sheet.categories.choice.SetTicked(i, given);
      }
    }
  }
};

int Usage(std::ostream& err, const std::string& reason) {
  err << "snapstore-cli annotate: " << reason << "\n\n" << kAnnotateUsage;
  return kExitUsage;
}

// The options after INDEX and ID, or the exit status of bad usage.
int ParseOptions(const std::vector<std::string>& args, CAnnotateOptions& options,
                 std::ostream& err) {
  for (size_t i = 2; i < args.size(); i += 2) {
    const std::string& option = args[i];
    if (i + 1 >= args.size()) return Usage(err, option + " needs a value");
    const std::string& value = args[i + 1];
    if (option == "--when") {
      options.when = StoredLineBreaks(value);
    } else if (option == "--where") {
      options.where = StoredLineBreaks(value);
    } else if (option == "--description") {
      options.description = StoredLineBreaks(value);
    } else if (option == "--location") {
      options.location = value;
    } else if (option == "--reference") {
      options.reference = value;
    } else if (option == "--id") {
      options.id = value;
    } else if (option == "--category") {
      if (!options.categories) options.categories.emplace();
      options.categories->push_back(value);
    } else if (option == "--quality") {
      if (value.size() != 1 || value[0] < '1' || value[0] > '4') {
        return Usage(err, "--quality takes 1, 2, 3 or 4");
      }
      options.quality = value[0] - '0';
    } else {
      return Usage(err, "unknown option " + option);
    }
  }
  return -1;
}

}  // namespace

int RunAnnotate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) return out << kAnnotateUsage, kExitOk;
  if (args.size() < 2) return err << kAnnotateUsage, kExitUsage;
  CAnnotateOptions options;
  if (int status = ParseOptions(args, options, err); status >= 0) return status;

  CCliSession session(out, err);
  if (!session.Open(args[0])) return kExitRefused;
  CSnapstoreDoc& doc = session.doc();
  CConsoleFrontEnd& console = session.console();
  if (ReadRecordOf(doc.db, args[0], args[1], console) <= 0) return kExitRefused;
  const std::vector<std::string>& names = doc.state.category_names;
  for (const std::string& category : options.categories.value_or(std::vector<std::string>{})) {
    if (std::find(names.begin(), names.end(), category) == names.end()) {
      Say(console, StringPrintf(kMsgNoSuchCategory, category.c_str(), args[0].c_str()));
      return kExitRefused;
    }
  }
  console.SetDialogAnswer<CPictDescrModel>([&options](CPictDescrModel& sheet) {
    options.Fill(sheet);
    return sheet.Accept();
  });
  return doc.Annotate() == AnnotateResult::kStored ? kExitOk : kExitRefused;
}
