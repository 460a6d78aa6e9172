#include "support/gs1_samples.h"

#include "linear/gs1_element_string.h"

namespace kbc::test {

std::string RandomElementString(std::mt19937& random) {
  const auto pick = [&random](int n) { return int(random() % unsigned(n)); };
  const auto digits = [&](int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s.push_back(char('0' + pick(10)));
    return s;
  };
  const auto text = [&](int n) {
    constexpr std::string_view kCharacters = "0123456789ABCDEFXYZabcxyz-./";
    std::string s;
    for (int i = 0; i < n; ++i) s.push_back(kCharacters[std::size_t(pick(int(kCharacters.size())))]);
    return s;
  };
  std::string element;
  const int fieldCount = 1 + pick(4);
  for (int f = 0; f < fieldCount && element.size() < 34; ++f) {
    switch (pick(6)) {
      case 0: {
        const std::string gtin = digits(13);
        element += "(01)" + gtin + Gs1CheckDigit(gtin);
        break;
      }
      case 1:
        element += "(17)" + digits(2) + "0" + char('1' + pick(9)) + "1" + char('0' + pick(10));
        break;
      case 2:
        element += "(10)" + text(1 + pick(12));
        break;
      case 3:
        element += "(21)" + text(1 + pick(10));
        break;
      case 4:
        element += "(30)" + digits(1 + pick(8));
        break;
      default:
        element += "(3103)" + digits(6);
        break;
    }
  }
  return element;
}

}  // namespace kbc::test
