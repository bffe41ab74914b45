#include "model/cell_set.h"

#include <cstddef>

namespace morvel {

namespace {

SetArray makeSets(int count, int n, int spareWords) {
  SetArray array;
  const int counted = wordCountFor(n);
  const int stride = counted + spareWords;
  array.words.assign(static_cast<std::size_t>(count) * stride, 0u);
  array.sets.resize(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    array.sets[i].wordCount = counted;
    array.sets[i].words = array.words.data() + static_cast<std::size_t>(i) * stride;
  }
  return array;
}

}  // namespace

SetArray createSets(int count, int n) { return makeSets(count, n, 0); }

SetArray createWindowSets(int count, int n) { return makeSets(count, n, 1); }

void releaseSets(SetArray& array) {
  std::vector<CellSet>().swap(array.sets);
  std::vector<std::uint32_t>().swap(array.words);
}

}  // namespace morvel
