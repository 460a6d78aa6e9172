#include "support/gs1_samples.h"

#include "linear/gs1_element_string.h"

namespace kbc::test {

std::string RandomElementString(std::mt19937& random) {
  const auto pick = [&random](int n) { return int(random() % unsigned(n)); };
  const auto from = [&](std::string_view characters, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s.push_back(characters[std::size_t(pick(int(characters.size())))]);
    return s;
  };
  const auto digits = [&](int n) { return from("0123456789", n); };
  const auto text = [&](int n) { return from("0123456789ABCDEFXYZabcxyz-./", n); };
  std::string element;
  const int fieldCount = 1 + pick(4);
  for (int f = 0; f < fieldCount && element.size() < 34; ++f) {
    const int kind = pick(6);
    if (kind == 0) {
      const std::string gtin = digits(13);
      element += "(01)" + gtin + Gs1CheckDigit(gtin);
    } else if (kind == 1) {
      element += "(17)" + digits(2) + "0" + char('1' + pick(9)) + "1" + char('0' + pick(10));
    } else {
      element += kind == 2 ? "(10)" + text(1 + pick(12))
                 : kind == 3 ? "(21)" + text(1 + pick(10))
                 : kind == 4 ? "(30)" + digits(1 + pick(8))
                             : "(3103)" + digits(6);
    }
  }
  return element;
}

}  // namespace kbc::test
