// The help book in data/ opens in wx's help reader, and F1's context numbers find their pages.
#include <gtest/gtest.h>
#include <wx/filesys.h>
#include <wx/html/helpdata.h>

TEST(HelpBookTest, ContextNumbersFindTheirPages) {
  wxFileSystem::AddHandler(new wxLocalFSHandler);
  wxHtmlHelpData book;
  ASSERT_TRUE(book.AddBook(ALBUMCRAFT_SOURCE_DIR "/data/albumcraft.hhp"));
  EXPECT_TRUE(book.FindPageById(110).EndsWith("help_main_window.html"));
  EXPECT_TRUE(book.FindPageById(3).EndsWith("help_add_pictures.html"));
  EXPECT_TRUE(book.FindPageById(185).EndsWith("help_printing.html"));
  EXPECT_GE(book.GetContentsArray().size(), 6u);
}
