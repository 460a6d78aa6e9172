#include "linear/gs1_ai_table.h"

#include <algorithm>
#include <array>

namespace kbc {
namespace {

using enum Gs1Characters;
using enum Gs1Meaning;

// GS1 General Specifications (release 22), section 3.2, the formats of the AI
// list: N14 is fourteen digits, X..20 up to twenty characters of set 82.
// clang-format off
constexpr std::array kAiFormats = std::to_array<Gs1AiFormat>({
    {"00", 18, 18, Digits, CheckDigit, 18},  {"01", 14, 14, Digits, CheckDigit, 14},
    {"02", 14, 14, Digits, CheckDigit, 14},  {"10", 1, 20, Set82},
    {"11", 6, 6, Digits, DateOrZeroDay},     {"12", 6, 6, Digits, DateOrZeroDay},
    {"13", 6, 6, Digits, DateOrZeroDay},     {"15", 6, 6, Digits, DateOrZeroDay},
    {"16", 6, 6, Digits, DateOrZeroDay},     {"17", 6, 6, Digits, DateOrZeroDay},
    {"20", 2, 2, Digits},                    {"21", 1, 20, Set82},
    {"22", 1, 20, Set82},                    {"235", 1, 28, Set82},
    {"240", 1, 30, Set82},                   {"241", 1, 30, Set82},
    {"242", 1, 6, Digits},                   {"243", 1, 20, Set82},
    {"250", 1, 30, Set82},                   {"251", 1, 30, Set82},
    {"253", 13, 30, Set82, CheckDigit, 13, 13}, {"254", 1, 20, Set82},
    {"255", 13, 25, Digits, CheckDigit, 13}, {"30", 1, 8, Digits},
    {"310d", 6, 6, Digits}, {"311d", 6, 6, Digits}, {"312d", 6, 6, Digits},
    {"313d", 6, 6, Digits}, {"314d", 6, 6, Digits}, {"315d", 6, 6, Digits},
    {"316d", 6, 6, Digits}, {"320d", 6, 6, Digits}, {"321d", 6, 6, Digits},
    {"322d", 6, 6, Digits}, {"323d", 6, 6, Digits}, {"324d", 6, 6, Digits},
    {"325d", 6, 6, Digits}, {"326d", 6, 6, Digits}, {"327d", 6, 6, Digits},
    {"328d", 6, 6, Digits}, {"329d", 6, 6, Digits}, {"330d", 6, 6, Digits},
    {"331d", 6, 6, Digits}, {"332d", 6, 6, Digits}, {"333d", 6, 6, Digits},
    {"334d", 6, 6, Digits}, {"335d", 6, 6, Digits}, {"336d", 6, 6, Digits},
    {"337d", 6, 6, Digits}, {"340d", 6, 6, Digits}, {"341d", 6, 6, Digits},
    {"342d", 6, 6, Digits}, {"343d", 6, 6, Digits}, {"344d", 6, 6, Digits},
    {"345d", 6, 6, Digits}, {"346d", 6, 6, Digits}, {"347d", 6, 6, Digits},
    {"348d", 6, 6, Digits}, {"349d", 6, 6, Digits}, {"350d", 6, 6, Digits},
    {"351d", 6, 6, Digits}, {"352d", 6, 6, Digits}, {"353d", 6, 6, Digits},
    {"354d", 6, 6, Digits}, {"355d", 6, 6, Digits}, {"356d", 6, 6, Digits},
    {"357d", 6, 6, Digits}, {"360d", 6, 6, Digits}, {"361d", 6, 6, Digits},
    {"362d", 6, 6, Digits}, {"363d", 6, 6, Digits}, {"364d", 6, 6, Digits},
    {"365d", 6, 6, Digits}, {"366d", 6, 6, Digits}, {"367d", 6, 6, Digits},
    {"368d", 6, 6, Digits}, {"369d", 6, 6, Digits},
    {"37", 1, 8, Digits},                    {"390n", 1, 15, Digits},
    {"391n", 4, 18, Digits},                 {"392n", 1, 15, Digits},
    {"393n", 4, 18, Digits},                 {"394n", 4, 4, Digits},
    {"400", 1, 30, Set82},                   {"401", 1, 30, Set82},
    {"402", 17, 17, Digits, CheckDigit, 17}, {"403", 1, 30, Set82},
    {"410", 13, 13, Digits, CheckDigit, 13}, {"411", 13, 13, Digits, CheckDigit, 13},
    {"412", 13, 13, Digits, CheckDigit, 13}, {"413", 13, 13, Digits, CheckDigit, 13},
    {"414", 13, 13, Digits, CheckDigit, 13}, {"415", 13, 13, Digits, CheckDigit, 13},
    {"416", 13, 13, Digits, CheckDigit, 13}, {"417", 13, 13, Digits, CheckDigit, 13},
    {"420", 1, 20, Set82},                   {"421", 4, 12, Set82, None, 0, 3},
    {"422", 3, 3, Digits},                   {"423", 3, 15, Digits},
    {"424", 3, 3, Digits},                   {"425", 3, 15, Digits},
    {"426", 3, 3, Digits},                   {"427", 1, 3, Set82},
    {"7001", 13, 13, Digits},                {"7002", 1, 30, Set82},
    {"7003", 10, 10, Digits, Date},          {"7004", 1, 4, Digits},
    {"7005", 1, 12, Set82},                  {"7006", 6, 6, Digits, Date},
    {"7007", 6, 12, Digits, Date},           {"7009", 1, 10, Set82},
    {"7010", 1, 2, Set82},                   {"7020", 1, 20, Set82},
    {"7021", 1, 20, Set82},                  {"7022", 1, 20, Set82},
    {"7023", 1, 30, Set82},                  {"8001", 14, 14, Digits},
    {"8002", 1, 20, Set82},                  {"8003", 14, 30, Set82, CheckDigit, 14, 14},
    {"8004", 1, 30, Set82},                  {"8005", 6, 6, Digits},
    {"8006", 18, 18, Digits, CheckDigit, 14}, {"8007", 1, 34, Set82},
    {"8008", 8, 12, Digits},                 {"8010", 1, 30, Set39},
    {"8011", 1, 12, Digits},                 {"8012", 1, 20, Set82},
    {"8013", 1, 25, Set82},                  {"8017", 18, 18, Digits, CheckDigit, 18},
    {"8018", 18, 18, Digits, CheckDigit, 18}, {"8019", 1, 10, Digits},
    {"8020", 1, 25, Set82},                  {"8200", 1, 70, Set82},
    {"90", 1, 30, Set82},                    {"91", 1, 90, Set82},
    {"92", 1, 90, Set82},                    {"93", 1, 90, Set82},
    {"94", 1, 90, Set82},                    {"95", 1, 90, Set82},
    {"96", 1, 90, Set82},                    {"97", 1, 90, Set82},
    {"98", 1, 90, Set82},                    {"99", 1, 90, Set82},
});
// clang-format on
static_assert(kAiFormats.size() == 143);

bool Matches(std::string_view pattern, std::string_view ai) {
  if (pattern.size() != ai.size()) return false;
  for (std::size_t i = 0; i < ai.size(); ++i) {
    const char p = pattern[i];
    const char c = ai[i];
    if (p == 'n' ? (c < '0' || c > '9') : p == 'd' ? (c < '0' || c > '5') : p != c) return false;
  }
  return true;
}

}  // namespace

std::optional<Gs1AiFormat> FindGs1Ai(std::string_view ai) {
  const auto found = std::ranges::find_if(kAiFormats, [ai](const Gs1AiFormat& f) { return Matches(f.ai, ai); });
  if (found == kAiFormats.end()) return std::nullopt;
  return *found;
}

// GS1 General Specifications, Figure 7.8.5-2: the element strings of
// predefined length, by the first two digits; 23 is kept for older data.
bool Gs1HasPredefinedLength(std::string_view ai) {
  constexpr std::array<std::string_view, 23> kPredefined = {"00", "01", "02", "03", "04",  //  0
                                                            "11", "12", "13", "14", "15",  //  5
                                                            "16", "17", "18", "19", "20",  // 10
                                                            "23", "31", "32", "33", "34",  // 15
                                                            "35", "36", "41"};             // 20
  return ai.size() >= 2 && std::ranges::find(kPredefined, ai.substr(0, 2)) != kPredefined.end();
}

}  // namespace kbc
