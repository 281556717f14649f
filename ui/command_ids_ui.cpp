#include "ui/command_ids_ui.h"

#include <wx/defs.h>

#include "base/resource_ids.h"

namespace {

struct CStockId {
  int command;
  int wx_id;
};

// Dialog buttons and framework commands that wx has stock ids for (stock ids give GTK's
// stock behaviour to buttons and menu items).
constexpr CStockId kStockIds[] = {
    {1, wxID_OK},
    {2, wxID_CANCEL},
    {6, wxID_YES},
    {7, wxID_NO},
    {ID_FILE_NEW, wxID_NEW},
    {ID_FILE_OPEN, wxID_OPEN},
    {ID_FILE_PRINT, wxID_PRINT},
    {ID_FILE_PRINT_PREVIEW, wxID_PREVIEW},
    {ID_APP_ABOUT, wxID_ABOUT},
    {ID_APP_EXIT, wxID_EXIT},
    {ID_HELP_CONTENTS, wxID_HELP_CONTENTS},
    {ID_EDIT_COPY, wxID_COPY},
    {ID_EDIT_CUT, wxID_CUT},
    {ID_EDIT_PASTE, wxID_PASTE},
    {ID_EDIT_UNDO, wxID_UNDO},
};

// Commands 32768 ... 36863, framework commands 57344 ... 61439 and the in-place editors' 50000
// move into free wx ranges.
struct CRange {
  int first_command;
  int first_wx_id;
};
constexpr int kRangeSize = 4096;
constexpr CRange kRanges[] = {{32768, 12000}, {57344, 20000}, {49152, 24096}};

// Numbers below wx's stock ids (controls, dialogs, 105, 3001) and between the stock ids and
// the first moved range (10000, 10001) keep their value.
bool KeepsItsValue(int number) {
  return (number > 0 && number < wxID_LOWEST) ||
         (number > wxID_HIGHEST && number < kRanges[0].first_wx_id);
}

}  // namespace

int WxIdOf(int command) {
  for (const CStockId& stock : kStockIds) {
    if (stock.command == command) return stock.wx_id;
  }
  for (const CRange& range : kRanges) {
    if (command >= range.first_command && command < range.first_command + kRangeSize) {
      return range.first_wx_id + (command - range.first_command);
    }
  }
  return KeepsItsValue(command) ? command : wxID_NONE;
}

int CommandOf(int wx_id) {
  for (const CStockId& stock : kStockIds) {
    if (stock.wx_id == wx_id) return stock.command;
  }
  for (const CRange& range : kRanges) {
    if (wx_id >= range.first_wx_id && wx_id < range.first_wx_id + kRangeSize) {
      return range.first_command + (wx_id - range.first_wx_id);
    }
  }
  return KeepsItsValue(wx_id) ? wx_id : 0;
}
