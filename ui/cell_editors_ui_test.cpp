// The in-place editors over a report list's cells, in process: what they open with, the
// neighbour request they queue for Ctrl with an arrow key, and the text they leave in the
// cell when they are closed.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/listctrl.h>

#include "base/resource_ids.h"
#include "classify/cell_editor_model.h"
#include "ui/combo_field_ui.h"
#include "ui/command_ids_ui.h"
#include "ui/edit_field_ui.h"

TEST(CellEditorsTest, TheyOpenWithTheCellsTextAskForNeighboursAndLeaveTheirText) {
  auto* frame = new wxFrame(nullptr, wxID_ANY, "cells");
  auto* list = new wxListCtrl(frame, wxID_ANY, wxDefaultPosition, wxSize(400, 200), wxLC_REPORT);
  list->AppendColumn("Label", wxLIST_FORMAT_LEFT, 100);
  list->AppendColumn("Value", wxLIST_FORMAT_LEFT, 200);
  for (long row = 0; row < 3; ++row) {
    list->InsertItem(row, "field " + std::to_string(row));
    list->SetItem(row, 1, "No");
  }
  frame->Show();
  std::vector<int> keys;
  frame->Bind(
      wxEVT_MENU, [&keys](wxCommandEvent& event) { keys.push_back(event.GetInt()); },
      WxIdOf(CMD_NEIGHBOUR_CELL));

  auto* field = new CEditField(list, 1, 1, frame);
  EXPECT_EQ(field->GetValue(), "No");
  for (bool ctrl : {false, true}) {
    wxKeyEvent key(wxEVT_KEY_DOWN);
    key.m_keyCode = WXK_DOWN;
    key.SetControlDown(ctrl);
    key.SetEventObject(field);
    field->GetEventHandler()->ProcessEvent(key);
  }
  wxTheApp->ProcessPendingEvents();
  EXPECT_EQ(keys, std::vector<int>{static_cast<int>(CCellKey::kDown)});  // only with Ctrl
  bool gone = false;
  field->SetGone([&gone] { gone = true; });
  field->ChangeValue("Kari");
  field->Close();
  EXPECT_TRUE(gone);
  EXPECT_EQ(list->GetItemText(1, 1), "Kari");

  wxArrayString yes_no;
  yes_no.Add("Yes");
  yes_no.Add("No");
  auto* choice = new CComboField(list, 2, 1, frame, yes_no, wxCB_READONLY);
  EXPECT_EQ(choice->GetValue(), "No");
  choice->SetSelection(0);
  choice->Close();
  EXPECT_EQ(list->GetItemText(2, 1), "Yes");
  frame->Destroy();
}
