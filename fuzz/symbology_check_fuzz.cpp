// Shaping and the data check of every symbology code (and of codes outside the
// table): the check is pure, gives an image or a reason, and its image is a
// finite, positive rectangle within the 16-bit width limit. A reason may quote
// the character it refuses, control characters too: the front end escapes
// them when it prints the message (the argument target checks that).
#include <cmath>
#include <string>

#include "dispatch/data_check.h"
#include "fuzz/fuzz_input.h"
#include "text/mac_roman.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kbc;
  fuzz::FuzzInput input(data, size);
  BarcodeSettings settings = InitSettings();
  settings.symbology = SymbologyType(input.Byte() % (kSymbologyCount + 3));
  settings.scale = 50 + input.Number(100);
  settings.trim = input.Number(100);
  settings.showText = input.Byte() % 2;
  settings.addon = DecodeMacRoman(input.Bytes(40));
  settings.data = DecodeMacRoman(input.Rest());
  if (settings.data.size() % 3 == 0) UnescapeControlChars(settings.data);

  ShapeDataForType(settings);
  const BarcodeSettings shaped = settings;
  const DataCheck check = CheckBarcodeData(settings);
  fuzz::Require(settings.data == shaped.data && settings.addon == shaped.addon, "the check leaves the data alone");

  if (!check) {
    fuzz::Require(!check.refusal.empty(), "a refusal says why");
    return 0;
  }
  const Rect& image = check->image;
  fuzz::Require(std::isfinite(image.width) && std::isfinite(image.height), "the image size is finite");
  fuzz::Require(image.width > 0 && image.height > 0, "the image has an area");
  fuzz::Require(image.width <= 32767 * 1.5, "the width stays within 16 bits of units");
  fuzz::Require(ValidateBarcodeData(settings).has_value(), "both check entries agree");
  fuzz::Require(settings.data.size() > 0, "empty data is refused");
  return 0;
}
