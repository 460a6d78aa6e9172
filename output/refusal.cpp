#include "output/refusal.h"

#include "core/symbology.h"

namespace kbc {

std::string DataRefusal(const BarcodeSettings& settings, const DataCheck& check) {
  // A symbol the check accepts can still be smaller than one pixel of a bitmap.
  const std::string why = check.image ? "the image is smaller than one pixel" : check.refusal;
  return "the data cannot be drawn as " + std::string(SymbologyName(settings.symbology)) + ": " + why;
}

}  // namespace kbc
