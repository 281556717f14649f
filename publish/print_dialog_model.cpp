#include "publish/print_dialog_model.h"

CPrintDlgModel::CPrintDlgModel(int print_mode_setting, bool any_marked)
    : print_mode(PrintModeOffered(print_mode_setting) ? print_mode_setting : kPrintOnePerPage),
      selection(any_marked ? PrintSelection::kSelected : PrintSelection::kCurrentPicture),
      any_marked_(any_marked) {}

bool CPrintDlgModel::PrintModeOffered(int mode) {
  return mode == kPrintOnePerPage || mode == kPrintTwoPerPage || mode == kPrintFourPerPage;
}

bool CPrintDlgModel::SelectionOffered(PrintSelection choice) const {
  return choice == PrintSelection::kCurrentPicture || any_marked_;
}

bool CPrintDlgModel::Accept() {
  return PrintModeOffered(print_mode) && SelectionOffered(selection);
}
