#include "request/gs1_warnings.h"

#include "core/symbology.h"

namespace kbc {

std::optional<std::string> Gs1Warning(const BarcodeSettings& settings) {
  if (settings.gs1 == 1 && !HasGs1Mode(settings.symbology)) {
    return "-gs1 applies to EAN-128, Databar-Expanded, QRCode and DataMatrix; " +
           std::string(SymbologyName(settings.symbology)) + " ignores it";
  }
  const bool brackets = settings.data.find_first_of(U"([") != std::u32string::npos;
  if (settings.gs1 == 0 && settings.symbology == kEan128 && brackets) {
    return "EAN-128 encodes the parentheses as data; give -gs1 1 to read them as application identifiers";
  }
  return std::nullopt;
}

}  // namespace kbc
