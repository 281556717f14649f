// snapstore-cli set, delete, search, show and info: commands on pictures by their IDs.
#include <CLI/CLI.hpp>

#include <map>
#include <memory>
#include <ostream>

#include "app/info_display_model.h"
#include "base/string_printf.h"
#include "base/string_table.h"
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_index.h"
#include "cli/console_front_end.h"
#include "import/id_format_mask.h"
#include "store/text_rules.h"

namespace {

constexpr const char* kMsgEmptyId = "A picture ID must not be empty.";
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

// Line breaks as the store keeps them: carriage return and line feed.
std::string StoredLineBreaks(const std::string& value) {
  std::string text;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') continue;
    if (value[i] == '\n') text += '\r';
    text += value[i];
  }
  return text;
}

// Finds and reads the record with the picture ID `id`: its number; 0 when there is none and
// -1 when the store failed, both reported.
int ReadRecordOf(Cdatabase& db, const std::string& index, const std::string& id,
                 CConsoleFrontEnd& console) {
  const int record = RecordOf(db, index, id, console);
  if (record == 0) return 0;
  db.GoToRecord(record);
  if (!db.status().ok()) return ReportFailure(db, console), -1;
  return record;
}

// The editor's checks of a new picture ID; the message that refuses it, or nothing.
std::optional<std::string> RefuseNewId(Cdatabase& db, const std::string& id,
                                       const std::string& old_id) {
  if (id.empty()) return kMsgEmptyId;
  if (id.size() > kMaxKeyLength) return LoadString(IDS_ID_TOO_LONG);
  if (id.find_first_of(kIllegalIdCharacters) != std::string::npos) {
    return LoadString(IDS_ID_ILLEGAL_CHARACTER);
  }
  if (id != old_id && db.KeyExists(id)) return LoadString(IDS_ID_NOT_UNIQUE);
  return std::nullopt;
}

// What set, delete, search and show are given.
struct CRecordArguments {
  std::string index;
  std::string id;
  std::vector<std::string> ids;
  std::vector<std::string> changes;  // FIELD=VALUE
  std::string category;
  std::string query;
};

// A FIELD=VALUE of set: the field and the value with its line breaks as stored.
std::pair<int, std::string> ChangeOf(const std::string& change) {
  const size_t equals = change.find('=');
  return {FieldOf(change.substr(0, equals)), StoredLineBreaks(change.substr(equals + 1))};
}

int RunSet(const CRecordArguments& arguments, std::ostream& out, std::ostream& err) {
  std::vector<std::pair<int, std::string>> changes;
  for (const std::string& change : arguments.changes) changes.push_back(ChangeOf(change));
  CCliSession session(out, err);
  if (!session.Open(arguments.index)) return kExitRefused;
  Cdatabase& db = session.db();
  CConsoleFrontEnd& console = session.console();
  const int record = ReadRecordOf(db, arguments.index, arguments.id, console);
  if (record <= 0) return kExitRefused;
  const std::string old_id = db.fields[kFieldId];
  for (auto& [field, value] : changes) {
    if (field == kFieldId) {
      value = UpperCase(TrimBlanks(value));
      if (std::optional<std::string> refusal = RefuseNewId(db, value, old_id)) {
        Say(console, *refusal);
        return kExitRefused;
      }
    }
    db.fields[field] = value;
  }
  const UpdateResult updated = db.UpdateCurrent();
  if (updated == UpdateResult::kDone) session.doc().modified = true;
  if (updated == UpdateResult::kFailed) return ReportFailure(db, console);
  if (updated == UpdateResult::kIdMissing) {
    Say(console, StringPrintf(kMsgNotUpdated, old_id.c_str(), arguments.index.c_str()));
    return kExitRefused;
  }
  return kExitOk;
}

