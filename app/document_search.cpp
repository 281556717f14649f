// Searching: the search bar's Find and Clear and the "Search" dialog. Each builds a query text;
// the store's word index evaluates it and fills the result list.
#include <algorithm>

#include "app/document.h"
#include "app/search_dialog_model.h"
#include "base/resource_ids.h"
#include "base/string_printf.h"
#include "base/string_table.h"
#include "base/text_rules.h"

namespace {

constexpr const char* kCategoryQueryFormat = " +C:%s";
// The bar search reads this much of the first line of its text field.
constexpr size_t kBarLineLength = 255;

}  // namespace

std::string CSnapstoreDoc::BarQuery(const std::string& words, const std::string& category) {
  std::string query = CutText(words.substr(0, words.find_first_of("\r\n")), kBarLineLength);
  // The category box shows its entries in capitals, and the query carries the text it shows.
  const std::string shown = UpperCase(category);
  if (shown != LoadString(IDS_ALL)) {
    query += StringPrintf(kCategoryQueryFormat, shown.c_str());
  } else if (query.empty()) {
    query = kAllRecordsQuery;
  }
  return query;
}

int CSnapstoreDoc::RunSearchQuery(const std::string& query) {
  front_end_.SetStatusText(STATUS_PANE_MESSAGE, kStatusSearching);
  int found = 0;
  if (index_path.empty()) {
    // Nothing to search: the empty result.
    db.results.Clear();
  } else {
    found = std::max(0, db.RunQuery(query));
    ShowStoreFailure();
  }
  front_end_.SetStatusText(STATUS_PANE_MESSAGE, StringPrintf(kStatusPicturesFound, found));
  return found;
}

void CSnapstoreDoc::FindFromBar(const std::string& words, const std::string& category) {
  search_words = words;
  search_category = category;
  if (title_text.empty()) {
    front_end_.ShowMessage(LoadString(IDS_NO_ARCHIVE), MsgButtons::kOk, MsgIcon::kInformation);
    return;
  }
  ShowSearch(BarQuery(words, category), true);
}

void CSnapstoreDoc::SearchWithDialog() {
  CSoekModel dialog;
  if (front_end_.RunDialog(dialog)) ShowSearch(dialog.query, false);
}

void CSnapstoreDoc::ShowSearch(const std::string& query, bool from_bar) {
  front_end_.BeginWaitCursor();
  const int found = RunSearchQuery(query);
  RefreshRecordStatus();
  if (found == 0) {
    front_end_.EndWaitCursor();
    front_end_.ShowMessage(LoadString(IDS_NO_IMAGES_FOUND), MsgButtons::kOk, MsgIcon::kInformation);
    // The store holds the empty result now: the views must not paint the old list.
    front_end_.UpdateViews(kHintAll);
    return;
  }
  // The first match is the current record now: its picture must be loaded. The bar starts
  // the strip at the top; the dialog keeps its place unless the new list is shorter.
  picture_changed = true;
  first_visible = from_bar ? 1 : std::min(first_visible, db.results.count());
  front_end_.UpdateViews(kHintAll);
  front_end_.EndWaitCursor();
  if (settings.Thumbnails) front_end_.SendCommandToDescendants(CMD_SHOW_STRIP_SCROLLBAR);
}

void CSnapstoreDoc::ClearSearch() {
  search_words.clear();
  search_category = LoadString(IDS_ALL);
  db.results.Clear();
  finder.SetOffline(false);
  RefreshRecordStatus();
  front_end_.UpdateViews(kHintAll);
}
