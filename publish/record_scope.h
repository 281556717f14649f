// CRecordScope: which records a publishing command works on, as its dialog offers them: the
// "Category" / "Selected" radio buttons and the category box. "Category" takes every record of
// the chosen category; "Selected" the records marked in the current result list. Choosing
// "Selected" disables the category box; "Selected" itself is disabled while nothing is marked.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CResultList;
class Cdatabase;

class CRecordScope {
 public:
  enum class Scope { kCategory, kSelected };
  // The category box's first entry, which chooses nothing.
  static constexpr const char* kNoCategory = "-- Select category --";

  // --- set before the dialog opens ---
  std::vector<std::string> categories;  // the photo index's categories, in list order
  bool any_selected = false;            // a record of the current list is marked

  // --- the user's choice ---
  Scope scope = Scope::kCategory;
  int category_entry = 0;  // index into CategoryEntries(); 0 is kNoCategory

  // The defaults: "Selected" when a record is marked, else "Category"; no category chosen.
  void Open();
  // kNoCategory, then the categories.
  std::vector<std::string> CategoryEntries() const;
  bool SelectedEnabled() const { return any_selected; }
  bool CategoryEnabled() const { return scope == Scope::kCategory; }
  // Picks the radio button; "Selected" only while it is enabled.
  void Choose(Scope chosen);
  // Picks the category box's entry of that name (exactly as listed; failing that, the one
  // that equals it ignoring case); false, choosing nothing, when there is none.
  bool ChooseCategory(const std::string& name);
  // The chosen category; empty when none is.
  std::string Category() const;
  // A scope the command can collect records for: "Selected", or a chosen category.
  bool Complete() const { return scope == Scope::kSelected || !Category().empty(); }
};

// The records of the scope, in order: "Selected", the marked entries of `current` in list
// order; "Category", the search "C:" followed by the category in `store` (a store object of the
// command's own, whose result list it fills), in result order. Empty when the store failed
// (its status tells why).
std::vector<int32_t> CollectRecords(const CRecordScope& scope, const CResultList& current,
                                    Cdatabase& store);