int RunDelete(const CRecordArguments& arguments, std::ostream& out, std::ostream& err) {
  CCliSession session(out, err);
  if (!session.Open(arguments.index)) return kExitRefused;
  Cdatabase& db = session.db();
  CConsoleFrontEnd& console = session.console();
  int status = kExitOk;
  for (const std::string& id : arguments.ids) {
    const int record = ReadRecordOf(db, arguments.index, id, console);
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

int RunSearch(const CRecordArguments& arguments, std::ostream& out, std::ostream& err) {
  CCliSession session(out, err);
  if (!session.Open(arguments.index)) return kExitRefused;
  Cdatabase& db = session.db();
  CConsoleFrontEnd& console = session.console();
  session.doc().FindFromBar(arguments.query, arguments.category);
  if (!db.status().ok()) return kExitRefused;
  Cdatabase::COpenFiles files(db);
  for (const CPictureInfo& entry : db.results) {
    db.GoToRecord(entry.record);
    if (!db.status().ok()) return ReportFailure(db, console);
    out << DisplayText(db.fields[kFieldId]) << '\t' << DisplayText(db.image_path) << '\n';
  }
  return kExitOk;
}

int RunShow(const CRecordArguments& arguments, std::ostream& out, std::ostream& err) {
  CCliSession session(out, err);
  if (!session.Open(arguments.index)) return kExitRefused;
  Cdatabase& db = session.db();
  CConsoleFrontEnd& console = session.console();
  const int record = ReadRecordOf(db, arguments.index, arguments.id, console);
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

int RunInfo(const CRecordArguments& arguments, std::ostream& out, std::ostream& err) {
  CCliSession session(out, err);
  if (!session.Open(arguments.index)) return kExitRefused;
  // A reading command: the store files, the state file and the result-list file stay as they
  // are, and no backup is written.
  session.db().SetReadOnly(true);
  session.doc().Abandon();
  Cdatabase& db = session.db();
  CConsoleFrontEnd& console = session.console();
  if (ReadRecordOf(db, arguments.index, arguments.id, console) <= 0) return kExitRefused;
  CInfoDisplayModel info = session.doc().PictureInfo();
  info.Open();
  for (const CInfoPair& row : info.Rows()) out << row.label << '\t' << row.value << '\n';
  if (info.StatusText().empty()) return kExitOk;
  Say(console, info.StatusText());
  return kExitRefused;
}

using CRecordRun = int (*)(const CRecordArguments& arguments, std::ostream& out, std::ostream& err);

// The command with the index as its first argument; `declare` adds the others.
template <typename Declare>
CCliCommand DeclareRecordCommand(CLI::App& cli, const char* name, const char* summary,
                                 const char* details, CRecordRun run, Declare declare) {
  auto arguments = std::make_shared<CRecordArguments>();
  CLI::App& command = DeclareCommand(cli, name, summary, details);
  AddIndexArgument(command, arguments->index);
  declare(command, *arguments);
  return {&command, [arguments, run](std::ostream& out, std::ostream& err) {
            return run(*arguments, out, err);
          }};
}

void AddIdArgument(CLI::App& command, CRecordArguments& arguments) {
  command.add_option("ID", arguments.id, "the picture ID")->required()->type_name("");
}

}  // namespace

CCliCommand DeclareSet(CLI::App& cli) {
  return DeclareRecordCommand(
      cli, "set", "set fields of a picture",
      "Sets fields of the picture with the ID. FIELD is a field number from 0 to 255 (0 renames\n"
      "the picture) or one of: when, where, description, category, location, reference.\n"
      "User-defined field n is field 99 + n. A VALUE may hold line breaks.",
      RunSet, [](CLI::App& command, CRecordArguments& arguments) {
        AddIdArgument(command, arguments);
        const CLI::Validator change(
            [](const std::string& text) {
              const size_t equals = text.find('=');
              const bool field =
                  equals != std::string::npos && FieldOf(text.substr(0, equals)) >= 0;
              return field ? std::string() : "\"" + text + "\" is not FIELD=VALUE";
            },
            "");
        command.add_option("CHANGES", arguments.changes, "the fields and their new values")
            ->required()
            ->option_text("FIELD=VALUE...")
            ->check(change);
      });
}

CCliCommand DeclareDelete(CLI::App& cli) {
  return DeclareRecordCommand(
      cli, "delete", "delete pictures",
      "Deletes the pictures with the IDs from the index (the picture files stay).", RunDelete,
      [](CLI::App& command, CRecordArguments& arguments) {
        command.add_option("ID", arguments.ids, "the picture IDs")->required()->type_name("");
      });
}

CCliCommand DeclareSearch(CLI::App& cli) {
  return DeclareRecordCommand(
      cli, "search", "list the pictures that match a query",
      "Lists the pictures that match the query, one a line: picture ID, a tab, image path, as\n"
      "the archiver's search bar finds them. Words separated by blanks add their pictures; a\n"
      "word starting with \"+\" keeps only the pictures that have it too; C:WORD searches the\n"
      "categories; WORD* every word or ID that starts with WORD. --category keeps the pictures\n"
      "of that category (ALL, the default, keeps every one); with no words and ALL every\n"
      "picture is listed.",
      RunSearch, [](CLI::App& command, CRecordArguments& arguments) {
        command.add_option("QUERY", arguments.query, "the words to find")->type_name("");
        arguments.category = LoadString(IDS_ALL);
        command.add_option("--category", arguments.category, "the category to keep")
            ->type_name("NAME")
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
      });
}

CCliCommand DeclareShow(CLI::App& cli) {
  return DeclareRecordCommand(
      cli, "show", "print a picture's record",
      "Prints every non-empty field of the picture with its number, then its image path, volume\n"
      "label, quality, sort text and thumbnail location.",
      RunShow, AddIdArgument);
}

CCliCommand DeclareInfo(CLI::App& cli) {
  return DeclareRecordCommand(
      cli, "info", "print a picture's information",
      "Prints the picture information of the picture with the ID, as the archiver's Picture\n"
      "information dialog lists it: one line per row, its label, a tab, its value. The picture\n"
      "file is found on its medium as the archiver finds it. When the file cannot be read (its\n"
      "medium is not mounted, it is missing, or it is no JPEG or TIFF picture) the record's own\n"
      "rows are printed, the reason goes to standard error and the exit status is 1.",
      RunInfo, AddIdArgument);
}
