#include "linear/ean_tables.h"

namespace kbc {
namespace {

int WeightedSum(std::u32string_view digits, int rightmostWeight, int otherWeight) {
  int sum = 0;
  bool rightmost = true;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it, rightmost = !rightmost) {
    if (*it < U'0' || *it > U'9') continue;
    sum += int(*it - U'0') * (rightmost ? rightmostWeight : otherWeight);
  }
  return sum;
}

}  // namespace

int EanCheckDigit(std::u32string_view digits) { return (10 - WeightedSum(digits, 3, 1) % 10) % 10; }

char32_t BookNumberCheckCharacter(std::u32string_view digits) {
  int sum = 0;
  int weight = int(digits.size()) + 1;
  for (const char32_t digit : digits) sum += int(digit - U'0') * weight--;
  const int check = (11 - sum % 11) % 11;
  return check == 10 ? U'X' : char32_t(U'0' + check);
}

int AddOn5CheckValue(std::u32string_view digits) { return WeightedSum(digits, 3, 9) % 10; }

}  // namespace kbc
