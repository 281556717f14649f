#include "platform/process.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "platform/temp_dir_testing.h"

namespace {

bool WaitFor(const std::function<bool()>& condition) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return condition();
}

// Children of this process that have ended but were not reaped.
int ZombieChildren() {
  int zombies = 0;
  DIR* proc = opendir("/proc");
  while (dirent* entry = proc ? readdir(proc) : nullptr) {
    std::ifstream stat(std::string("/proc/") + entry->d_name + "/stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    // "PID (NAME) STATE PPID ...": the name may hold blanks, so read after the last ')'.
    size_t close = line.rfind(')');
    if (close == std::string::npos) continue;
    char state = 0;
    int parent = 0;
    if (sscanf(line.c_str() + close + 1, " %c %d", &state, &parent) == 2 && state == 'Z' &&
        parent == getpid()) {
      ++zombies;
    }
  }
  if (proc) closedir(proc);
  return zombies;
}

TEST(ProcessTest, StartsProgramFromPathWithoutWaitingAndLeavesNoZombie) {
  CTempDir dir;
  std::string marker = dir / "started";
  std::string error;
  ASSERT_TRUE(StartProgram("touch", marker, &error)) << error;
  EXPECT_TRUE(WaitFor([&] { return access(marker.c_str(), F_OK) == 0; }));
  EXPECT_TRUE(WaitFor([] { return ZombieChildren() == 0; }));
}

TEST(ProcessTest, ReportsProgramsThatCannotStart) {
  CTempDir dir;
  std::string not_executable = dir.Write("editor.sh", "#!/bin/sh\n");
  chmod(not_executable.c_str(), 0644);
  const std::string programs[] = {dir / "missing-editor", not_executable,
                                  "albumcraft-no-such-program", ""};
  for (const std::string& program : programs) {
    std::string error;
    EXPECT_FALSE(StartProgram(program, "/tmp/a.jpg", &error)) << program;
    EXPECT_FALSE(error.empty()) << program;
  }
}

}  // namespace
