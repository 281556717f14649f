#include "app/strip_grid.h"

namespace {

constexpr int kColumns[] = {1, 2, 4, 6, 8};
constexpr int kDefaultViewMode = 3;

}  // namespace

int NormalisedViewMode(int view_mode) {
  return view_mode >= 1 && view_mode <= 5 ? view_mode : kDefaultViewMode;
}

int StripColumns(int view_mode) { return kColumns[NormalisedViewMode(view_mode) - 1]; }

int NavigationRows(int view_height, int thumb_size) {
  return (view_height - 5) / (thumb_size + 20);
}
