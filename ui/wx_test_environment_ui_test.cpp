// The GUI test program's set-up: wx is initialised once for the in-process tests, and a failed
// wx assertion fails the running test instead of opening a dialog that would block the run.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

namespace {

void FailOnAssert(const wxString& file, int line, const wxString& function,
                  const wxString& condition, const wxString& message) {
  ADD_FAILURE() << "wx assertion failed: " << file.utf8_str().data() << ":" << line << " in "
                << function.utf8_str().data() << "(): " << condition.utf8_str().data() << " "
                << message.utf8_str().data();
}

class CWxEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    wxSetAssertHandler(FailOnAssert);
    int argc = 1;
    static char name[] = "albumcraft_ui_tests";
    static char* argv[] = {name, nullptr};
    wxApp::SetInstance(new wxApp);  // a GUI application object, so wx starts GTK
    ASSERT_TRUE(wxEntryStart(argc, argv)) << "wx could not start (is DISPLAY set?)";
    wxTheApp->CallOnInit();
  }
  void TearDown() override { wxEntryCleanup(); }
};

const testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new CWxEnvironment);

}  // namespace
