#include "linear/book_numbers.h"

#include <algorithm>

#include "core/symbology.h"
#include "core/string_ops.h"
#include "linear/ean13.h"
#include "linear/ean_tables.h"

namespace kbc {
namespace {

std::u32string DecimalDigits(std::u32string_view data) {
  std::u32string digits;
  std::ranges::copy_if(data, std::back_inserter(digits), IsAsciiDigit);
  return digits;
}

bool EndsInX(std::u32string_view data) { return !data.empty() && (data.back() == U'X' || data.back() == U'x'); }

std::u32string WithCheckDigit(std::u32string digits) {
  digits += char32_t(U'0' + EanCheckDigit(digits));
  return digits;
}

// Data of 13 digits or more is a 13-digit number (followed by stray digits):
// its first 12 digits stay and the check digit is recomputed.
std::u32string ThirteenDigitBody(std::u32string digits) {
  TruncateString(digits, 12);
  return digits;
}

// The 12 digits before the check digit; the digit string may end in "X", the
// old check character, which counts for the length only.
std::u32string IsbnBody(std::u32string digits) {
  const std::size_t length = digits.size();
  if (length >= 13) return ThirteenDigitBody(std::move(digits));
  if (length == 12) return digits;
  if (length == 11) digits.erase(0, 1);
  PadLeft(digits, 10, U'0');
  TruncateString(digits, 9);
  return U"978" + digits;
}

std::u32string IssnBody(std::u32string digits) {
  const std::size_t length = digits.size();
  if (length >= 13) return ThirteenDigitBody(std::move(digits));
  if (length == 12) return digits;
  if (length >= 9) {
    TruncateString(digits, 9);
    return U"977" + digits;
  }
  PadLeft(digits, 8, U'0');
  TruncateString(digits, 7);
  return U"977" + digits + U"00";
}

// Applies the length rules with the X counted; where they would keep the X as a
// data digit (lengths that are no old number with a check character), they are
// applied again to the digits alone.
template <typename Body>
std::u32string OldOrNewNumber(std::u32string_view data, Body body) {
  const std::u32string digits = DecimalDigits(data);
  std::u32string result = body(EndsInX(data) ? digits + U"X" : digits);
  if (result.find(U'X') != std::u32string::npos) result = body(digits);
  return WithCheckDigit(std::move(result));
}

struct BookSymbol {
  std::u32string_view word;  // the upper line's first word
  double addOnBase;          // add-on bar top before the trim
};

BookSymbol BookSymbolOf(SymbologyType symbology) {
  if (symbology == kIssn) return {U"ISSN", 45};
  if (symbology == kIsbn) return {U"ISBN", 70};
  return {U"ISMN", 70};
}

}  // namespace

std::u32string IsbnDigits(std::u32string_view data) { return OldOrNewNumber(data, IsbnBody); }

std::u32string IssnDigits(std::u32string_view data) { return OldOrNewNumber(data, IssnBody); }

std::u32string IsmnDigits(std::u32string_view data) {
  std::u32string digits = DecimalDigits(data);
  // The 13-digit form (979-0-…) keeps its own digits.
  if ((digits.size() == 12 || digits.size() == 13) && digits.starts_with(U"9790")) {
    return WithCheckDigit(ThirteenDigitBody(std::move(digits)));
  }
  // The old form: the letter M stands for the digit 0 of 979-0.
  if (!data.empty() && (data.front() == U'M' || data.front() == U'm')) digits.insert(0, 1, U'0');
  PadLeft(digits, 9, U'0');
  return WithCheckDigit(U"979" + digits);
}

std::u32string BookUpperLine(std::u32string_view word, std::u32string_view source) {
  if (source.starts_with(word)) return std::u32string(source);
  std::u32string line(word);
  line += U' ';
  line += source;
  return line;
}

double BookUpperLineSizeFactor(std::size_t lineCharacters, bool hasAddOn) {
  return !hasAddOn && lineCharacters >= 18 ? 0.8 : 0.9;
}

Result<EncodedSymbol> IssnEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions&) {
  return Ean13Symbol(IssnDigits(data), AddOnDigits(addon));
}

Result<EncodedSymbol> IsbnEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions&) {
  return Ean13Symbol(IsbnDigits(data), AddOnDigits(addon));
}

Result<EncodedSymbol> IsmnEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions&) {
  EncodedSymbol symbol = Ean13Symbol(IsmnDigits(data), AddOnDigits(addon));
  symbol.encoded = data;
  return symbol;
}

// The main bars end 15 units below the top of the image, which holds the
// number's line above them.
void RenderBookNumber(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const HeightRule rule = HeightRuleFor(settings.symbology);
  const BookSymbol book = BookSymbolOf(settings.symbology);
  const int height = CappedHeight(rule.baseHeight, rule.trimCap, settings.trim);
  const int addOnTop = CappedHeight(book.addOnBase, rule.trimCap, settings.trim);
  LinearFrame frame = BeginLinearFrame(list, settings, double(symbol.width), height);
  DrawEan13Body(frame, symbol, height - 15, addOnTop);
  if (settings.showText == 1) {
    const std::u32string line =
        BookUpperLine(book.word, settings.displayText.empty() ? settings.data : settings.displayText);
    BeginTextGroup(frame, BookUpperLineSizeFactor(line.size(), !symbol.addOn.empty()) * settings.fontSize);
    DrawTextItem(frame, 0, height - 11, line);
  }
}

}  // namespace kbc
