// EAN-13 and UPC-A with their 2- and 5-digit add-ons. The EAN-13 drawing is
// shared by the symbologies built on it (ISBN, ISSN, ISMN, EAN-99, coupons).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/encoded_symbol.h"
#include "core/settings.h"
#include "core/draw_list.h"
#include "render/linear_frame.h"

namespace kbc {

// The data padded on the left with "0" or cut to 12 (EAN-13) or 11 (UPC-A)
// digits, with the computed check digit appended.
std::u32string Ean13Digits(std::u32string_view data);
std::u32string UpcADigits(std::u32string_view data);

// The add-on as drawn: empty, 2 digits (from 1-2 characters) or 5 digits (from
// 3-5 characters), padded with leading zeros; longer add-ons are dropped.
std::u32string AddOnDigits(std::u32string_view addon);

// Image width of the family by add-on: 113, 138 (2 digits) or 165 (5 digits).
int EanImageWidth(std::u32string_view addOnDigits);

// One part of a symbol: its modules, and whether its bars reach down to the
// guard-bar bottom (guards, and UPC-A's first and last digits) or stop at the
// digit-bar bottom.
struct EanPart {
  std::string modules;
  bool guardHeight = false;
};

// The modules of digits joined, each in the set of the same index in sets.
std::string EanDigitModules(std::u32string_view digits, std::string_view sets);

std::vector<EanPart> EncodeEan13(std::u32string_view digits13);
std::vector<EanPart> EncodeUpcA(std::u32string_view digits12);
// The add-on's modules: 20 for 2 digits, 47 for 5 digits.
std::string EncodeAddOn(std::u32string_view addOnDigits);

// The symbol of 13 EAN-13 or 12 UPC-A digits and the add-on digits: the digits
// as its text and as carried, the main parts' modules in order, the add-on's
// modules behind them when there is an add-on, and the family's width.
EncodedSymbol Ean13Symbol(std::u32string digits13, std::u32string addOnDigits);
EncodedSymbol UpcASymbol(std::u32string digits12, std::u32string addOnDigits);

// Bars and human-readable digits of an EAN-13 symbol inside a frame already begun:
// main bars up to barTop, add-on bars from 6 up to addOnTop, add-on digits at
// baseline addOnTop + 1.
void DrawEan13Body(LinearFrame& frame, const EncodedSymbol& symbol, double barTop, int addOnTop);

// Bars and human-readable digits of a UPC-A symbol inside a frame already begun,
// as DrawEan13Body does for EAN-13.
void DrawUpcABody(LinearFrame& frame, const EncodedSymbol& symbol, double barTop, int addOnTop);

Result<EncodedSymbol> Ean13Encoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> UpcAEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);

void RenderEan13(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);
void RenderUpcA(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
