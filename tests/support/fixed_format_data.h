// Random valid data for the types whose data has fixed fields that random
// text almost never matches, so that the tests drawing random requests of
// every type meet drawable ones of these too.
#pragma once

#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace kbc::test {

// A Mailmark 4-state barcode C or L (format, version, class, supply chain,
// item, postcode and DPS), an 8-digit CEP for CEPNet, or up to 100 bar states
// for DAFT; none for other types.
std::optional<std::string> RandomFixedFormatData(std::string_view type, std::mt19937& rng);

}  // namespace kbc::test
