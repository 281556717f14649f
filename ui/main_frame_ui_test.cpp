#include "ui/main_frame_ui.h"

#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/statusbr.h>

#include "base/resource_ids.h"
#include "ui/command_ids_ui.h"
#include "ui/menu_layout.h"
#include "ui/wx_text_ui.h"

namespace {

// A target that handles one command, to show how the frame routes and shows states.
class COneCommand : public CCommandTarget {
 public:
  explicit COneCommand(int command) : command_(command) {}
  bool OnCommand(int command) override {
    if (command != command_) return false;
    ++calls;
    return true;
  }
  std::optional<CCommandUi> CommandUi(int command) const override {
    if (command != command_) return std::nullopt;
    return CCommandUi{true, true};
  }
  int calls = 0;

 private:
  int command_;
};

}  // namespace

TEST(MainFrameTest, MenuBarShowsEveryItemOfTheLayout) {
  auto* frame = new CMainFrame;
  wxMenuBar* bar = frame->GetMenuBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->GetMenuCount(), ArchiverMenuBar().size());
  ForEachMenuItem(ArchiverMenuBar(), [&](const CMenuEntry& entry) {
    wxMenuItem* item = bar->FindItem(WxIdOf(entry.command));
    ASSERT_NE(item, nullptr) << entry.text;
    EXPECT_EQ(FromWx(item->GetItemLabelText()),
              FromWx(wxMenuItem::GetLabelText(ToWx(entry.text.substr(0, entry.text.find('\t'))))));
  });
  EXPECT_EQ(frame->GetStatusBar()->GetFieldsCount(), 6);
  frame->Destroy();
}

TEST(MainFrameTest, CommandsWithoutHandlerAreDisabledAndRoutedOnlyToTheirTarget) {
  auto* frame = new CMainFrame;
  COneCommand next(ID_NEXT_PICTURE_MENU);
  frame->AddCommandTarget(&next);

  EXPECT_FALSE(frame->CommandState(ID_ANNOTATE).has_value());
  EXPECT_FALSE(frame->ExecuteCommand(ID_ANNOTATE));
  EXPECT_TRUE(frame->ExecuteCommand(ID_NEXT_PICTURE_MENU));
  EXPECT_EQ(next.calls, 1);
  EXPECT_TRUE(frame->CommandState(ID_APP_EXIT)->enabled);

  wxMenuBar* bar = frame->GetMenuBar();
  bar->UpdateMenus();
  EXPECT_FALSE(bar->FindItem(WxIdOf(ID_ANNOTATE))->IsEnabled());
  EXPECT_TRUE(bar->FindItem(WxIdOf(ID_NEXT_PICTURE_MENU))->IsEnabled());
  frame->Destroy();
}

TEST(MainFrameTest, TitleCarriesTheTitleText) {
  auto* frame = new CMainFrame;
  EXPECT_EQ(FromWx(frame->GetTitle()), "Kestrel's Albumcraft 3.2.2 - Photo index: ");
  frame->SetTitleText("/home/u/Documents/Albumcraft/PhotoIndex.acx");
  EXPECT_EQ(
      FromWx(frame->GetTitle()),
      "Kestrel's Albumcraft 3.2.2 - Photo index: /home/u/Documents/Albumcraft/PhotoIndex.acx");
  frame->Destroy();
}
