// The rules of the in-place editors over a list's cells (CEditField, CComboField): the field
// list of the description editor, the Fields page, the CSV mapping. One editor is open at a
// time. It writes its text into its cell when it loses the focus and when its owner closes it;
// Ctrl with an arrow key in it asks the owner (command 144 with the key) to write the text
// into the cell and open an editor in the same column of the row above (Up, not above the
// first row) or below (Down, not below the last row); Left and Right keep the row.
#pragma once

#include <optional>

enum class CCellKey { kLeft, kUp, kRight, kDown };

struct CCell {
  int row = 0;
  int column = 0;
  bool operator==(const CCell&) const = default;
};

class CCellEditorModel {
 public:
  explicit CCellEditorModel(int row_count) : row_count_(row_count) {}

  // The cell of the open editor, if one is open.
  const std::optional<CCell>& open() const { return open_; }

  // An editor opens over the cell (a click on it); one open before must have been closed.
  void Open(CCell cell) { open_ = cell; }
  // The open editor goes (it lost the focus, or its owner closes it): the cell its text goes
  // into, or nothing when none was open.
  std::optional<CCell> Close();

  struct CMove {
    CCell committed;  // where the open editor's text goes
    CCell next;       // where the next editor opens
  };
  // Command 144: the open editor goes and the next opens over the neighbouring cell; nothing
  // when no editor is open.
  std::optional<CMove> MoveOn(CCellKey key);

 private:
  int row_count_;
  std::optional<CCell> open_;
};
