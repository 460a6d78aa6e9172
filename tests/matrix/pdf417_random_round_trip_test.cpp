// PDF417 of random data, 1 to 1850 bytes of any value from 0 to 255, read
// back byte for byte by ZXingReader.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "support/draws.h"
#include "support/random_round_trip.h"

namespace kbc {
namespace {

constexpr std::uint32_t kSeed = 20261210;
constexpr int kCases = 24;

std::string Bytes(test::Draws& draws, int length) {
  std::string data;
  for (int i = 0; i < length; ++i) data.push_back(char(draws.Below(256)));
  return data;
}

// Printable ASCII with CR, LF and tab: every text sub-mode and its shifts.
std::string Text(test::Draws& draws, int length) {
  const std::string controls = "\r\n\t";
  std::string data;
  for (int i = 0; i < length; ++i) {
    data.push_back(draws.OneIn(20) ? controls[std::size_t(draws.Below(3))] : char(draws.Between(32, 126)));
  }
  return data;
}

// Digits, now and then broken by another byte: numeric runs of every length.
std::string Digits(test::Draws& draws, int length) {
  std::string data;
  for (int i = 0; i < length; ++i) {
    data.push_back(draws.OneIn(60) ? char(draws.Below(256)) : char('0' + draws.Below(10)));
  }
  return data;
}

// Runs of the three kinds one after another, as real data mixes them.
std::string Mixed(test::Draws& draws, int length) {
  std::string data;
  while (int(data.size()) < length) {
    const int run = std::min(length - int(data.size()), draws.Between(1, 40));
    switch (draws.Below(3)) {
      case 0: data += Bytes(draws, std::min(run, 8)); break;
      case 1: data += Text(draws, run); break;
      default: data += Digits(draws, run); break;
    }
  }
  return data;
}

// Random bytes hold short text runs that cost a latch each, so they take
// about one codeword per byte, not byte compaction's 5 per 6: up to 700 of
// them fit the 926 data codewords. Text takes fewer, digits far fewer.
std::vector<test::RoundTripCase> Cases() {
  test::Draws draws(kSeed);
  std::vector<test::RoundTripCase> cases;
  cases.push_back({"one random byte", Bytes(draws, 1)});
  cases.push_back({"1850 digits and other bytes", Digits(draws, 1850)});
  while (int(cases.size()) < kCases) {
    switch (cases.size() % 4) {
      case 0: cases.push_back({"random bytes", Bytes(draws, draws.Between(1, 700))}); break;
      case 1: cases.push_back({"text", Text(draws, draws.Between(1, 900))}); break;
      case 2: cases.push_back({"digits and other bytes", Digits(draws, draws.Between(1, 1850))}); break;
      default: cases.push_back({"mixed runs", Mixed(draws, draws.Between(1, 1000))}); break;
    }
  }
  for (test::RoundTripCase& c : cases) c.bytes = test::WithoutEscapes(c.bytes);
  return cases;
}

TEST(Pdf417RandomRoundTrip, EveryByteReadBack) { test::ExpectRoundTrips({"-type", "PDF417"}, "PDF417", Cases()); }

}  // namespace
}  // namespace kbc
