// GS1 Digital Link URIs: keys, qualifier order, query attributes and the
// checks of each value, against the examples of the GS1 Digital Link standard
// and URIs broken one part at a time.
#include <gtest/gtest.h>

#include <string>

#include "core/string_ops.h"
#include "linear/gs1_digital_link.h"

namespace kbc {
namespace {

struct Uri {
  const char* uri;
  const char* refusal;  // words the refusal holds; "" for a valid URI
};

const Uri kUris[] = {
    {"https://id.gs1.org/01/09501101530003", ""},
    {"https://id.gs1.org/01/09501101530003/10/ABC123", ""},
    {"https://id.gs1.org/01/09501101530003/22/2A/10/ABC/21/XYZ", ""},
    {"https://id.gs1.org/01/09501101530003/235/TPX1", ""},
    {"https://example.com/01/09501101530003/10/ABC123?17=250101", ""},
    {"https://example.com/shop/products/01/09501101530003/21/S1", ""},
    {"https://id.gs1.org/01/09501101530003?3103=000189&15=251231", ""},
    {"https://id.gs1.org/01/09501101530003?linkType=gs1:pip", ""},
    {"https://id.gs1.org/01/09501101530003/10/A%2FB", ""},
    {"https://id.gs1.org/00/106141411234567897", ""},
    {"https://id.gs1.org/414/9501101530003/254/A1", ""},
    {"https://id.gs1.org/8006/095011015300030102/22/X", ""},
    {"https://id.gs1.org/8004/9501101ABC", ""},
    {"https://id.gs1.org/01/09501101530003#top", ""},
    {"https://id.gs1.org/8017/950110153000000007/8019/1", ""},
    {"https://id.gs1.org/01/09501101530004", "check digit is 4, it should be 3"},
    {"https://id.gs1.org/00/106141411234567890", "check digit"},
    {"https://id.gs1.org/01/09501101530003/21/XYZ/10/ABC", "out of GS1's order"},
    {"https://id.gs1.org/01/09501101530003/21/X/22/Y", "out of GS1's order"},
    {"https://id.gs1.org/01/09501101530003/22/X/235/Y", "out of GS1's order"},
    {"https://id.gs1.org/01/09501101530003/99/X", "not a qualifier of (01)"},
    {"https://id.gs1.org/01/09501101530003/05/X", "/05 is not a GS1 application identifier"},
    {"https://id.gs1.org/01/09501101530003?05=X", "?05 is not a GS1 application identifier"},
    {"https://id.gs1.org/01/09501101530003?21=X", "(21) cannot be a query attribute"},
    {"https://id.gs1.org/01/09501101530003/10/A%2", "bad percent-encoding in the value of (10)"},
    {"https://id.gs1.org/01/09501101530003/10/A%GG", "bad percent-encoding"},
    {"https://id.gs1.org/01/09501101530003?17=25%3", "bad percent-encoding in the value of (17)"},
    {"https://id.gs1.org/01/09501101530003?17=251301", "date 251301 is not a date YYMMDD"},
    {"https://id.gs1.org/01/0950110153000", "AI (01) takes 14 characters (got 13)"},
    {"https://id.gs1.org/01/09501101530003/10", "has no value"},
    {"https://id.gs1.org/10/ABC", "no primary key"},
    {"https://id.gs1.org", "no domain and path"},
    {"http://id.gs1.org/01/09501101530003", "must begin with https://"},
    {"https://id.gs1.org/01/09501101530003/10/AB CD", "printable ASCII only"},
    {"https://id.gs1.org/01/09501101530003/10/A%23B", "cannot hold \"#\""},
};

TEST(Gs1DigitalLink, EachUriIsTakenOrRefusedNamingThePart) {
  for (const Uri& row : kUris) {
    SCOPED_TRACE(row.uri);
    const Result<std::vector<Gs1Field>> parsed = ParseGs1DigitalLink(Widen(row.uri));
    if (std::string(row.refusal).empty()) {
      ASSERT_TRUE(parsed) << parsed.refusal;
      EXPECT_FALSE(parsed->empty());
    } else {
      EXPECT_FALSE(parsed);
      EXPECT_NE(parsed.refusal.find(row.refusal), std::string::npos) << parsed.refusal;
    }
  }
}

TEST(Gs1DigitalLink, KeyQualifiersAndAttributesBecomeFields) {
  const Result<std::vector<Gs1Field>> parsed =
      ParseGs1DigitalLink(U"https://example.com/a/01/09501101530003/10/AB%2F1?17=250101&linkType=all");
  ASSERT_TRUE(parsed) << parsed.refusal;
  EXPECT_EQ(Gs1HumanReadable(*parsed), "(01)09501101530003(10)AB/1(17)250101");
}

// -gs1dl: element strings made into URIs, each parsed back to the same fields.
TEST(Gs1DigitalLink, ElementStringsBecomeUris) {
  const struct {
    const char* elementString;
    const char* uri;  // "" where refused
    const char* refusal;
  } rows[] = {
      {"(01)09501101530003", "https://id.gs1.org/01/09501101530003", ""},
      // Qualifiers go in GS1's order whatever theirs; dates are attributes.
      {"(17)271231(21)X%Y(10)AB/1(01)09501101530003",
       "https://id.gs1.org/01/09501101530003/10/AB%2F1/21/X%25Y?17=271231", ""},
      {"(01)09501101530003(235)T1", "https://id.gs1.org/01/09501101530003/235/T1", ""},
      {"(10)ABC(17)271231", "", "needs a primary key"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.elementString);
    const Result<std::vector<Gs1Field>> fields = ParseGs1ElementString(Widen(row.elementString));
    ASSERT_TRUE(fields) << fields.refusal;
    const Result<std::string> uri = Gs1DigitalLinkUri("https://id.gs1.org", *fields);
    if (*row.uri == '\0') {
      EXPECT_FALSE(uri);
      EXPECT_NE(uri.refusal.find(row.refusal), std::string::npos) << uri.refusal;
      continue;
    }
    ASSERT_TRUE(uri) << uri.refusal;
    EXPECT_EQ(*uri, row.uri);
    const Result<std::vector<Gs1Field>> back = ParseGs1DigitalLink(Widen(*uri));
    ASSERT_TRUE(back) << back.refusal;
    EXPECT_EQ(back->size(), fields->size());
  }
}

}  // namespace
}  // namespace kbc
