// Settings files come from the user's disk and may hold anything: every key is read, then one
// key is written, which must read back as written.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "app/settings.h"
#include "app/settings_file.h"

namespace {

// A plain array, so that the clean-up at exit never meets a destroyed string.
char folder[64];

void RemoveFolder() {
  for (const char* name : {"/Albumcraft.ini", "/Albumcraft.tmp"}) {
    unlink((std::string(folder) + name).c_str());
  }
  rmdir(folder);
}

const char* Folder() {
  if (folder[0] == '\0') {
    // A memory file system where there is one: every write of the settings file syncs it.
    snprintf(folder, sizeof folder, "%s",
             access("/dev/shm", W_OK) == 0 ? "/dev/shm/settings_file_fuzz_XXXXXX"
                                           : "/tmp/settings_file_fuzz_XXXXXX");
    if (!mkdtemp(folder)) abort();
    atexit(RemoveFolder);
  }
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = std::string(Folder()) + "/Albumcraft.ini";
  FILE* out = fopen(path.c_str(), "wb");
  if (!out) abort();
  fwrite(data, 1, size, out);
  fclose(out);

  CSettingsFile file(path);
  CSettings settings;
  settings.ReadAll(file);
  const int value = static_cast<int>(size % 1000);
  if (!file.WriteNumber("Thumbsize", value)) abort();
  if (file.ReadNumber("Thumbsize", -2) != value) abort();
  if (!file.WriteString("Format_mask", "IMG=%d")) abort();
  if (file.ReadString("Format_mask", "") != "IMG=%d") abort();
  return 0;
}
