// morvel-bench: `kernel` times the search kernel; further modes time the
// searches. Figures are printed, never asserted.
#include <cstdio>
#include <cstring>

namespace morvel::bench {
int runKernelBench();
int runThreatsBench();
}

int main(int argc, char** argv) {
  const char* mode = argc > 1 ? argv[1] : "kernel";
  if (std::strcmp(mode, "kernel") == 0) return morvel::bench::runKernelBench();
  if (std::strcmp(mode, "threats") == 0) return morvel::bench::runThreatsBench();
  std::fprintf(stderr, "usage: morvel-bench [kernel|threats]\n");
  return 2;
}
