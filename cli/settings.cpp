#include "cli/settings.h"

#include "cli/registry.h"
#include "cli/string_ops.h"

namespace kbc {

BarcodeSettings InitSettings() { return BarcodeSettings{}; }

int TypeKeepsSpaces(SymbologyType symbology) {
  switch (symbology) {
    case kEan13:
    case kUpcA:
    case kUpcCoupon:
    case kIssn:
    case kIsbn:
      return 0;
    default:
      return symbology >= 2 && symbology <= kSymbologyCount ? 1 : 0;
  }
}

void ShapeDataForType(BarcodeSettings& settings) {
  std::u32string& data = settings.data;
  std::u32string& addon = settings.addon;
  const int keep = TypeKeepsSpaces(settings.symbology);
  const auto cut = [keep](std::u32string& s, std::size_t n) { CutAtSpaceAndTruncate(s, n, keep); };
  const auto digits = [](std::u32string& s) { FilterCharacters(s, 1, 0); };
  const auto digitsAndLetters = [](std::u32string& s) { FilterCharacters(s, 0, 0); };
  const auto trim = [](std::u32string& s) { TrimAndRemoveChar(s, 0, U' '); };
  // Length first, then the character filter: separators inside the first n
  // characters reduce the digits kept.
  const auto cutDigits = [&](std::size_t n) {
    cut(data, n);
    digits(data);
    addon.clear();
  };

  switch (settings.symbology) {
    case kEan13:
    case kUpcA:
      cut(data, settings.symbology == kEan13 ? 13 : 12);
      digits(data);
      cut(addon, 5);
      digits(addon);
      break;
    case kUpcCoupon:
      cut(data, 12);
      digits(data);
      cut(addon, 30);
      digits(addon);
      break;
    case kIssn:
    case kIsbn:
      cut(data, 18);
      digitsAndLetters(data);
      cut(addon, 5);
      digits(addon);
      break;
    case kEan8:
    case kUpcE:
      cutDigits(8);
      break;
    case kEan128:
    case kCode128:
    case kCode93:
    case kCode39:
      trim(data);
      cut(data, 250);
      addon.clear();
      break;
    case kEan14:
    case kItfScc:
    case kItf14:
    case kDataBarOmnidirectional:
    case kDataBarTruncated:
    case kDataBarStacked:
    case kDataBarStackedOmnidirectional:
    case kDataBarLimited:
      cutDigits(14);
      break;
    case kEan18:
      cutDigits(18);
      break;
    case kEan99:
    case kEanCoupon:
    case kCode32:
      cutDigits(10);
      break;
    case kEanVelocity:
      cutDigits(6);
      break;
    case kCode25:
    case kCodabar:
    case kMsi:
    case kInterleaved25:
      cutDigits(250);
      break;
    case kIsmn:
      cut(data, 18);
      digitsAndLetters(data);
      addon.clear();
      break;
    case kPostNet:
      cutDigits(13);
      break;
    case kRm4scc:
      TrimAndRemoveChar(data, 1, U' ');
      cut(data, 12);
      addon.clear();
      break;
    case kPharmacode:
      digits(data);
      cut(data, 9);
      addon.clear();
      break;
    case kCip:
    case kDataMatrix:
      UnescapeControlChars(data);
      cut(data, 2335);
      addon.clear();
      break;
    case kPzn:
      digits(data);
      cut(data, 8);
      addon.clear();
      break;
    case kQrCode:
      UnescapeControlChars(data);
      cut(data, 7089);
      addon.clear();
      break;
    case kMicroQr:
      UnescapeControlChars(data);
      cut(data, 15);
      addon.clear();
      break;
    case kPdf417:
      UnescapeControlChars(data);
      cut(data, 1850);
      addon.clear();
      break;
    case kIdentcode:
      cutDigits(12);
      break;
    case kUsps4cb:
      cutDigits(31);
      break;
    case kFim:
      cut(data, 1);
      FilterCharacters(data, 0, 1);
      addon.clear();
      break;
    case kDataBarExpanded:
      trim(data);
      cut(data, 70);
      break;
    case kTelepen:
      trim(data);
      cut(data, 30);
      break;
    default:
      break;
  }
}

}  // namespace kbc
