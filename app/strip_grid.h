// The thumbnail strip's grid as the document steps through it: the columns of each view mode
// and the rows that navigation and scrolling count. The view's painting geometry
// (ui/strip_layout.h) builds on the same numbers.
#pragma once

// View modes 1 to 5 show 1, 2, 4, 6 or 8 columns; other values are treated as mode 3.
int NormalisedViewMode(int view_mode);
int StripColumns(int view_mode);
// Rows counted by navigation and scrolling in every mode: (view height − 5) / (T + 20).
int NavigationRows(int view_height, int thumb_size);
