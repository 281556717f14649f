// Feeds arbitrary bytes to the text import as an export file, into a new index. Every record
// it adds must have a picture ID that finds it, and the count it returns must be the number
// of records added. Exported and imported again, what it imported settles to a file that
// stays the same.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unordered_set>
#include <vector>

#include "store/database.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// A folder of this run, removed at exit (the name outlives every static destructor).
const std::string& Folder() {
  static const std::string* const folder = [] {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/text_import_fuzz_XXXXXX";
    Check(mkdtemp(pattern.data()) != nullptr);
    return new std::string(pattern);
  }();
  static const int cleanup = std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(*folder, ignored);
  });
  (void)cleanup;
  return *folder;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A new index named `name` with the file imported; the definitions it read.
std::vector<CExportDefinition> Import(Cdatabase& db, const std::string& name,
                                      const std::string& file) {
  db.SetFileNames(Folder() + "/" + name + ".acx");
  Check(db.CreateFiles());
  std::vector<std::string> categories;
  std::vector<CExportDefinition> definitions;
  const int added = db.ImportText(file, categories, definitions);
  Check(db.status().ok());

  // Every live record has a picture ID that finds it.
  std::vector<std::string> ids;
  {
    Cdatabase::COpenFiles files(db);
    Check(files.ok() && db.ReadHeader());
    for (int32_t n = 1; n < db.header.record_mark; ++n) {
      std::optional<CRecordEntry> entry = db.ReadRecordEntry(static_cast<uint32_t>(n));
      Check(entry.has_value());
      if (!entry->in_use) continue;
      db.LoadFieldText(entry->field_text);
      Check(!db.fields[kFieldId].empty());
      ids.push_back(db.fields[kFieldId]);
    }
  }
  Check(static_cast<int>(ids.size()) == added);
  for (const std::string& id : ids) Check(db.RecordOfId(id) > 0);
  std::unordered_set<std::string> seen;
  for (const std::string& word : categories) Check(!word.empty() && seen.insert(word).second);
  return definitions;
}

std::string ExportAll(Cdatabase& db, const std::string& file,
                      const std::vector<CExportDefinition>& definitions) {
  const int records = db.RunQuery(kAllRecordsQuery);
  Check(db.ExportText(file, definitions) == records);
  Check(db.status().ok());
  return ReadAll(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input = Folder() + "/input.exp";
  std::ofstream(input, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

  // Each export writes what its index made of its input: values trimmed, a picture ID of
  // several lines read as its last line and then trimmed, long lines cut. Two round trips
  // settle all of that; from then on the file stays the same.
  std::string file = input;
  std::string previous;
  for (int round = 1; round <= 4; ++round) {
    Cdatabase db;
    const std::string name = "round" + std::to_string(round);
    const auto definitions = Import(db, name, file);
    file = Folder() + "/" + name + ".exp";
    const std::string exported = ExportAll(db, file, definitions);
    if (round == 4) Check(exported == previous);
    previous = exported;
  }
  return 0;
}
