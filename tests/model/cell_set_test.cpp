#include "model/cell_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace morvel {
namespace {

TEST(CellSet, WordCountCoversEveryCell) {
  const struct { int cells, words; } cases[] = {{1, 1}, {25, 1}, {32, 1}, {33, 2}, {441, 14}};
  for (const auto& c : cases) EXPECT_EQ(wordCountFor(c.cells), c.words) << c.cells << " cells";
}

TEST(CellSet, ListCountAndFirstAgreeOnMembers) {
  const std::vector<std::vector<int>> cases = {
      {}, {37}, {0, 3, 31, 32, 440}, {5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
                                      24, 25, 26, 27, 28, 29, 30, 31, 0, 1, 2, 3, 4}};
  for (const auto& members : cases) {
    SetArray a = createSets(1, 441);
    CellSet& s = a.sets[0];
    for (int m : members) insertMember(s, m);
    std::vector<int> expected = members;
    std::sort(expected.begin(), expected.end());
    std::vector<int> listed(32 * s.wordCount, -7);
    listed.resize(static_cast<std::size_t>(listMembers(listed.data(), s)));
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(countMembers(s), static_cast<int>(expected.size()));
    EXPECT_EQ(firstMember(s), expected.empty() ? -1 : expected.front());
    for (int m : expected) EXPECT_TRUE(hasMember(s, m));
  }
}

TEST(CellSet, MemberBitLayout) {
  SetArray a = createSets(1, 441);
  insertMember(a.sets[0], 440);
  EXPECT_EQ(a.sets[0].words[13], 1u << 24);
  removeMember(a.sets[0], 440);
  EXPECT_EQ(countMembers(a.sets[0]), 0);
}

TEST(CellSet, FillCoversWholeWordsAndSubtractSelfEmpties) {
  SetArray a = createSets(2, 25);
  fillSet(a.sets[0]);
  EXPECT_EQ(countMembers(a.sets[0]), 32);
  subtractFrom(a.sets[0], a.sets[0]);
  EXPECT_EQ(countMembers(a.sets[0]), 0);
}

TEST(CellSet, TwoSetOperations) {
  SetArray a = createSets(2, 100);
  CellSet& x = a.sets[0];
  CellSet& y = a.sets[1];
  for (int m : {1, 40, 70}) insertMember(x, m);
  for (int m : {40, 99}) insertMember(y, m);
  unionInto(x, y);
  EXPECT_EQ(countMembers(x), 4);
  intersectInto(x, y);
  EXPECT_EQ(countMembers(x), 2);
  insertMember(x, 1);
  subtractFrom(x, y);
  EXPECT_EQ(firstMember(x), 1);
  EXPECT_EQ(countMembers(x), 1);
  copySet(x, y);
  EXPECT_EQ(countMembers(x), 2);
  clearSet(x);
  EXPECT_EQ(countMembers(x), 0);
}

TEST(CellSet, WindowSetsCarryOneZeroSpareWord) {
  SetArray a = createWindowSets(3, 441);
  ASSERT_EQ(a.sets[0].wordCount, 14);
  EXPECT_EQ(a.sets[1].words - a.sets[0].words, 15);
  removeFromEach(3, a.sets.data(), 5);
  fillSet(a.sets[0]);
  EXPECT_EQ(a.sets[0].words[14], 0u);
}

}  // namespace
}  // namespace morvel
