// CSV rows: quoting, line ends and blank rows as RFC 4180 files and
// spreadsheets write them; the same rows whether the bytes come whole or one
// at a time; and rows beyond the bounds dropped without holding them.
#include "cli/csv_rows.h"

#include <gtest/gtest.h>

namespace kbc {
namespace {

struct ExpectedRow {
  std::size_t number;
  std::vector<std::string> cells;
  CsvFault fault = CsvFault::None;
};

struct Quoting {
  const char* name;
  std::string_view file;
  std::vector<ExpectedRow> rows;
};

const Quoting kQuoting[] = {
    {"EmbeddedComma", "a,\"b,c\"\n", {{1, {"a", "b,c"}}}},
    {"DoubledQuote", "\"say \"\"hi\"\"\",\"\"\"\"\n", {{1, {"say \"hi\"", "\""}}}},
    {"EmbeddedLineBreakCountsOneRow", "\"one\ntwo\",x\ny\n", {{1, {"one\ntwo", "x"}}, {2, {"y"}}}},
    {"CrLfLineEnds", "a,b\r\n\"c\",d\r\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
    {"CrInsideQuotesKept", "\"a\r\"\r\nb\rc\n", {{1, {"a\r"}}, {2, {"b\rc"}}}},
    {"NoFinalLineEnd", "a,b\nc,d", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
    {"EmptyLastCell", "a,\n,b", {{1, {"a", ""}}, {2, {"", "b"}}}},
    {"BlankRowsCountedNotAdded", "a\n\n,,\r\n\r\nb\n", {{1, {"a"}}, {5, {"b"}}}},
    {"QuotedEmptyCellIsNoBlankRow", "\"\"\n", {{1, {""}}}},
    {"BareQuoteIsAByte", "ab\"c,d\n", {{1, {"ab\"c", "d"}}}},
    {"UnterminatedQuoteReported", "a\n\"b,c\nd", {{1, {"a"}}, {2, {}, CsvFault::OpenQuote}}},
    {"Empty", "", {}},
};

// ctest names each case by its printed parameter.
void PrintTo(const Quoting& quoting, std::ostream* out) { *out << quoting.name; }

class CsvQuoting : public testing::TestWithParam<Quoting> {};

void ExpectRows(const std::vector<CsvRow>& rows, const std::vector<ExpectedRow>& expected) {
  ASSERT_EQ(rows.size(), expected.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].number, expected[i].number) << "row " << i;
    EXPECT_EQ(rows[i].cells, expected[i].cells) << "row " << i;
    EXPECT_EQ(rows[i].fault, expected[i].fault) << "row " << i;
  }
}

TEST_P(CsvQuoting, WholeAndByteByByte) {
  ExpectRows(SplitCsvRows(GetParam().file), GetParam().rows);
  std::vector<CsvRow> rows;
  CsvRowSplitter splitter;
  for (const char c : GetParam().file) splitter.Feed({&c, 1}, rows);
  splitter.Finish(rows);
  ExpectRows(rows, GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Files, CsvQuoting, testing::ValuesIn(kQuoting),
                         [](const testing::TestParamInfo<Quoting>& info) { return std::string(info.param.name); });

// At the bounds a row is read; one byte or cell beyond, it is dropped with its
// fault and the next row is read again.
TEST(CsvRows, BoundsDropOnlyTheirRow) {
  const std::string longest(kLongestCsvCell, 'x');
  const std::string most(kMostCsvCells - 1, ',');
  const std::string file = longest + "\r\n\"" + longest + "x\"\n" + most + "a\n" + most + ",a\nnext\n";
  const std::vector<CsvRow> rows = SplitCsvRows(file);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0].cells, std::vector<std::string>{longest});
  EXPECT_EQ(rows[1].fault, CsvFault::LongCell);
  EXPECT_TRUE(rows[1].cells.empty());
  EXPECT_EQ(rows[2].cells.size(), kMostCsvCells);
  EXPECT_EQ(rows[3].fault, CsvFault::ManyCells);
  EXPECT_EQ(rows[4].number, 5u);
  EXPECT_EQ(rows[4].cells, std::vector<std::string>{"next"});
}

}  // namespace
}  // namespace kbc
