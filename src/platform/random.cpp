#include "platform/random.h"

namespace morvel {

namespace {

// The state the generator has before anyone seeds it; an opening move drawn
// before the first think comes from here.
constexpr std::uint64_t kStartState = 0x853c49e6748fea9bULL;
std::uint64_t state = kStartState;

}  // namespace

void seedRandom(std::uint32_t seed) { state = kStartState ^ (std::uint64_t{seed} * 0x9e3779b97f4a7c15ULL); }

int drawRandom() {
  // splitmix64: one multiply-xorshift chain per draw, good enough statistics
  // for tie-breaking noise and cheap on the evaluation's hot path.
  state += 0x9e3779b97f4a7c15ULL;
  std::uint64_t z = state;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  z ^= z >> 31;
  return static_cast<int>(z >> 33);
}

}  // namespace morvel
