#include "publish/print_list.h"

#include "store/database.h"

std::vector<int32_t> BuildPrintList(const Cdatabase& db, PrintSelection selection) {
  std::vector<int32_t> list;
  if (selection == PrintSelection::kCurrentPicture) {
    if (db.position >= 1 && static_cast<size_t>(db.position) <= db.results.size()) {
      list.push_back(db.results[static_cast<size_t>(db.position) - 1]->record);
    }
    return list;
  }
  for (const auto& entry : db.results) {
    if (entry->selected) list.push_back(entry->record);
  }
  return list;
}
