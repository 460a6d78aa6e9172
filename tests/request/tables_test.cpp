// The option table: every row is reachable by its name, its --help example
// runs silently, and it is refused where its scope says.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "cli/front_end.h"
#include "kestrova/barcode.h"
#include "request/option_table.h"

namespace kbc {
namespace {

std::string Upper(std::string_view name) {
  std::string upper(name);
  for (char& c : upper) c = c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
  return upper;
}

TEST(OptionTable, EveryRowIsNamedAndHinted) {
  for (const OptionRow& row : OptionRows()) {
    SCOPED_TRACE(row.name);
    EXPECT_TRUE(IsOptionName(row.name));
    EXPECT_EQ(NearestOptionName(Upper(row.name)), row.name);
    EXPECT_EQ(NearestOptionName(std::string(row.name) + row.name.back()), row.name);
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

}  // namespace
}  // namespace kbc
