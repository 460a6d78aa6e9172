// The built executable carries the protections of a hardened build, as the
// ELF loader sees them (readelf from binutils, which the toolchain brings).
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "support/process.h"

namespace kbc {
namespace {

struct ElfProperty {
  const char* name;
  const char* readelfOption;
  const char* pattern;  // must match somewhere in readelf's output
};

constexpr ElfProperty kProperties[] = {
    // A position-independent executable is a shared object with an interpreter.
    {"PositionIndependent", "--file-header", R"(Type:\s+DYN\b)"},
    {"HasInterpreter", "--program-headers", R"(\n\s*INTERP\s)"},
    {"ReadOnlyRelocations", "--program-headers", R"(\n\s*GNU_RELRO\s)"},
    {"BoundAtStartUp", "--dynamic", R"(\(FLAGS\)\s+BIND_NOW|\(FLAGS_1\)\s+Flags:[^\n]*\bNOW\b)"},
    {"StackProtector", "--dyn-syms", R"(\b__stack_chk_fail\b)"},
};

class Hardening : public testing::TestWithParam<ElfProperty> {};

TEST_P(Hardening, ExecutableHasProperty) {
  ASSERT_TRUE(test::HaveProgram("readelf")) << "readelf (binutils) is needed";
  const ElfProperty& property = GetParam();
  const auto run = test::RunProgram({"readelf", "--wide", property.readelfOption, KBC_EXECUTABLE});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::regex_search(run.out, std::regex(property.pattern)))
      << property.name << ": no match for " << property.pattern << " in\n"
      << run.out;
}

INSTANTIATE_TEST_SUITE_P(Executable, Hardening, testing::ValuesIn(kProperties),
                         [](const testing::TestParamInfo<ElfProperty>& info) { return info.param.name; });

}  // namespace
}  // namespace kbc
