// The page layout of printing: how many pictures go on a page, how many pages a print list
// takes, the cells of a page, whether a picture is turned to match its cell, and the part of
// the cell it fills. All in device units of the printer (or of the preview's page); nothing
// but the pictures is printed.
#pragma once

#include <cstddef>
#include <vector>

#include "base/rect.h"

// The pictures-per-page choice of the "Printing" dialog, as the setting PrintMode keeps it.
enum PrintMode : int {
  kPrintOnePerPage = 0,
  kPrintTwoPerPage = 1,
  kPrintFourPerPage = 2,
  // "Contactsheet": always offered disabled; 30 per page in the page count, no page layout.
  kPrintContactSheet = 3,
};

// Between two cells each keeps this many device units from the division line.
constexpr int kPrintCellGap = 3;

// 1, 2, 4 or 30 (the contact sheet); 1 for a number that is no print mode.
int PicturesPerPage(int print_mode);

// The pages of a print list: (length / pictures per page + 0.8) truncated, which for 1, 2 and
// 4 per page is the quotient rounded up.
int PrintPageCount(size_t list_length, int print_mode);

// The cells of a page of `width` × `height` device units, in printing order: one for the whole
// page; two one above the other; four, left to right and top to bottom. Halves are taken
// with integer division, and the cells keep kPrintCellGap from each division line (the four
// cells also from the page's right and bottom edges). None for the contact sheet.
std::vector<CRect> PrintCells(int print_mode, int width, int height);

// The print-list index that cell `cell` of page `page` (from 1) shows, for pages of `cells`
// cells.
size_t PrintListIndex(int page, size_t cells, size_t cell);

// Whether a picture of `width` × `height` is turned before it goes into `cell`: a landscape
// picture (wider than high) into a portrait cell (higher than wide), or a portrait picture
// into a landscape cell. A square picture or cell never turns anything.
bool TurnForCell(int width, int height, const CRect& cell);

// The part of `cell` that a picture of `width` × `height` fills: scaled to fit, keeping its
// proportions, at the cell's top-left corner (the side that has room to spare is cut short,
// truncated to whole units). Empty at the corner when the cell or the picture has no area.
CRect FitInCell(const CRect& cell, int width, int height);
