#include "store/maintenance_testing.h"

#include <algorithm>

#include "store/key_node.h"
#include "store/store_testing.h"

int AddTestRecord(Cdatabase& db, const std::string& id, const std::string& path,
                  const CTestFields& fields, const std::string& label, uint8_t quality,
                  const std::string& sort_text) {
  for (std::string& field : db.fields) field.clear();
  db.fields[kFieldId] = id;
  for (const auto& [field, value] : fields) db.fields[field] = value;
  db.image_path = path;
  db.volume_label = label;
  db.quality = quality;
  db.sort_text = sort_text;
  return db.AddCurrentAsNew();
}

void AddDescribedPictures(Cdatabase& db, int folders, int files_per_folder) {
  const char* const places[] = {
      // Two literals, so that the escape \xB8 does not take the b of "bing".
      "\xC3\x86r\xC3\xB8sk\xC3\xB8"  // NOLINT(bugprone-suspicious-missing-comma)
      "bing",
      "K\xC3\xB6ln", "Ch\xC3\xA2teau d'If", "Troms\xC3\xB8", "Z\xC3\xBCrich"};
  db.id_counter = 1;
  for (int folder = 0; folder < folders; ++folder) {
    for (int file = 0; file < files_per_folder; ++file) {
      AddTestPicture(
          db, "/photos/trip" + std::to_string(folder) + "/IMG_" + std::to_string(file) + ".JPG");
    }
  }
  for (int record = 1; record <= folders * files_per_folder; ++record) {
    db.GoToRecord(record);
    db.fields[kFieldWhen] = std::to_string(record % 28 + 1) + " juli 2004";
    db.fields[kFieldWhere] = places[record % 5];
    db.fields[kFieldDescription] = record == 1 ? "Same bench as 000030"
                                               : "Gr\xC3\xBC\xC3\x9F"
                                                 "e\r\nfra " +
                                                     std::string(places[record % 3]);
    db.fields[kFieldCategory] = record % 2 ? "TRAVEL FAMILY" : "TRAVEL";
    db.fields[kFirstUserField + 1] = record % 4 ? "" : "Film " + std::to_string(record / 4);
    // A failed update shows in the checks that the tests make of the index.
    (void)db.UpdateCurrent();
  }
}

namespace {

std::string IdOf(Cdatabase& db, int32_t record) {
  db.GoToRecord(record);
  return db.fields[kFieldId];
}

}  // namespace

std::vector<std::string> FoundIds(Cdatabase& db, const std::string& query) {
  db.RunQuery(query);
  std::vector<int32_t> records;
  records.reserve(db.results.size());
  for (const CPictureInfo& entry : db.results) records.push_back(entry.record);
  std::vector<std::string> ids;
  ids.reserve(records.size());
  for (int32_t record : records) ids.push_back(IdOf(db, record));
  return ids;
}

std::map<std::string, std::vector<std::string>> SearchAnswers(Cdatabase& db) {
  std::vector<std::string> keys;
  {
    Cdatabase::COpenFiles files(db);
    db.ListKeys("", std::string(kMaxKeyLength, '\xFF'), false, kRootNode, keys);
  }
  std::map<std::string, std::vector<std::string>> answers;
  for (const std::string& key : keys) {
    for (const std::string& word : {key, "C:" + key, "99:" + key}) {
      std::vector<int32_t> records;
      db.LookupWord(word, records);
      if (records.empty()) continue;
      std::vector<std::string>& ids = answers[word];
      for (int32_t record : records) ids.push_back(IdOf(db, record));
      std::sort(ids.begin(), ids.end());
    }
  }
  return answers;
}

std::vector<std::string> LiveIds(Cdatabase& db) {
  std::vector<std::string> ids;
  Cdatabase::COpenFiles files(db);
  if (!files.ok() || !db.ReadHeader()) return ids;
  for (int32_t n = 1; n < db.header.record_mark; ++n) {
    std::optional<CRecordEntry> entry = db.ReadRecordEntry(static_cast<uint32_t>(n));
    if (!entry) break;
    if (!entry->in_use) continue;
    db.LoadFieldText(entry->field_text);
    ids.push_back(db.fields[kFieldId]);
  }
  return ids;
}
