// Copying files.
#pragma once

#include <string>

// Copies `from` to `to`, keeping the file mode (an executable stays executable). An existing
// `to` is replaced unless `fail_if_exists`. False on any failure; a half-written copy is
// removed.
bool CopyFileKeepingMode(const std::string& from, const std::string& to, bool fail_if_exists);
