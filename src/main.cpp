#include <iostream>

#include "protocol/command_loop.h"

int main() {
  std::ios::sync_with_stdio(false);
  return morvel::runCommandLoop(std::cin, std::cout);
}
