// CPictDescrModel, the description editor (the property sheet CPictDescr, "Image
// description") over the store's current record, with the pages "Description", "Categories",
// "Info" and "File". The ID is checked when the user turns from the Description page to
// another and on OK; a refused ID keeps the sheet on the Description page.
//
// The document fills the model from the current record and what it remembers (Load), runs
// it, and on OK writes it back into the record and its own fields (Store) before the store
// updates the record.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/annotation_defaults.h"
#include "app/description_page_model.h"
#include "app/file_page_model.h"
#include "app/info_page_model.h"
#include "base/dialog_model.h"
#include "classify/category_page_model.h"

class Cdatabase;
class CFrontEnd;

enum class DescriptionPage { kDescription, kCategories, kInfo, kFile };

class CPictDescrModel : public CDialogModel {
 public:
  // `key_exists` answers whether the key tree holds a live key (the uniqueness of a new ID).
  // The references must outlive the model; "New..." and "Delete" on the Categories page
  // change `category_names` at once.
  CPictDescrModel(CFrontEnd& front_end, std::function<bool(const std::string&)> key_exists,
                  std::vector<std::string>& category_names);

  CDescriptionPageModel description;
  CCategoryPageModel categories;
  CInfoPageModel info;
  CFilePageModel file;
  // The page shown.
  DescriptionPage page = DescriptionPage::kDescription;
  // Going in: where the sheet opens when its left edge is above 0; coming out, on any close:
  // where it was.
  CRect placement;

  // The current record's values and what the document remembers. Categories that are empty
  // or "TO_BE_DESCRIBED" take the remembered default categories when "Set as default" is on.
  void Load(const Cdatabase& record, const CAnnotationDefaults& defaults,
            const std::array<std::string, kStorageLocationCount>& locations,
            const std::vector<CUserDefFields>& definitions);

  std::string Title() const override { return "Image description"; }
  // "Browse" on the File page.
  void BrowseFile();
  // The user turns to another page: leaving the Description page checks the ID first. False
  // keeps the page.
  bool ChangePage(DescriptionPage to);
  // OK: the ID's checks (a refusal returns to the Description page), then the picture path's
  // (a refusal returns to the File page).
  bool Accept() override;

  // After OK: the record's fields 0 to 4 (the categories without "TO_BE_DESCRIBED"), 9, 10,
  // the user-defined values, quality and path; the remembered flags and texts; the storage
  // locations and the definitions' values and flags.
  void Store(Cdatabase& record, CAnnotationDefaults& defaults,
             std::array<std::string, kStorageLocationCount>& locations,
             std::vector<CUserDefFields>& definitions) const;

 private:
  CFrontEnd& front_end_;
  std::function<bool(const std::string&)> key_exists_;
};
