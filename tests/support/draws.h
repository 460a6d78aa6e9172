// Random draws for the differential tests, made from std::mt19937's raw numbers
// (fixed by the standard, unlike the <random> distributions): the same cases on
// every standard library.
#pragma once

#include <cstdint>
#include <random>

namespace kbc::test {

class Draws {
 public:
  explicit Draws(std::uint32_t seed) : engine_(seed) {}

  // 0 .. n - 1 (n above 0); the slight bias of the modulo does not matter here.
  int Below(int n) { return int(engine_() % std::uint32_t(n)); }
  int Between(int low, int high) { return low + Below(high - low + 1); }
  bool OneIn(int n) { return Below(n) == 0; }
  // [0, 1)
  double Unit() { return double(engine_()) / 4294967296.0; }

 private:
  std::mt19937 engine_;
};

}  // namespace kbc::test
