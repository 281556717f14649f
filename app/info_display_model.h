// CInfoDisplayModel, the picture information dialog (CInfoDisplay, dialog 193): a list of
// label and value rows, white and light blue by turns, that is as tall as its rows need, a
// status text when the picture's file could not be read, and "Close". The user may select
// rows and copy them, to paste camera data elsewhere.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "base/dialog_model.h"
#include "imaging/picture_info_texts.h"

// The heights of the list and the dialog for a number of rows: each row adds its height, and
// the list and the dialog each add a margin of their own (the list's header and border; the
// dialog's border, status text and button row). The numbers given are those of a list with
// rows 14 pixels tall; a window puts in the ones its toolkit measures.
struct CInfoDisplayLayout {
  int row_height = 14;
  int list_margin = 38;
  int dialog_margin = 110;

  int ListHeight(int rows) const { return row_height * rows + list_margin; }
  int DialogHeight(int rows) const { return row_height * rows + dialog_margin; }
};

class CInfoDisplayModel : public CDialogModel {
 public:
  // `status_text`: why the file rows are missing; empty when the file was read.
  CInfoDisplayModel(std::vector<CInfoPair> pairs, std::string status_text);

  std::string Title() const override;
  // Lists the rows.
  void Open() override;

  const std::vector<CInfoPair>& Pairs() const { return pairs_; }
  // The rows the list shows, once opened: the pairs whose label and value are both non-empty,
  // in pair order, each text on one line (a line break or tab inside a value becomes a blank)
  // and as UTF-8.
  const std::vector<CInfoPair>& Rows() const { return rows_; }
  const std::string& StatusText() const { return status_text_; }
  // Rows as the clipboard gets them: "label<TAB>value" and a line feed for each of the rows
  // at `indexes` (0-based, in the order given; others are skipped).
  std::string CopyText(const std::vector<size_t>& indexes) const;

 private:
  std::vector<CInfoPair> pairs_;
  std::string status_text_;
  std::vector<CInfoPair> rows_;
};
