// Coupon numbers: EAN-99 and EAN-Coupon as EAN-13 digits, UPC-Coupon as a
// UPC-A number followed by a GS1-128 code of the extended coupon digits.
#pragma once

#include <string>
#include <string_view>

#include "core/settings.h"
#include "linear/code128.h"
#include "core/draw_list.h"

namespace kbc {

inline constexpr std::u32string_view kEan99Prefix = U"99";
inline constexpr std::u32string_view kEanCouponPrefix = U"98";

// The prefix, 10 data digits (padded on the left with "0" or cut) and the check digit.
std::u32string CouponEan13Digits(std::u32string_view prefix, std::u32string_view data);

// The second code: an even number of digits (none included) in set C, an odd
// number in set B, always with FNC1 after the start.
Code128Symbol EncodeUpcCouponSecondCode(std::u32string_view addonDigits);

// EAN-99 and EAN-Coupon carry the data as given and draw their 13 digits.
Result<EncodedSymbol> Ean99Encoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EanCouponEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
void RenderPrefixedEan13(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

// The UPC-A symbol's parts, then the second code's elements; its digits as the add-on.
Result<EncodedSymbol> UpcCouponEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
void RenderUpcCoupon(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
