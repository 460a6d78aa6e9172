// Random GS1 element strings that the AI table accepts, for width and read-back checks.
#pragma once

#include <random>
#include <string>

namespace kbc::test {

inline constexpr unsigned kGs1SampleSeed = 28;

// GTINs with computed check digits, dates, counts, weights and free-text fields
// in random order and lengths, at most 48 data characters.
std::string RandomElementString(std::mt19937& random);

}  // namespace kbc::test
