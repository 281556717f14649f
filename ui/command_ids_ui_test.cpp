#include "ui/command_ids_ui.h"

#include <gtest/gtest.h>
#include <wx/defs.h>

#include <set>

#include "base/resource_ids.h"
#include "ui/menu_layout.h"

TEST(CommandIdsTest, EveryMenuCommandHasItsOwnUsableWxId) {
  std::set<int> seen;
  ForEachMenuItem(ArchiverMenuBar(), [&](const CMenuEntry& item) {
    int id = WxIdOf(item.command);
    EXPECT_NE(id, wxID_NONE) << item.text;
    EXPECT_LT(id, 32767) << item.text;
    EXPECT_TRUE(seen.insert(id).second) << "two commands share wx id " << id;
    EXPECT_EQ(CommandOf(id), item.command) << item.text;
  });
}

TEST(CommandIdsTest, NumbersMapBothWays) {
  struct Case {
    int command;
    int wx_id;
  };
  const Case cases[] = {
      {ID_FILE_NEW, wxID_NEW},
      {ID_APP_EXIT, wxID_EXIT},
      {1, wxID_OK},
      {32771, 12003},
      {ID_DELETE_PICTURE_KEY, 12087},
      {1026, 1026},
      {CMD_SHOW_STRIP_SCROLLBAR, 105},
      {CMD_STRIP_END, 3004},
      {10000, 10000},
      {57681, 20337},
      {IDC_CELL_EDITOR, 24944},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WxIdOf(c.command), c.wx_id) << c.command;
    EXPECT_EQ(CommandOf(c.wx_id), c.command) << c.wx_id;
  }
  EXPECT_EQ(CommandOf(wxID_HIGHEST), 0);  // inside wx's stock range: not ours
  EXPECT_EQ(WxIdOf(70000), wxID_NONE);
}
