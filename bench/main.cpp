// morvel-bench: with no argument the whole move choice on fixed positions,
// printing a node-count signature; `kernel` times the search kernel,
// `threats` the forced-win search. Figures are printed, never asserted.
#include <cstdio>
#include <cstring>

namespace morvel::bench {
int runKernelBench();
int runThreatsBench();
int runSearchBench();
}

int main(int argc, char** argv) {
  if (argc < 2) return morvel::bench::runSearchBench();
  const char* mode = argv[1];
  if (std::strcmp(mode, "kernel") == 0) return morvel::bench::runKernelBench();
  if (std::strcmp(mode, "threats") == 0) return morvel::bench::runThreatsBench();
  std::fprintf(stderr, "usage: morvel-bench [kernel|threats]\n");
  return 2;
}
