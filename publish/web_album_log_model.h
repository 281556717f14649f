// CWebAlbumLogModel: the log shown after a web album that left records out or met warnings,
// in the read-only log window the imports use, under a title of its own. It only shows.
#pragma once

#include <string>

#include "base/dialog_model.h"
#include "base/string_table.h"

class CWebAlbumLogModel : public CDialogModel {
 public:
  // "\r\n" line ends.
  std::string text;

  std::string Title() const override { return kTitleWebAlbumLog; }
};
