// Helpers for tests of the document: a home of its own, so that no test reads this machine's
// settings or leaves files in its temporary folder, and a document opened on an index there.
#pragma once

#include <memory>
#include <string>

#include "app/document.h"
#include "platform/temp_dir_testing.h"

class CTestHome {
 public:
  CTestHome();
  CTestHome(const CTestHome&) = delete;
  CTestHome& operator=(const CTestHome&) = delete;

  // HOME; XDG_CONFIG_HOME is its folder "config", TMPDIR its folder "tmp".
  const CTempDir& dir() const { return dir_; }
  std::string SettingsPath() const { return dir_ / "config/Albumcraft.ini"; }
  // A document that opens the index `main_file` as the last one used (the File setting).
  std::unique_ptr<CSnapstoreDoc> OpenDocument(CFrontEnd& front_end, CVolumeSource& volumes,
                                              const std::string& main_file) const;

 private:
  CTempDir dir_;
  CScopedEnv home_;
  CScopedEnv config_;
  CScopedEnv temp_;
};
