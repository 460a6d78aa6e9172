#include "linear/ean13.h"

#include <algorithm>
#include <span>

#include "core/symbology.h"
#include "core/string_ops.h"
#include "linear/ean_tables.h"

namespace kbc {
namespace {

constexpr double kGuardBottom = 6;
constexpr double kDigitBottom = 10;
constexpr double kAddOnX = 114;
constexpr int kAddOnTextX = 117;
constexpr int kAddOnTextPitch = 8;

std::u32string WithCheckDigit(std::u32string_view data, std::size_t length) {
  std::u32string digits(data);
  PadLeft(digits, length, U'0');
  digits.push_back(char32_t(U'0' + EanCheckDigit(digits)));
  return digits;
}

std::string_view FirstDigitParity(char32_t digit) {
  return IsAsciiDigit(digit) ? kEan13FirstDigitParity[std::size_t(digit - U'0')] : kEan13FirstDigitParity[0];
}

// Add-on digits at a pitch of 8 from x 117, then ">" after the add-on.
void DrawAddOnText(const LinearFrame& frame, std::u32string_view addOn, int addOnTop) {
  for (std::size_t i = 0; i < addOn.size(); ++i) {
    DrawTextItem(frame, kAddOnTextX + kAddOnTextPitch * int(i), addOnTop + 1, addOn.substr(i, 1));
  }
  DrawTextItem(frame, addOn.size() == 5 ? 160 : 133, addOnTop + 1, U">");
}

void DrawAddOnBars(const LinearFrame& frame, std::string_view modules, int addOnTop) {
  const PatternSpan span{modules, kGuardBottom, double(addOnTop)};
  FillModuleRuns(frame, kAddOnX, {&span, 1});
}

// Which main parts reach down to the guard-bar bottom, by family.
constexpr bool kEan13GuardParts[] = {true, false, true, false, true};
constexpr bool kUpcAGuardParts[] = {true, true, false, true, false, true, true};

EncodedSymbol RetailSymbol(std::u32string digits, std::u32string addOnDigits, const std::vector<EanPart>& parts) {
  EncodedSymbol symbol;
  symbol.width = EanImageWidth(addOnDigits);
  symbol.encoded = digits;
  symbol.text = std::move(digits);
  for (const EanPart& part : parts) symbol.parts.push_back(part.modules);
  if (!addOnDigits.empty()) symbol.parts.push_back(EncodeAddOn(addOnDigits));
  symbol.addOn = std::move(addOnDigits);
  return symbol;
}

// Draws the main parts from x, guards from guardBottom and digits from the
// digit-bar bottom, up to top; then the add-on, when there is one, up to addOnTop.
// Returns whether there was an add-on.
bool DrawRetailBars(const LinearFrame& frame, double x, const EncodedSymbol& symbol, std::span<const bool> guards,
                    double top, int addOnTop) {
  std::vector<PatternSpan> spans;
  spans.reserve(guards.size());
  for (std::size_t i = 0; i < guards.size() && i < symbol.parts.size(); ++i) {
    spans.push_back({symbol.parts[i], guards[i] ? kGuardBottom : kDigitBottom, top});
  }
  FillModuleRuns(frame, x, spans);
  if (symbol.parts.size() <= guards.size()) return false;
  DrawAddOnBars(frame, symbol.parts[guards.size()], addOnTop);
  return true;
}

struct FamilyHeights {
  int height;    // H
  int addOnTop;  // A: add-on bars end 10 units below the main bars
};

FamilyHeights HeightsFor(const BarcodeSettings& s) {
  const HeightRule rule = HeightRuleFor(s.symbology);
  return {CappedHeight(rule.baseHeight, rule.trimCap, s.trim), CappedHeight(rule.baseHeight - 10, rule.trimCap, s.trim)};
}

}  // namespace

std::u32string Ean13Digits(std::u32string_view data) { return WithCheckDigit(data.substr(0, 12), 12); }

std::u32string UpcADigits(std::u32string_view data) { return WithCheckDigit(data.substr(0, 11), 11); }

std::u32string AddOnDigits(std::u32string_view addon) {
  std::u32string digits(addon);
  if (digits.empty() || digits.size() > 5) return {};
  PadLeft(digits, digits.size() <= 2 ? 2 : 5, U'0');
  return digits;
}

int EanImageWidth(std::u32string_view addOnDigits) {
  return addOnDigits.size() == 2 ? 138 : addOnDigits.size() == 5 ? 165 : 113;
}

std::string EanDigitModules(std::u32string_view digits, std::string_view sets) {
  std::string modules;
  for (std::size_t i = 0; i < digits.size() && i < sets.size(); ++i) {
    modules += EanDigitPattern(sets[i], digits[i]);
  }
  return modules;
}

std::vector<EanPart> EncodeEan13(std::u32string_view d) {
  return {
      {std::string(kStartGuard), true},
      {EanDigitModules(d.substr(1, 6), FirstDigitParity(d[0])), false},
      {std::string(kCentreGuard), true},
      {EanDigitModules(d.substr(7, 6), "CCCCCC"), false},
      {std::string(kEndGuard), true},
  };
}

std::vector<EanPart> EncodeUpcA(std::u32string_view d) {
  return {
      {std::string(kStartGuard), true},
      {EanDigitModules(d.substr(0, 1), "A"), true},
      {EanDigitModules(d.substr(1, 5), "AAAAA"), false},
      {std::string(kCentreGuard), true},
      {EanDigitModules(d.substr(6, 5), "CCCCC"), false},
      {EanDigitModules(d.substr(11, 1), "C"), true},
      {std::string(kEndGuard), true},
  };
}

std::string EncodeAddOn(std::u32string_view addOn) {
  std::string_view sets;
  if (addOn.size() == 5) {
    sets = kAddOn5Parity[std::size_t(AddOn5CheckValue(addOn))];
  } else if (addOn.size() == 2) {
    const int value = int(addOn[0] - U'0') * 10 + int(addOn[1] - U'0');
    sets = kAddOn2Parity[std::size_t(value % 4)];
  } else {
    return {};
  }
  std::string modules(kAddOnStart);
  for (std::size_t i = 0; i < addOn.size(); ++i) {
    if (i > 0) modules += kAddOnSeparator;
    modules += EanDigitPattern(sets[i], addOn[i]);
  }
  return modules;
}

EncodedSymbol Ean13Symbol(std::u32string digits13, std::u32string addOnDigits) {
  const std::vector<EanPart> parts = EncodeEan13(digits13);
  return RetailSymbol(std::move(digits13), std::move(addOnDigits), parts);
}

EncodedSymbol UpcASymbol(std::u32string digits12, std::u32string addOnDigits) {
  const std::vector<EanPart> parts = EncodeUpcA(digits12);
  return RetailSymbol(std::move(digits12), std::move(addOnDigits), parts);
}

void DrawEan13Body(LinearFrame& frame, const EncodedSymbol& symbol, double barTop, int addOnTop) {
  const bool hasAddOn = DrawRetailBars(frame, 11, symbol, kEan13GuardParts, barTop, addOnTop);
  if (frame.settings->showText != 1) return;

  const std::u32string_view d = symbol.text;
  const double size = frame.settings->fontSize;
  BeginTextGroup(frame, size);
  DrawTextItem(frame, 0, 1, d.substr(0, 1));
  BeginTextGroup(frame, size);
  for (int i = 0; i < 6; ++i) DrawTextItem(frame, 15 + 7 * i, 1, d.substr(std::size_t(1 + i), 1));
  for (int i = 0; i < 6; ++i) DrawTextItem(frame, 62 + 7 * i, 1, d.substr(std::size_t(7 + i), 1));
  if (hasAddOn) {
    DrawAddOnText(frame, symbol.addOn, addOnTop);
  } else {
    DrawTextItem(frame, 107, 1, U">");
  }
}

void DrawUpcABody(LinearFrame& frame, const EncodedSymbol& symbol, double barTop, int addOnTop) {
  const bool hasAddOn = DrawRetailBars(frame, 9, symbol, kUpcAGuardParts, barTop, addOnTop);
  if (frame.settings->showText != 1) return;
  // The number-system and check digits stand small outside the guards.
  const std::u32string_view d = symbol.text;
  BeginTextGroup(frame, 0.7 * frame.settings->fontSize);
  DrawTextItem(frame, 0, 1, d.substr(0, 1));
  DrawTextItem(frame, 109, 1, d.substr(11, 1));
  BeginTextGroup(frame, frame.settings->fontSize);
  for (int i = 0; i < 5; ++i) DrawTextItem(frame, 20 + 7 * i, 1, d.substr(std::size_t(1 + i), 1));
  for (int i = 0; i < 5; ++i) DrawTextItem(frame, 60 + 7 * i, 1, d.substr(std::size_t(6 + i), 1));
  if (hasAddOn) DrawAddOnText(frame, symbol.addOn, addOnTop);
}

Result<EncodedSymbol> Ean13Encoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions&) {
  return Ean13Symbol(Ean13Digits(data), AddOnDigits(addon));
}

Result<EncodedSymbol> UpcAEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions&) {
  return UpcASymbol(UpcADigits(data), AddOnDigits(addon));
}

namespace {

// EAN-13 and UPC-A differ only in their body; frame, heights and add-on are shared.
void RenderRetailSymbol(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol,
                        void (*drawBody)(LinearFrame&, const EncodedSymbol&, double, int)) {
  const FamilyHeights heights = HeightsFor(settings);
  LinearFrame frame = BeginLinearFrame(list, settings, double(symbol.width), heights.height);
  drawBody(frame, symbol, heights.height, heights.addOnTop);
}

}  // namespace

void RenderEan13(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  RenderRetailSymbol(list, settings, symbol, DrawEan13Body);
}

void RenderUpcA(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  RenderRetailSymbol(list, settings, symbol, DrawUpcABody);
}

}  // namespace kbc
