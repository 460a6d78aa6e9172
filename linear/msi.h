// MSI: each digit as four bits, a modulo-10 check digit, every bit 3 units
// (0 a 1-unit bar and 2-unit space, 1 a 2-unit bar and 1-unit space).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/encoded_symbol.h"
#include "core/table_checks.h"
#include "core/settings.h"
#include "core/draw_list.h"
#include "render/linear_frame.h"

namespace kbc {

// MSI digits as binary-coded decimal, most significant bit first.
// clang-format off
inline constexpr std::array<std::string_view, 10> MsiBitPatterns = {
    "0000", "0001", "0010", "0011", "0100",  // 0-4
    "0101", "0110", "0111", "1000", "1001",  // 5-9
};
// clang-format on
static_assert(NoEntryEmpty(MsiBitPatterns), "a pattern is missing");
inline constexpr std::string_view kMsiStart = "1";
inline constexpr std::string_view kMsiStop = "00";

// Modulo 10: the digits in odd positions from the right, read in order as one
// number and doubled, give their decimal digits to the sum of the others; the
// check digit brings that sum to a multiple of 10.
int MsiCheckDigit(std::u32string_view digits);

// Start, the digits (anything else is skipped), the check digit, stop.
std::string MsiBits(std::u32string_view data);

ElementWidths MsiElements(std::string_view bits);

// Carries the data's digits and shows the data as given. The image ends with
// the stop's last bar, its space outside.
Result<EncodedSymbol> MsiEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
void RenderMsi(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
