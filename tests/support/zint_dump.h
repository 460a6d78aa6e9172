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

// The element widths of a '1'/'0' module string, from its first dark module;
// trailing light modules are dropped. For comparing symbols whose wide elements
// differ in width (narrow is 1, anything wider is 2 in the result).
std::vector<std::uint8_t> NarrowWideSequence(const std::string& modules);

}  // namespace kbc::test
