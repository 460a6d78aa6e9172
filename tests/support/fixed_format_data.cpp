#include "support/fixed_format_data.h"

#include <iterator>

namespace kbc::test {

std::optional<std::string> RandomFixedFormatData(std::string_view type, std::mt19937& rng) {
  auto pick = [&rng](std::string_view from, std::size_t count) {
    std::string picked;
    for (std::size_t i = 0; i < count; ++i) picked.push_back(from[rng() % from.size()]);
    return picked;
  };
  if (type == "CEPNet") return pick("0123456789", 8);
  if (type == "DAFT") return pick("DAFT", 1 + rng() % 100);
  if (type != "Mailmark") return std::nullopt;
  // Destinations of each postcode form Royal Mail's rules allow, padded to 9
  // characters; "XY11" marks an international item.
  static constexpr std::string_view kDestinations[] = {"XY11     ", "EF61AH8T ", "C1I2JQ3N ",
                                                       "KM12JQ3N ", "OV123JQ4U", "C12JQ3U  "};
  const std::size_t supplyChain = rng() % 2 == 0 ? 2 : 6;  // barcode C or L
  return pick("01234", 1) + pick("1234", 1) + pick("0123456789ABCDE", 1) + pick("0123456789", supplyChain) +
         pick("0123456789", 8) + std::string(kDestinations[rng() % std::size(kDestinations)]);
}

}  // namespace kbc::test
