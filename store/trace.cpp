#include <cstdio>
#include <ctime>

#include "store/database.h"

void Cdatabase::Trace(const std::string& message) {
  if (debug_switch_ != 1) return;
  FILE* file = std::fopen((trace_folder_ + "/debug.txt").c_str(), "a");
  if (!file) return;
  const std::time_t now = std::time(nullptr);
  char when[64];
  ctime_r(&now, when);
  std::fprintf(file, "%s -> %s\n", when, message.c_str());
  std::fclose(file);
}
