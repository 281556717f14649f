// CSoekModel, the "Search" dialog (CSoek, dialog 130) of the toolbar's search button: one
// multi-line field for a query as the store reads it, "Search" (its OK) and "Cancel".
#pragma once

#include <string>

#include "base/dialog_model.h"

class CSoekModel : public CDialogModel {
 public:
  // Coming out: the query.
  std::string query;

  std::string Title() const override { return "Search"; }
  // The text as typed. Return in the field starts a new line instead of pressing Search; the
  // store's queries split words at blanks, not at line breaks, so each line break becomes a
  // blank between words.
  void SetTypedText(const std::string& text);
};
