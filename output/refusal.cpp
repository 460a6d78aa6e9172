#include "output/refusal.h"

#include "core/symbology.h"

namespace kbc {

std::string DataRefusal(const BarcodeSettings& settings, std::string_view why) {
  return "the data cannot be drawn as " + std::string(SymbologyName(settings.symbology)) + ": " + std::string(why);
}

}  // namespace kbc
