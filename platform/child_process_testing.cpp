#include "platform/child_process_testing.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <map>

extern char** environ;

namespace {

std::vector<std::string> MergedEnvironment(const std::vector<std::string>& extra) {
  std::map<std::string, std::string> merged;
  auto add = [&](const std::string& entry) {
    size_t eq = entry.find('=');
    merged[entry.substr(0, eq)] = entry;
  };
  for (char** e = environ; *e; ++e) add(*e);
  for (const std::string& entry : extra) add(entry);
  std::vector<std::string> result;
  for (auto& [name, entry] : merged) result.push_back(entry);
  return result;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

CChildResult RunChild(const std::vector<std::string>& argv,
                      const std::vector<std::string>& environment, const std::string& input,
                      double timeout_seconds) {
  CChildResult result;
  int in_pipe[2], out_pipe[2], err_pipe[2];
  if (pipe2(in_pipe, O_CLOEXEC) != 0 || pipe2(out_pipe, O_CLOEXEC) != 0 ||
      pipe2(err_pipe, O_CLOEXEC) != 0) {
    result.err = "pipe failed";
    return result;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in_pipe[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out_pipe[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err_pipe[1], 2);

  std::vector<std::string> args = argv;
  std::vector<std::string> env = MergedEnvironment(environment);
  std::vector<char*> arg_pointers = Pointers(args);
  std::vector<char*> env_pointers = Pointers(env);
  pid_t pid = 0;
  // A program named without a folder is looked for along PATH.
  const auto spawn = args[0].find('/') == std::string::npos ? posix_spawnp : posix_spawn;
  int rc =
      spawn(&pid, args[0].c_str(), &actions, nullptr, arg_pointers.data(), env_pointers.data());
  posix_spawn_file_actions_destroy(&actions);
  close(in_pipe[0]);
  close(out_pipe[1]);
  close(err_pipe[1]);
  if (rc != 0) {
    close(in_pipe[1]);
    close(out_pipe[0]);
    close(err_pipe[0]);
    result.err = std::string("cannot start ") + args[0] + ": " + std::strerror(rc);
    return result;
  }

  signal(SIGPIPE, SIG_IGN);
  size_t written = 0;
  if (input.empty()) {
    close(in_pipe[1]);
    in_pipe[1] = -1;
  }
  const auto deadline = std::chrono::steady_clock::now() +
                        std::chrono::milliseconds(static_cast<long>(timeout_seconds * 1000));
  int open_outputs = 2;
  while (open_outputs > 0) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      result.timed_out = true;
      kill(pid, SIGKILL);
      break;
    }
    pollfd fds[3] = {{out_pipe[0], POLLIN, 0}, {err_pipe[0], POLLIN, 0}, {in_pipe[1], POLLOUT, 0}};
    int count = in_pipe[1] >= 0 ? 3 : 2;
    if (poll(fds, count, static_cast<int>(left.count())) < 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      char buffer[65536];
      ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        (i == 0 ? result.out : result.err).append(buffer, static_cast<size_t>(n));
      } else {
        close(fds[i].fd);
        (i == 0 ? out_pipe[0] : err_pipe[0]) = -1;
        --open_outputs;
      }
    }
    if (count == 3 && (fds[2].revents & (POLLOUT | POLLERR | POLLHUP))) {
      ssize_t n = write(in_pipe[1], input.data() + written, input.size() - written);
      if (n > 0) written += static_cast<size_t>(n);
      if (n < 0 || written == input.size()) {
        close(in_pipe[1]);
        in_pipe[1] = -1;
      }
    }
  }
  for (int fd : {in_pipe[1], out_pipe[0], err_pipe[0]}) {
    if (fd >= 0) close(fd);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  if (!result.timed_out && WIFEXITED(status)) result.exit_status = WEXITSTATUS(status);
  return result;
}
