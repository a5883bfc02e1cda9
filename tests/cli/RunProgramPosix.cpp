// Running the converter on POSIX systems: fork, exec and a poll loop.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "tests/cli/RunProgram.h"

namespace ign::test {
namespace {

[[noreturn]] void Fail(const char* what) { throw std::runtime_error(what); }

// Feeds standard input and drains both outputs at once, so that a child that
// writes a lot before reading cannot block on a full pipe.
void Exchange(int in, int out, int err, std::string_view input, TRunResult& result) {
  std::size_t fed = 0;
  if (input.empty()) {
    close(in);
    in = -1;
  }
  while (out >= 0 || err >= 0 || in >= 0) {
    pollfd fds[3] = {{in, POLLOUT, 0}, {out, POLLIN, 0}, {err, POLLIN, 0}};
    if (poll(fds, 3, -1) < 0) Fail("poll");
    if (in >= 0 && fds[0].revents != 0) {
      const ssize_t n = write(in, input.data() + fed, input.size() - fed);
      if (n > 0) fed += static_cast<std::size_t>(n);
      if (n <= 0 || fed == input.size()) {
        close(in);
        in = -1;
      }
    }
    int* readers[2] = {&out, &err};
    std::string* sinks[2] = {&result.out, &result.err};
    for (int k = 0; k < 2; ++k) {
      if (*readers[k] < 0 || fds[k + 1].revents == 0) continue;
      char buffer[4096];
      const ssize_t n = read(*readers[k], buffer, sizeof buffer);
      if (n > 0) {
        sinks[k]->append(buffer, static_cast<std::size_t>(n));
      } else {
        close(*readers[k]);
        *readers[k] = -1;
      }
    }
  }
}

}  // namespace

TRunResult RunConvert(std::vector<std::string> args, std::string_view input, long file_size_limit) {
  static const bool ignore_sigpipe = (signal(SIGPIPE, SIG_IGN), true);
  (void)ignore_sigpipe;
  int in[2], out[2], err[2];
  if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) Fail("pipe");

  if (args.empty() || args.front() != "/bin/sh") args.insert(args.begin(), IGN_CONVERT_PROGRAM);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  const pid_t child = fork();
  if (child < 0) Fail("fork");
  if (child == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    dup2(err[1], 2);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) close(fd);
    if (file_size_limit >= 0) {
      // SIGXFSZ stays as a shell leaves it: the program must not die of it.
      const rlimit limit{static_cast<rlim_t>(file_size_limit),
                         static_cast<rlim_t>(file_size_limit)};
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  close(err[1]);
  TRunResult result;
  Exchange(in[1], out[0], err[0], input, result);
  int status = 0;
  if (waitpid(child, &status, 0) != child) Fail("waitpid");
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

TRunResult RunConvertInShell(std::string_view script, std::vector<std::string> args) {
  args.insert(args.begin(), {"/bin/sh", "-c", std::string(script), IGN_CONVERT_PROGRAM});
  return RunConvert(std::move(args));
}

}  // namespace ign::test
