// The built executable carries the protections of a hardened build, as the
// ELF loader sees them (readelf from binutils, which the toolchain brings).
#include <gtest/gtest.h>

#include <ostream>
#include <regex>

#include "support/process.h"

namespace kbc {
namespace {

// A property holds when some line of readelf's output matches its pattern ("."
// stops at line ends, and "\b" lets "name@VERSION" count as "name").
struct ElfProperty {
  const char* name;
  const char* readelfOption;
  const char* pattern;
};

void PrintTo(const ElfProperty& property, std::ostream* out) { *out << property.name; }

const ElfProperty kProperties[] = {
    // A position-independent executable is a shared object with an interpreter.
    {"PositionIndependent", "--file-header", R"(Type:\s+DYN\b)"},
    {"HasInterpreter", "--program-headers", R"(\bINTERP\b)"},
    {"ReadOnlyRelocations", "--program-headers", R"(\bGNU_RELRO\b)"},
    {"BoundAtStartUp", "--dynamic", R"(\(FLAGS\).*\bBIND_NOW\b|\(FLAGS_1\).*\bNOW\b)"},
    {"StackProtector", "--dyn-syms", R"(\b__stack_chk_fail\b)"},
};

class Hardening : public testing::TestWithParam<ElfProperty> {};

TEST_P(Hardening, ExecutableHasProperty) {
  ASSERT_EQ(test::RunProgram({"sh", "-c", "command -v readelf"}).status, 0) << "readelf (binutils) is needed";
  const ElfProperty& property = GetParam();
  const auto run = test::RunProgram({"readelf", "--wide", property.readelfOption, KBC_EXECUTABLE});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::regex_search(run.out, std::regex(property.pattern))) << property.name << " not found in\n" << run.out;
}

INSTANTIATE_TEST_SUITE_P(Executable, Hardening, testing::ValuesIn(kProperties),
                         [](const testing::TestParamInfo<ElfProperty>& info) { return info.param.name; });

}  // namespace
}  // namespace kbc
