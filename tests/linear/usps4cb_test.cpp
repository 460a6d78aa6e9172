// The USPS 4-State Customer Barcode: the published examples, the input checks,
// and bars against zint.
#include "linear/usps4cb.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/recording_target.h"
#include "support/zint_dump.h"

namespace kbc {
namespace {

// The published example tracking code with each routing form.
TEST(Usps4cb, PublishedExamples) {
  constexpr std::u32string_view kTracking = U"01234567094987654321";
  const struct {
    std::u32string_view routing;
    std::string_view letters;
  } rows[] = {
      {U"", "ATTFATTDTTADTAATTDTDTATTDAFDDFADFDFTFFFFFTATFAAAATDFFTDAADFTFDTDT"},
      {U"01234", "DTTAFADDTTFTDTFTFDTDDADADAFADFATDDFTAAAFDTTADFAAATDFDTDFADDDTDFFT"},
      {U"012345678", "ADFTTAFDTTTTFATTADTAAATFTFTATDAAAFDDADATATDTDTTDFDTDATADADTDFFTFA"},
      {U"01234567891", "AADTFFDFTDADTAADAATFDTDDAAADDTDTTDAFADADDDTFFFDDTTTADFAAADFTDAADA"},
  };
  for (const auto& row : rows) {
    const Usps4cbBars bars = Usps4cbEncodeCodes(kTracking, row.routing);
    EXPECT_EQ(bars.status, Usps4cbStatus::kOk);
    EXPECT_EQ(bars.letters, row.letters) << std::string(row.routing.begin(), row.routing.end());
    std::u32string data(kTracking);
    data += row.routing;
    EXPECT_EQ(Usps4cbEncode(data).letters, row.letters);
  }
}

TEST(Usps4cb, InputChecks) {
  constexpr std::u32string_view kTracking = U"01234567094987654321";
  const struct {
    const char* what;
    std::u32string_view tracking, routing;
    Usps4cbStatus status;
  } rows[] = {
      {"19 tracking digits", kTracking.substr(1), U"", Usps4cbStatus::kTrackingLength},
      {"a letter in the tracking code", U"0123456709498765432X", U"", Usps4cbStatus::kTrackingNotDigits},
      {"second digit 5", U"05234567094987654321", U"", Usps4cbStatus::kSecondDigitAbove4},
      {"second digit 4 is the largest", U"04234567094987654321", U"", Usps4cbStatus::kOk},
      {"6 routing digits", kTracking, U"012345", Usps4cbStatus::kRoutingLength},
      {"routing ends at a space", kTracking, U"01234 567", Usps4cbStatus::kOk},
      {"a letter in the routing code", kTracking, U"0123A", Usps4cbStatus::kRoutingNotDigits},
  };
  for (const auto& row : rows) {
    const Usps4cbBars bars = Usps4cbEncodeCodes(row.tracking, row.routing);
    EXPECT_EQ(bars.status, row.status) << row.what;
    EXPECT_EQ(bars.letters.size(), row.status == Usps4cbStatus::kOk ? 65u : 0u) << row.what;
  }
  EXPECT_EQ(Usps4cbEncodeCodes(kTracking, U"01234 567").letters, Usps4cbEncodeCodes(kTracking, U"01234").letters);
}

// zint's rows are ascender, tracker, descender, one bar every other module.
std::string ZintLetters(const std::string& tracking, const std::string& routing) {
  const std::vector<std::string> rows =
      test::ZintModuleRows({"-b", "85", "-d", routing.empty() ? tracking : tracking + "-" + routing});
  std::string letters;
  if (rows.size() != 3) return letters;
  for (std::size_t x = 0; x < rows[1].size() && rows[1][x] == '1'; x += 2) {
    const bool ascender = rows[0][x] == '1';
    const bool descender = rows[2][x] == '1';
    letters += ascender ? (descender ? 'F' : 'A') : (descender ? 'D' : 'T');
  }
  return letters;
}

// A seeded corpus: random tracking codes (second digit 0-4) with routing codes
// of every length, including the largest values, against zint 2.11 --dump.
TEST(Usps4cb, BarsMatchZint) {
  std::mt19937 random(20261207);
  const auto digits = [&](std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += char('0' + random() % 10);
    return s;
  };
  std::vector<std::pair<std::string, std::string>> corpus = {
      {"99499999999999999999", "99999999999"}, {"00000000000000000000", ""}, {"00000000000000000000", "00000"}};
  constexpr std::size_t kRoutingLengths[] = {0, 5, 9, 11};
  for (int round = 0; round < 12; ++round) {
    std::string tracking = digits(20);
    tracking[1] = char('0' + random() % 5);
    corpus.emplace_back(tracking, digits(kRoutingLengths[round % 4]));
  }
  for (const auto& [tracking, routing] : corpus) {
    SCOPED_TRACE(tracking + " " + routing);
    const Usps4cbBars bars = Usps4cbEncodeCodes(std::u32string(tracking.begin(), tracking.end()),
                                                std::u32string(routing.begin(), routing.end()));
    EXPECT_EQ(bars.letters, ZintLetters(tracking, routing));
  }
}

// The golden file holds the bars of the published example; here a display text
// is given, and never drawn.
TEST(Usps4cb, RendererDrawsNoText) {
  BarcodeSettings s = InitSettings();
  s.data = U"01234567094987654321", s.showText = 1, s.displayText = U"123", s.opaqueBackground = 1;
  test::RecordingTarget target;
  test::RenderOnto(target, RenderUsps4cb, s, *Usps4cbEncoding(s.data, U"", {}));
  EXPECT_TRUE(target.Only("text").empty());
  EXPECT_EQ(target.Only("fillrect").size(), 66u);  // the background and 65 bars
}

TEST(Usps4cbEncoding, RefusalsSayWhy) {
  EXPECT_EQ(Usps4cbEncoding(U"07234567094987654321", U"", {}).refusal,
            "the second digit of a USPS4CB tracking code must be 0 to 4 (got 7)");
  EXPECT_EQ(Usps4cbEncoding(U"012345670949876543210", U"", {}).refusal, "USPS4CB needs 20, 25, 29 or 31 digits (got 21)");
  EXPECT_EQ(Usps4cbEncoding(U"01234567094987654321", U"", {})->encoded, U"01234567094987654321");
}

}  // namespace
}  // namespace kbc
