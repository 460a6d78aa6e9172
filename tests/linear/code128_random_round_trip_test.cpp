// Code 128 of random data in each of its three code sets, read back byte for
// byte by ZXingReader.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/draws.h"
#include "support/random_round_trip.h"

namespace kbc {
namespace {

constexpr std::uint32_t kSeed = 20261211;
constexpr int kCases = 30;

// Set B: any character from space to DEL; spaces at either end would be
// trimmed, so the data starts and ends with another character.
std::string SetB(test::Draws& draws, int length) {
  std::string data;
  for (int i = 0; i < length; ++i) {
    const bool end = i == 0 || i == length - 1;
    data.push_back(char(draws.Between(end ? 33 : 32, 127)));
  }
  return data;
}

// Set A: digits and capitals, one capital at least (digits alone of even
// count go to set C).
std::string SetA(test::Draws& draws, int length) {
  const std::string alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::string data;
  for (int i = 0; i < length; ++i) data.push_back(alphabet[std::size_t(draws.Below(36))]);
  data[std::size_t(draws.Below(length))] = char('A' + draws.Below(26));
  return data;
}

// Set C: an even count of digits, the length rounded up.
std::string SetC(test::Draws& draws, int length) {
  std::string data;
  for (int i = 0; i < 2 * ((length + 1) / 2); ++i) data.push_back(char('0' + draws.Below(10)));
  return data;
}

// Mostly up to 60 characters, every sixth case up to the 250 the data is cut to.
std::vector<test::RoundTripCase> Cases() {
  test::Draws draws(kSeed);
  std::vector<test::RoundTripCase> cases;
  for (int i = 0; i < kCases; ++i) {
    const int length = i % 6 == 5 ? draws.Between(61, 250) : draws.Between(1, 60);
    switch (i % 3) {
      case 0: cases.push_back({"set B", SetB(draws, length)}); break;
      case 1: cases.push_back({"set A", SetA(draws, length)}); break;
      default: cases.push_back({"set C", SetC(draws, length)}); break;
    }
  }
  for (test::RoundTripCase& c : cases) c.bytes = test::WithoutEscapes(c.bytes);
  return cases;
}

TEST(Code128RandomRoundTrip, EveryCharacterReadBack) {
  test::ExpectRoundTrips({"-type", "Code-128"}, "Code128", Cases());
}

}  // namespace
}  // namespace kbc
