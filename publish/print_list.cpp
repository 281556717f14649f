#include "publish/print_list.h"

#include "store/database.h"

std::vector<int32_t> BuildPrintList(const Cdatabase& db, PrintSelection selection) {
  std::vector<int32_t> list;
  if (selection == PrintSelection::kCurrentPicture) {
    if (db.results.position() > 0) list.push_back(db.results.CurrentRecord());
    return list;
  }
  for (const CPictureInfo& entry : db.results) {
    if (entry.selected) list.push_back(entry.record);
  }
  return list;
}
