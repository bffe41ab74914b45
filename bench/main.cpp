// morvel-bench: with no argument the whole move choice on fixed positions,
// printing a node-count signature; `kernel` times the search kernel,
// `threats` the forced-win search, `depth` how deep the real clock lets the
// search go. Figures are printed, never asserted.
#include <cstdio>
#include <cstring>

namespace morvel::bench {
int runKernelBench();
int runThreatsBench();
int runSearchBench();
int runDepthBench();
}

int main(int argc, char** argv) {
  if (argc < 2) return morvel::bench::runSearchBench();
  const char* mode = argv[1];
  if (std::strcmp(mode, "kernel") == 0) return morvel::bench::runKernelBench();
  if (std::strcmp(mode, "threats") == 0) return morvel::bench::runThreatsBench();
  if (std::strcmp(mode, "depth") == 0) return morvel::bench::runDepthBench();
  std::fprintf(stderr, "usage: morvel-bench [kernel|threats|depth]\n");
  return 2;
}
