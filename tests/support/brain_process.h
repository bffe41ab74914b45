#pragma once
// Runs the real brain binary on a scripted input, the way a manager does.
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace morvel::testing {

struct BrainRun {
  std::string output;
  int exitStatus = -1;
};

inline BrainRun runBrain(const std::string& input, const std::string& args = "") {
  char path[] = "/tmp/morvel-script-XXXXXX";
  const int fd = mkstemp(path);
  BrainRun run;
  if (fd < 0) return run;
  close(fd);
  { std::ofstream(path, std::ios::binary) << input; }
  const std::string command = std::string("timeout 60 ") + MORVEL_BRAIN_PATH + " " + args + " < " + path;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe != nullptr) {
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
    const int status = pclose(pipe);
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  unlink(path);
  return run;
}

}  // namespace morvel::testing
