// The postal, pharmaceutical and print-finishing types no reader here reads:
// their bar states or bars equal bwip-js's for the same data, Royal Mail's own
// worked examples (Mailmark), our PostNet encoder's bars (CEPNet), or the
// published check digit rule and bar layout (Korea Post).
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "core/symbology.h"
#include "linear/postal_bars.h"
#include "matrix/added_postal_symbologies.h"
#include "support/npm_oracles.h"

namespace kbc::test {
namespace {

std::string States(const Result<EncodedSymbol>& encoded) {
  return encoded ? std::string(encoded->elements.begin(), encoded->elements.end()) : encoded.refusal;
}

struct StatesCase {
  std::string name;
  Encoder encode;
  std::u32string data;
  std::string expected;  // the letters, or "bwip-js ENCODER" to ask bwip-js for the same data
};

// Royal Mail Mailmark barcode C and L encoding and decoding instructions
// (Royal Mail, 2015), worked examples: C example 1 and 2, L example 2.
const StatesCase kStatesCases[] = {
    {"Mailmark_C_example_1", EncodeAdded<zint::kMailmark>, U"1100000000000XY11     ",
     "TTDTTATTDTAATTDTAATTDTAATTDTTDDAATAADDATAATDDFAFTDDTAADDDTAAFDFAFF"},
    {"Mailmark_C_example_2", EncodeAdded<zint::kMailmark>, U"21B2254800659JW5O9QA6Y",
     "DAATATTTADTAATTFADDDDTTFTFDDDDFFDFDAFTADDTFFTDDATADTTFATTDAFDTFDDA"},
    {"Mailmark_L_example_2", EncodeAdded<zint::kMailmark>, U"41038422416563762EF61AH8T",
     "DTTFATTDDTATTTATFTDFFFTFDFDAFTTTADTTFDTFDDDTDFDDFTFAADTFDTDTDTFAATAFDDTAATTDTT"},
    {"DAFT", EncodeAdded<zint::kDaft>, U"FADTTDAFAT", "bwip-js daft"},
    {"Pharmacode_2_Track", EncodePharmacodeTwoTrack, U"1234", "bwip-js pharmacode2"},
    {"Pharmacode_2_Track_long", EncodePharmacodeTwoTrack, U"64570079", "bwip-js pharmacode2"},
    {"Pharmacode_2_Track_short", EncodePharmacodeTwoTrack, U"7", "bwip-js pharmacode2"},
};

void PrintTo(const StatesCase& c, std::ostream* out) { *out << c.name; }

class AddedPostalStates : public testing::TestWithParam<StatesCase> {};

TEST_P(AddedPostalStates, StatesEqualTheIndependentOnes) {
  const StatesCase& c = GetParam();
  const std::string ours = States(c.encode(c.data, U"", SymbolOptions{}));
  if (c.expected.starts_with("bwip-js ")) {
    EXPECT_EQ("states " + ours, BwipRaw(c.expected.substr(8), std::string(c.data.begin(), c.data.end())));
  } else {
    EXPECT_EQ(ours, c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Oracles, AddedPostalStates, testing::ValuesIn(kStatesCases),
                         [](const auto& info) { return info.param.name; });

// CEPNet is PostNet's bars for the 8-digit CEP and its check digit: our
// PostNet encoder, given "0" and the CEP (the 9 digits of a ZIP+4), draws the
// same bars with the 5 of that "0" after its frame bar.
TEST(CepNet, BarsArePostNetsForTheCep) {
  for (const std::u32string cep : {U"12345678", U"70002900", U"99999999", U"00000000"}) {
    std::string postNet = EncodePostNet(U"0" + cep);
    postNet.erase(1, 5);
    std::string expected;
    for (const char bar : postNet) expected += bar == '1' ? 'F' : 'D';
    const Result<EncodedSymbol> ours = EncodeCepNet(cep, U"", SymbolOptions{});
    EXPECT_EQ(States(ours), expected) << std::string(cep.begin(), cep.end());
    EXPECT_EQ(ours ? ours->variant : 0, 2);
  }
  for (const std::u32string wrong : {U"1234567", U"123456789"}) {
    EXPECT_EQ(States(EncodeCepNet(wrong, U"", SymbolOptions{})), "CEPNet takes a CEP of 8 digits");
  }
}

// Bars as modules, '1' dark: bwip-js gives widths that may be 0 (Flattermarken's
// empty field for the digit 0), ours runs from a bar; trailing spaces dropped.
std::string Modules(const std::vector<int>& widths) {
  std::string modules;
  for (std::size_t i = 0; i < widths.size(); ++i) modules.append(std::size_t(widths[i]), i % 2 == 0 ? '1' : '0');
  return modules.substr(0, modules.find_last_of('1') + 1);
}

TEST(Flattermarken, ModulesEqualBwipJs) {
  for (const std::u32string data : {U"0123456789", U"11", U"90807"}) {
    const Result<EncodedSymbol> ours = EncodeAdded<zint::kFlattermarken>(data, U"", SymbolOptions{});
    ASSERT_TRUE(ours) << ours.refusal;
    const std::string theirs = BwipRaw("flattermarken", std::string(data.begin(), data.end()));
    ASSERT_TRUE(theirs.starts_with("bars ")) << theirs;
    std::vector<int> widths;
    for (std::size_t at = 5; at < theirs.size(); at = theirs.find(',', at) + 1) {
      widths.push_back(std::stoi(theirs.substr(at)));
      if (theirs.find(',', at) == std::string::npos) break;
    }
    EXPECT_EQ(Modules(std::vector<int>(ours->elements.begin(), ours->elements.end())), Modules(widths));
  }
}

// Korea Post's check digit brings the digits' sum to a multiple of 10; a code
// of fewer digits is one with zeros in front.
TEST(KoreaPost, CarriesItsCheckDigit) {
  const std::pair<std::u32string, std::u32string> rows[] = {
      {U"123456", U"1234569"}, {U"000000", U"0000000"}, {U"135790", U"1357905"}, {U"42", U"0000424"}};
  for (const auto& [data, text] : rows) {
    const Result<EncodedSymbol> ours = EncodeKoreaPost(data, U"", SymbolOptions{});
    ASSERT_TRUE(ours) << ours.refusal;
    EXPECT_EQ(ours->text, text);
  }
  EXPECT_FALSE(EncodeKoreaPost(U"1234567", U"", SymbolOptions{}));
}

// Korea Post customer barcode (ETRI, Electronics and Telecommunications Trends, 1999, as Barcode
// Writer in Pure PostScript's Korea Post page describes it): each digit five equally spaced places
// holding three bars, then an end bar, printed from the least significant; here 4 modules apart.
std::vector<std::string> KoreaPostDigits(std::u32string_view data) {
  const Result<EncodedSymbol> ours = EncodeKoreaPost(data, U"", SymbolOptions{});
  std::string places(7 * 6, '0');
  for (std::size_t i = 0, at = 0; ours && i < ours->elements.size(); at += ours->elements[i++]) {
    if (i % 2 == 1 || ours->elements[i] == 0) continue;
    EXPECT_TRUE(ours->elements[i] == 1 && at % 4 == 0 && at / 4 < places.size()) << "bar at module " << at;
    places.at(at / 4) = '1';
  }
  std::vector<std::string> digits;
  for (std::size_t at = 0; at < places.size(); at += 6) digits.push_back(places.substr(at, 6));
  for (const std::string& digit : digits) EXPECT_TRUE(std::ranges::count(digit, '1') == 4 && digit[5] == '1') << digit;
  return digits;
}

TEST(KoreaPost, ThreeOfFivePlacesAndAnEndBarOnOneClock) {
  std::vector<std::string> patterns;  // of the digits 0..9
  for (char32_t d = U'0'; d <= U'9'; ++d) patterns.push_back(KoreaPostDigits(std::u32string(6, d))[0]);
  EXPECT_EQ(std::set<std::string>(patterns.begin(), patterns.end()).size(), 10u);
  // "123456", check digit 9: 6 5 4 3 2 1 then 9.
  EXPECT_EQ(KoreaPostDigits(U"123456"), (std::vector<std::string>{patterns[6], patterns[5], patterns[4], patterns[3],
                                                                   patterns[2], patterns[1], patterns[9]}));
}

}  // namespace
}  // namespace kbc::test
