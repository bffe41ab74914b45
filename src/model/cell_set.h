#pragma once
// Fixed-width bit sets over slot numbers. Every set of one model has the same
// word count, so two-set operations never compare sizes and the searches can
// combine sets in tight word loops. Nothing here allocates except the
// creation of a set array, which happens only when a game is set up.
#include <bit>
#include <cstdint>
#include <vector>

namespace morvel {

struct CellSet {
  int wordCount = 0;
  std::uint32_t* words = nullptr;
};

// Words needed for a set over n cells.
inline int wordCountFor(int n) { return ((n - 1) >> 5) + 1; }

// An array of sets whose words live in one zeroed block.
struct SetArray {
  std::vector<CellSet> sets;
  std::vector<std::uint32_t> words;
};

// count sets over n cells without a spare word (scratch sets).
SetArray createSets(int count, int n);
// count sets over n cells, each followed by one spare zero word (window sets).
SetArray createWindowSets(int count, int n);
void releaseSets(SetArray& array);

inline void insertMember(CellSet& s, int m) { s.words[m >> 5] |= 1u << (m & 31); }
inline void removeMember(CellSet& s, int m) { s.words[m >> 5] &= ~(1u << (m & 31)); }
inline bool hasMember(const CellSet& s, int m) { return (s.words[m >> 5] >> (m & 31)) & 1u; }

inline void removeFromEach(int count, CellSet* sets, int m) {
  const std::uint32_t mask = ~(1u << (m & 31));
  const int word = m >> 5;
  for (int i = 0; i < count; ++i) sets[i].words[word] &= mask;
}

inline void copySet(CellSet& dst, const CellSet& src) {
  for (int i = 0; i < dst.wordCount; ++i) dst.words[i] = src.words[i];
}
inline void unionInto(CellSet& dst, const CellSet& src) {
  for (int i = 0; i < dst.wordCount; ++i) dst.words[i] |= src.words[i];
}
inline void intersectInto(CellSet& dst, const CellSet& src) {
  for (int i = 0; i < dst.wordCount; ++i) dst.words[i] &= src.words[i];
}
inline void subtractFrom(CellSet& dst, const CellSet& src) {
  for (int i = 0; i < dst.wordCount; ++i) dst.words[i] &= ~src.words[i];
}
inline void clearSet(CellSet& s) {
  for (int i = 0; i < s.wordCount; ++i) s.words[i] = 0;
}
// Every number below 32 x wordCount becomes a member, including numbers past
// the last free slot; callers bound their scans by the slot count.
inline void fillSet(CellSet& s) {
  for (int i = 0; i < s.wordCount; ++i) s.words[i] = ~0u;
}

inline int countMembers(const CellSet& s) {
  int n = 0;
  for (int i = 0; i < s.wordCount; ++i) n += std::popcount(s.words[i]);
  return n;
}

// Lowest member; -1 for an empty set (callers only ask sets that have one).
inline int firstMember(const CellSet& s) {
  for (int i = 0; i < s.wordCount; ++i) {
    if (s.words[i] != 0) return (i << 5) + std::countr_zero(s.words[i]);
  }
  return -1;
}

// Writes the members in increasing order; out needs room for 32 x wordCount.
inline int listMembers(int* out, const CellSet& s) {
  int n = 0;
  for (int i = 0; i < s.wordCount; ++i) {
    std::uint32_t w = s.words[i];
    while (w != 0) {
      out[n++] = (i << 5) + std::countr_zero(w);
      w &= w - 1;
    }
  }
  return n;
}

}  // namespace morvel
