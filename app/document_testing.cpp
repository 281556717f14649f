#include "app/document_testing.h"

CTestHome::CTestHome()
    : home_("HOME", dir_.Path()),
      config_("XDG_CONFIG_HOME", dir_ / "config"),
      temp_("TMPDIR", dir_.MakeDir("tmp")) {}

std::unique_ptr<CSnapstoreDoc> CTestHome::OpenDocument(CFrontEnd& front_end, CVolumeSource& volumes,
                                                       const std::string& main_file) const {
  CSettingsFile(SettingsPath()).WriteString("File", main_file);
  return std::make_unique<CSnapstoreDoc>(front_end, volumes, CSettingsFile(SettingsPath()));
}
