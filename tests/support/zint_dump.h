// zint as an independent encoder: its module rows, for symbologies no decoder
// here reads, compared with ours as strings of '1' (dark) and '0' (light).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kbc::test {

// The rows `zint --dump ARGS` prints, each as '1'/'0' modules (zint 2.11 prints
// hexadecimal digits, padded to whole digits: compare prefixes of the symbol's width).
std::vector<std::string> ZintModuleRows(const std::vector<std::string>& args);

// Element widths (first element a bar) as a '1'/'0' module string.
std::string ElementsAsModules(std::span<const std::uint8_t> elements);

// The element widths of a '1'/'0' module string from its first to its last dark
// module, narrow as 1 and anything wider as 2: for symbols whose wide elements differ.
std::vector<std::uint8_t> NarrowWideSequence(const std::string& modules);

}  // namespace kbc::test
