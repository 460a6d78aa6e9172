// The built executable carries the protections of a hardened build, as the
// ELF loader sees them (readelf from binutils, which the toolchain brings).
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "support/process.h"

namespace kbc {
namespace {

// A property holds when some line of readelf's output has all the words of
// one of its word lists as whole words ("name@VERSION" counts as "name").
struct ElfProperty {
  const char* name;
  const char* readelfOption;
  std::vector<std::vector<std::string_view>> anyOf;
};

bool HasWords(const std::string& line, const std::vector<std::string_view>& words) {
  std::vector<std::string> tokens;
  std::istringstream in(line);
  for (std::string token; in >> token;) tokens.push_back(token.substr(0, token.find('@')));
  for (const std::string_view word : words) {
    if (std::find(tokens.begin(), tokens.end(), word) == tokens.end()) return false;
  }
  return true;
}

bool Holds(const ElfProperty& property, const std::string& output) {
  std::istringstream in(output);
  for (std::string line; std::getline(in, line);) {
    for (const auto& words : property.anyOf) {
      if (HasWords(line, words)) return true;
    }
  }
  return false;
}

void PrintTo(const ElfProperty& property, std::ostream* out) { *out << property.name; }

const ElfProperty kProperties[] = {
    // A position-independent executable is a shared object with an interpreter.
    {"PositionIndependent", "--file-header", {{"Type:", "DYN"}}},
    {"HasInterpreter", "--program-headers", {{"INTERP"}}},
    {"ReadOnlyRelocations", "--program-headers", {{"GNU_RELRO"}}},
    {"BoundAtStartUp", "--dynamic", {{"(FLAGS)", "BIND_NOW"}, {"(FLAGS_1)", "NOW"}}},
    {"StackProtector", "--dyn-syms", {{"__stack_chk_fail"}}},
};

class Hardening : public testing::TestWithParam<ElfProperty> {};

TEST_P(Hardening, ExecutableHasProperty) {
  ASSERT_EQ(test::RunProgram({"sh", "-c", "command -v readelf"}).status, 0) << "readelf (binutils) is needed";
  const ElfProperty& property = GetParam();
  const auto run = test::RunProgram({"readelf", "--wide", property.readelfOption, KBC_EXECUTABLE});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Holds(property, run.out)) << property.name << " not found in\n" << run.out;
}

INSTANTIATE_TEST_SUITE_P(Executable, Hardening, testing::ValuesIn(kProperties),
                         [](const testing::TestParamInfo<ElfProperty>& info) { return info.param.name; });

}  // namespace
}  // namespace kbc
