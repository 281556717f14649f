#include "classify/cell_editor_model.h"

std::optional<CCell> CCellEditorModel::Close() {
  std::optional<CCell> closed = open_;
  open_.reset();
  return closed;
}

std::optional<CCellEditorModel::CMove> CCellEditorModel::MoveOn(CCellKey key) {
  if (!open_) return std::nullopt;
  CMove move{*open_, *open_};
  if (key == CCellKey::kUp && move.next.row > 0) --move.next.row;
  if (key == CCellKey::kDown && move.next.row < row_count_ - 1) ++move.next.row;
  open_ = move.next;
  return move;
}
