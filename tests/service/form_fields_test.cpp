#include "service/form_fields.h"

#include <gtest/gtest.h>

#include <ostream>

namespace kbc {
namespace {

struct FormCase {
  const char* name;
  const char* encoded;
  std::vector<FormField> fields;  // empty with a refusal
  bool refused = false;
};

// gtest names a case by its name instead of dumping the record's bytes.
void PrintTo(const FormCase& c, std::ostream* out) { *out << c.name; }

// Form encoding per the WHATWG URL standard's application/x-www-form-urlencoded parser.
const FormCase kFormCases[] = {
    {"PlusIsSpace", "data=Lot+7", {{"data", "Lot 7"}}},
    {"EscapesDecoded", "data=%41b%2bc%26d%3D", {{"data", "Ab+c&d="}}},
    {"UpperAndLowerHex", "data=%c3%A9", {{"data", "\xC3\xA9"}}},
    {"EmptyPairsSkipped", "&type=EAN-8&&data=1&", {{"type", "EAN-8"}, {"data", "1"}}},
    {"NameWithoutValue", "strict", {{"strict", ""}}},
    {"SecondEqualsBelongsToValue", "data=a=b", {{"data", "a=b"}}},
    {"RepeatsKeptInOrder", "data=1&data=2", {{"data", "1"}, {"data", "2"}}},
    {"BadHexRefused", "data=%zz", {}, true},
    {"TruncatedEscapeRefused", "data=%4", {}, true},
    {"LonePercentRefused", "data=%", {}, true},
    {"EscapeInNameRefused", "da%g1ta=1", {}, true},
    {"NulRefused", "data=a%00b", {}, true},
};

class FormFieldsTest : public testing::TestWithParam<FormCase> {};

TEST_P(FormFieldsTest, DecodesOrRefuses) {
  const FormCase& c = GetParam();
  const Result<std::vector<FormField>> fields = ReadFormFields(c.encoded);
  ASSERT_EQ(!fields, c.refused) << fields.refusal;
  if (c.refused) return;
  ASSERT_EQ(fields->size(), c.fields.size());
  for (std::size_t i = 0; i < c.fields.size(); ++i) {
    EXPECT_EQ((*fields)[i].name, c.fields[i].name);
    EXPECT_EQ((*fields)[i].value, c.fields[i].value);
  }
}

INSTANTIATE_TEST_SUITE_P(Forms, FormFieldsTest, testing::ValuesIn(kFormCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kbc
