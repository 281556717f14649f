#include "platform/process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <thread>

extern char** environ;

bool StartProgram(const std::string& program, const std::string& argument, std::string* error) {
  if (program.empty()) {
    if (error) *error = "no program given";
    return false;
  }
  // The child starts with no blocked signals and default handlers, whatever this process has
  // set up for itself.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t signals;
  sigemptyset(&signals);
  posix_spawnattr_setsigmask(&attributes, &signals);
  sigaddset(&signals, SIGPIPE);
  sigaddset(&signals, SIGCHLD);
  posix_spawnattr_setsigdefault(&attributes, &signals);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

  std::string program_copy = program;
  std::string argument_copy = argument;
  char* argv[] = {program_copy.data(), argument_copy.data(), nullptr};
  pid_t pid = 0;
  // posix_spawn reports a failed exec (missing file, no permission, bad format) as its result.
  int rc = program.find('/') == std::string::npos
               ? posix_spawnp(&pid, program.c_str(), nullptr, &attributes, argv, environ)
               : posix_spawn(&pid, program.c_str(), nullptr, &attributes, argv, environ);
  posix_spawnattr_destroy(&attributes);
  if (rc != 0) {
    if (error) *error = program + ": " + std::strerror(rc);
    return false;
  }
  // Nobody waits for the program; a detached thread reaps it when it ends so that it does not
  // stay behind as a zombie.
  std::thread([pid] {
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
  }).detach();
  return true;
}
