#include "linear/code128_shortest.h"

#include <array>
#include <limits>

#include "linear/code128.h"
#include "linear/gs1_element_string.h"

namespace kbc {
namespace {

// ISO/IEC 15417 Table 1: the values of the set changes in each set.
constexpr int kShift = 98;
constexpr int kCodeC = 99;   // in sets A and B
constexpr int kCodeB = 100;  // in sets A and C
constexpr int kCodeA = 101;  // in sets B and C

constexpr int kSetA = 0;
constexpr int kSetB = 1;
constexpr int kSetC = 2;
constexpr int kSets = 3;

// The value of a single character in set A or B; -1 where the set lacks it.
int ValueInSet(int set, int c) {
  if (c == kGs1Fnc1) return kCode128Fnc1;
  if (set == kSetA) return c < 32 ? c + 64 : c < 96 ? c - 32 : -1;
  return c >= 32 ? c - 32 : -1;
}

bool IsDigit(int c) { return c >= '0' && c <= '9'; }

// Code C in sets A and B, Code B in A and C, Code A in B and C: one value per target.
int LatchValue(int to) { return to == kSetC ? kCodeC : to == kSetB ? kCodeB : kCodeA; }

constexpr int kStartValues[kSets] = {kCode128StartA, kCode128StartB, kCode128StartC};
constexpr int kUnreachable = std::numeric_limits<int>::max() / 2;

// One way on from (position, set): the symbol values it emits and where it lands.
struct Step {
  int cost = kUnreachable;
  int nextSet = 0;
  std::size_t consumed = 0;
  std::array<int, 2> values{};
  int valueCount = 0;
};

// The characters from `at` in `set` without a latch: a digit pair or FNC1 in
// set C, one character in A or B, or a shifted character of the other set.
Step EncodeHere(std::span<const int> characters, std::size_t at, int set) {
  const int c = characters[at];
  Step step;
  step.nextSet = set;
  if (set == kSetC) {
    if (c == kGs1Fnc1) return {1, set, 1, {kCode128Fnc1, 0}, 1};
    if (at + 1 < characters.size() && IsDigit(c) && IsDigit(characters[at + 1])) {
      return {1, set, 2, {(c - '0') * 10 + (characters[at + 1] - '0'), 0}, 1};
    }
    return step;
  }
  if (const int value = ValueInSet(set, c); value >= 0) return {1, set, 1, {value, 0}, 1};
  if (const int shifted = ValueInSet(set == kSetA ? kSetB : kSetA, c); shifted >= 0) {
    return {2, set, 1, {kShift, shifted}, 2};
  }
  return step;
}

}  // namespace

std::vector<int> EncodeCode128Shortest(std::span<const int> characters) {
  for (const int c : characters) {
    if (c != kGs1Fnc1 && (c < 0 || c > 127)) return {};
  }
  const std::size_t n = characters.size();
  // best[i][s]: fewest symbol characters encoding characters[i..] when set s is
  // current at i; a latch is one more character and changes the set in place.
  std::vector<std::array<int, kSets>> best(n + 1, {kUnreachable, kUnreachable, kUnreachable});
  std::vector<std::array<bool, kSets>> latchFirst(n + 1, {false, false, false});
  best[n] = {0, 0, 0};
  for (std::size_t i = n; i-- > 0;) {
    std::array<int, kSets> direct{};
    for (int s = 0; s < kSets; ++s) {
      const Step step = EncodeHere(characters, i, s);
      direct[std::size_t(s)] = step.cost >= kUnreachable ? kUnreachable : step.cost + best[i + step.consumed][std::size_t(s)];
    }
    for (int s = 0; s < kSets; ++s) {
      best[i][std::size_t(s)] = direct[std::size_t(s)];
      for (int t = 0; t < kSets; ++t) {
        if (t != s && direct[std::size_t(t)] + 1 < best[i][std::size_t(s)]) {
          best[i][std::size_t(s)] = direct[std::size_t(t)] + 1;
          latchFirst[i][std::size_t(s)] = true;
        }
      }
    }
  }

  // The start chooses the first set, so it never needs a latch behind it.
  int set = kSetB;
  if (n > 0) {
    int fewest = kUnreachable;
    for (int s = 0; s < kSets; ++s) {
      if (!latchFirst[0][std::size_t(s)] && best[0][std::size_t(s)] < fewest) fewest = best[0][std::size_t(s)], set = s;
    }
  }
  std::vector<int> values = {kStartValues[set]};
  for (std::size_t i = 0; i < n;) {
    if (latchFirst[i][std::size_t(set)]) {
      int target = set;
      for (int t = 0; t < kSets; ++t) {
        const Step step = EncodeHere(characters, i, t);
        if (t != set && step.cost < kUnreachable && step.cost + best[i + step.consumed][std::size_t(t)] + 1 == best[i][std::size_t(set)]) {
          target = t;
          break;
        }
      }
      values.push_back(LatchValue(target));
      set = target;
    }
    const Step step = EncodeHere(characters, i, set);
    values.insert(values.end(), step.values.begin(), step.values.begin() + step.valueCount);
    i += step.consumed;
  }
  values.push_back(Code128CheckValue(values));
  values.push_back(kCode128Stop);
  return values;
}

}  // namespace kbc
