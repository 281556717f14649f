// CDeleteModel, the delete dialog (CDeleteDlg, dialog 137) "Are you sure you want to delete?"
// with the scope "This picture" or "Selected pictures": Yes is its OK, No its Cancel.
#pragma once

#include <string>

#include "base/dialog_model.h"

enum class DeleteScope { kThisPicture, kSelectedPictures };

class CDeleteModel : public CDialogModel {
 public:
  explicit CDeleteModel(DeleteScope preset) : scope(preset) {}

  // Going in: the preset scope; coming out: the scope chosen.
  DeleteScope scope = DeleteScope::kThisPicture;

  std::string Title() const override { return "Delete picture"; }
};
