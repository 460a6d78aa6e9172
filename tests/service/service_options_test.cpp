#include "service/service_options.h"

#include <gtest/gtest.h>

#include <ostream>

#include <vector>

namespace kbc {
namespace {

struct OptionsCase {
  const char* name;
  std::vector<std::string_view> args;  // after the program's name
  bool accepted;
};

// gtest names a case by its name instead of dumping the record's bytes.
void PrintTo(const OptionsCase& c, std::ostream* out) { *out << c.name; }

const OptionsCase kOptionsCases[] = {
    {"LoopbackPort", {"-serve", "127.0.0.1:8080"}, true},
    {"EveryAddress", {"-serve", ":8080"}, true},
    {"BracketedIpv6", {"-serve", "[::1]:8080"}, true},
    {"KernelChosenPort", {"-serve", "127.0.0.1:0", "-threads", "4", "-queue", "8"}, true},
    {"PortPastSixteenBits", {"-serve", "127.0.0.1:99999"}, false},
    {"PortNotANumber", {"-serve", "127.0.0.1:http"}, false},
    {"NoPort", {"-serve", "127.0.0.1"}, false},
    {"NoServe", {"-threads", "2"}, false},
    {"NoWorkers", {"-serve", ":0", "-threads", "0"}, false},
    {"NumberWithTail", {"-serve", ":0", "-maxbody", "4096k"}, false},
    {"UnknownOption", {"-serve", ":0", "-workers", "2"}, false},
    {"MissingValue", {"-serve", ":0", "-log"}, false},
};

class ServiceOptionsTest : public testing::TestWithParam<OptionsCase> {};

TEST_P(ServiceOptionsTest, AcceptsOrRefuses) {
  std::vector<std::string_view> args = {"KestrovaBarCodeService"};
  args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
  const Result<ServiceOptions> options = ReadServiceOptions(args);
  EXPECT_EQ(bool(options), GetParam().accepted) << options.refusal;
  EXPECT_EQ(options.refusal.empty(), bool(options));
}

INSTANTIATE_TEST_SUITE_P(Arguments, ServiceOptionsTest, testing::ValuesIn(kOptionsCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kbc
