// snapstore-cli set, delete, search and show: commands on pictures by their IDs.
#include <map>
#include <ostream>

#include "app/picture_id_check.h"
#include "base/string_printf.h"
#include "base/string_table.h"
#include "base/text_rules.h"
#include "cli/cli.h"
#include "cli/cli_index.h"
#include "cli/console_front_end.h"

namespace {

constexpr const char* kSetUsage =
    "Usage: snapstore-cli set INDEX.acx ID FIELD=VALUE...\n"
    "\n"
    "Sets fields of the picture with the ID. FIELD is a field number from 0 to 255 (0 renames\n"
    "the picture) or one of: when, where, description, category, location, reference.\n"
    "User-defined field n is field 99 + n. A VALUE may hold line breaks.\n";
constexpr const char* kDeleteUsage =
    "Usage: snapstore-cli delete INDEX.acx ID...\n"
    "\n"
    "Deletes the pictures with the IDs from the index (the picture files stay).\n";
constexpr const char* kSearchUsage =
    "Usage: snapstore-cli search INDEX.acx [--category NAME] [QUERY]\n"
    "\n"
    "Lists the pictures that match the query, one a line: picture ID, a tab, image path, as\n"
    "the archiver's search bar finds them. Words separated by blanks add their pictures; a\n"
    "word starting with \"+\" keeps only the pictures that have it too; C:WORD searches the\n"
    "categories; WORD* every word or ID that starts with WORD. --category keeps the pictures\n"
    "of that category (ALL, the default, keeps every one); with no words and ALL every\n"
    "picture is listed.\n";
constexpr const char* kShowUsage =
    "Usage: snapstore-cli show INDEX.acx ID\n"
    "\n"
    "Prints every non-empty field of the picture with its number, then its image path, volume\n"
    "label, quality, sort text and thumbnail location.\n";
constexpr const char* kMsgNotUpdated =
    "The picture %s could not be updated: its ID is missing from the index of %s.";

const std::map<std::string, int>& FieldNames() {
  static const std::map<std::string, int> names = {{"when", kFieldWhen},
                                                   {"where", kFieldWhere},
                                                   {"description", kFieldDescription},
                                                   {"category", kFieldCategory},
                                                   {"location", kFieldLocation},
                                                   {"reference", kFieldReference}};
  return names;
}

// A field name or number from 0 to 255; -1 for anything else.
int FieldOf(const std::string& name) {
  auto it = FieldNames().find(LowerCase(name));
  if (it != FieldNames().end()) return it->second;
  if (name.empty() || name.size() > 3 ||
      name.find_first_not_of("0123456789") != std::string::npos) {
    return -1;
  }
  const int field = std::stoi(name);
  return field < kFieldCount ? field : -1;
}

}  // namespace

int RunSet(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) return out << kSetUsage, kExitOk;
  if (args.size() < 3) return err << kSetUsage, kExitUsage;
  std::vector<std::pair<int, std::string>> changes;
  for (size_t i = 2; i < args.size(); ++i) {
    const size_t equals = args[i].find('=');
    const int field = equals == std::string::npos ? -1 : FieldOf(args[i].substr(0, equals));
    if (field < 0) {
      err << "snapstore-cli set: \"" << args[i] << "\" is not FIELD=VALUE\n\n" << kSetUsage;
      return kExitUsage;
    }
    changes.emplace_back(field, StoredLineBreaks(args[i].substr(equals + 1)));
  }
  CCliSession session(out, err);
  if (!session.Open(args[0])) return kExitRefused;
  Cdatabase& db = session.db();
  CConsoleFrontEnd& console = session.console();
  const int record = ReadRecordOf(db, args[0], args[1], console);
  if (record <= 0) return kExitRefused;
  const std::string old_id = db.fields[kFieldId];
  for (auto& [field, value] : changes) {
    if (field == kFieldId) {
      CPictureIdCheck check =
          CheckPictureId(value, old_id, [&db](const std::string& id) { return db.KeyExists(id); });
      if (check.refusal) {
        Say(console, *check.refusal);
        return kExitRefused;
      }
      value = std::move(check.id);
    }
    db.fields[field] = value;
  }
  const int updated = db.UpdateCurrent();
  if (updated > 0) session.doc().modified = true;
  if (updated < 0) return ReportFailure(db, console);
  if (updated == 0) {
    Say(console, StringPrintf(kMsgNotUpdated, old_id.c_str(), args[0].c_str()));
    return kExitRefused;
  }
  return kExitOk;
}

int RunDelete(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) return out << kDeleteUsage, kExitOk;
  if (args.size() < 2) return err << kDeleteUsage, kExitUsage;
  CCliSession session(out, err);
  if (!session.Open(args[0])) return kExitRefused;
  Cdatabase& db = session.db();
  CConsoleFrontEnd& console = session.console();
  int status = kExitOk;
  for (size_t i = 1; i < args.size(); ++i) {
    const int record = ReadRecordOf(db, args[0], args[i], console);
    if (record < 0) return kExitRefused;
    if (record == 0) {
      status = kExitRefused;
      continue;
    }
    db.DeleteCurrent();
    if (!db.status().ok()) return ReportFailure(db, console);
    session.doc().modified = true;
  }
  return status;
}

int RunSearch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) return out << kSearchUsage, kExitOk;
  std::vector<std::string> words;
  std::string category = LoadString(IDS_ALL);
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--category" && i + 1 < args.size()) {
      category = args[++i];
    } else {
      words.push_back(args[i]);
    }
  }
  if (args.empty() || words.size() > 1) return err << kSearchUsage, kExitUsage;
  CCliSession session(out, err);
  if (!session.Open(args[0])) return kExitRefused;
  Cdatabase& db = session.db();
  CConsoleFrontEnd& console = session.console();
  session.doc().FindFromBar(words.empty() ? std::string() : words[0], category);
  if (!db.status().ok()) return kExitRefused;
  Cdatabase::COpenFiles files(db);
  for (const auto& entry : db.results) {
    db.GoToRecord(entry->record);
    if (!db.status().ok()) return ReportFailure(db, console);
    out << DisplayText(db.fields[kFieldId]) << '\t' << DisplayText(db.image_path) << '\n';
  }
  return kExitOk;
}

int RunShow(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) return out << kShowUsage, kExitOk;
  if (args.size() != 2) return err << kShowUsage, kExitUsage;
  CCliSession session(out, err);
  if (!session.Open(args[0])) return kExitRefused;
  Cdatabase& db = session.db();
  CConsoleFrontEnd& console = session.console();
  const int record = ReadRecordOf(db, args[0], args[1], console);
  if (record <= 0) return kExitRefused;
  for (int i = 0; i < kFieldCount; ++i) {
    if (!db.fields[i].empty()) out << i << ": " << ConsoleLines(DisplayText(db.fields[i])) << '\n';
  }
  out << "path: " << DisplayText(db.image_path) << '\n'
      << "label: " << DisplayText(db.volume_label) << '\n'
      << "quality: " << int{db.quality} << '\n'
      << "sort text: " << DisplayText(db.entry().SortText()) << '\n'
      << "thumbnail: file " << int{db.entry().thumb_file} << " slot " << db.entry().thumb_slot
      << '\n';
  return kExitOk;
}
