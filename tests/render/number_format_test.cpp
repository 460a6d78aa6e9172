// Document numbers against printf's "%.Nf" of the narrowed value, the C
// locale's own answer, over whole numbers (the quick path), halves, negative
// zero and random values of every magnitude a drawing uses.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "render/number_format.h"

namespace kbc {
namespace {

std::string Printed(double value, int decimals) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, static_cast<double>(static_cast<float>(value)));
  return buffer;
}

TEST(FormatFixed, EqualsPrintf) {
  std::vector<double> values = {0.0, -0.0, 0.5, -0.5, 1.5, 2.5, -2.5, 999999999.0, 1e9, -1e9, 1e12, 16777217.0,
                                0.49999997, 113.0, -113.0, 1e-7, -1e-7};
  std::mt19937_64 random(11);
  for (int i = 0; i < 20000; ++i) {
    const double whole = double(std::int64_t(random() % 4000001) - 2000000);
    values.push_back(whole);
    values.push_back(whole / 4);
    values.push_back(std::ldexp(double(random() % (1u << 24)), int(random() % 60) - 40) * (random() % 2 ? 1 : -1));
  }
  for (const double value : values) {
    for (const int decimals : {0, 2, 4}) {
      ASSERT_EQ(FormatFixed(value, decimals), Printed(value, decimals)) << value << " to " << decimals << " places";
    }
  }
}

}  // namespace
}  // namespace kbc
