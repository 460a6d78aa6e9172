// The option and action tables: every row is reachable by its name or word,
// reads its values as its row says, and is refused where its scope says.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/front_end.h"
#include "kestrova/barcode.h"
#include "output/output_formats.h"
#include "request/option_table.h"

namespace kbc {
namespace {

std::string Upper(std::string_view name) {
  std::string upper(name);
  for (char& c : upper) c = c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
  return upper;
}

// A value that the reading does not take as typed, and the warning it gives;
// no value for the readings that take any value.
struct Untaken {
  std::string value;
  std::string warning;
};

std::optional<Untaken> UntakenValue(const OptionRow& row) {
  const std::string name(row.name);
  switch (row.reading) {
    case OptionReading::Integer:
      return Untaken{"-2147483647", name + " -2147483647 is outside " + std::to_string(row.low) + ".." +
                                        std::to_string(row.high) + ", so " + std::to_string(row.low) + " is used"};
    case OptionReading::Unit:
      return Untaken{"2", name + " 2 is outside 0..1, so 1 is used"};
    case OptionReading::Switch:
      return Untaken{"65536", name + " 65536 counts as off: only its low 16 bits are read"};
    case OptionReading::Flag:
      return Untaken{"x", name + " \"x\" is read as 0"};
    default:
      return std::nullopt;
  }
}

TEST(OptionTable, EveryRowIsNamedReadAndHinted) {
  for (const OptionRow& row : OptionRows()) {
    SCOPED_TRACE(row.name);
    EXPECT_TRUE(IsOptionName(row.name));
    EXPECT_EQ(NearestOptionName(Upper(row.name)), row.name);
    EXPECT_EQ(NearestOptionName(std::string(row.name) + row.name.back()), row.name);
    CommandLine line;
    if (const std::optional<Untaken> untaken = UntakenValue(row)) {
      ASSERT_TRUE(ApplyOption(line, row.name, untaken->value));
      ASSERT_EQ(line.valueWarnings.size(), 1u);
      EXPECT_EQ(line.valueWarnings[0].second, untaken->warning);
    } else {
      EXPECT_TRUE(ApplyOption(line, row.name, "inside"));
    }
    EXPECT_EQ(row.scope == OptionScope::Run, !row.runReason.empty()) << "a run option says why a CSV column cannot";
  }
}

// The words of a --help example as a shell passes them, up to a redirection.
std::vector<std::string> ExampleWords(std::string_view example) {
  std::vector<std::string> words(1);
  bool quoted = false;
  for (const char c : example) {
    if (c == '\'') {
      quoted = !quoted;
    } else if (c == ' ' && !quoted) {
      words.emplace_back();
    } else if (c == '>' && !quoted) {
      break;
    } else {
      words.back() += c;
    }
  }
  std::erase(words, "");
  return words;
}

TEST(OptionTable, EveryHelpExampleUsesItsOptionSilently) {
  for (const OptionRow& row : OptionRows()) {
    if (row.help.place == 0) continue;
    SCOPED_TRACE(row.name);
    const std::vector<std::string> words = ExampleWords(row.help.example);
    const std::vector<std::string_view> args(words.begin(), words.end());
    EXPECT_NE(std::ranges::find(args, row.name), args.end());
    const CommandLine line = ScanArguments(args);
    EXPECT_TRUE(line.valueWarnings.empty() && line.valueRefusals.empty());
    EXPECT_TRUE(UnknownOptionWarnings(args).empty());
  }
}

TEST(OptionTable, TheLibraryTakesOnlyRequestOptions) {
  for (const OptionRow& row : OptionRows()) {
    SCOPED_TRACE(row.name);
    kbc_request* request = kbc_request_new();
    const std::string bare(row.name.substr(1));
    const bool refused = kbc_request_set(request, bare.c_str(), "1") == KBC_INVALID &&
                         std::string_view(kbc_request_error(request)).ends_with("is no option of a request");
    EXPECT_EQ(refused, row.scope != OptionScope::Request);
    kbc_request_free(request);
  }
}

TEST(ActionTable, EveryWordMapsToItsActionAndBack) {
  for (const OutputFormat& format : OutputFormats()) {
    SCOPED_TRACE(format.word);
    const std::u32string word(format.word.begin(), format.word.end());
    EXPECT_EQ(ActionFromWord(word), format.action);
    EXPECT_EQ(ActionWord(format.action), format.word);
    EXPECT_EQ(OutputFormatOf(format.action), &format);
    // Only a file action writes a file, and every file carries its codes.
    EXPECT_EQ(format.render != nullptr, format.fileType != 0 && !format.extension.empty());
  }
  EXPECT_EQ(OutputFormatOf(OutputAction::None), nullptr);
}

}  // namespace
}  // namespace kbc
