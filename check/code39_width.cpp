#include "check/code39_width.h"

#include <optional>

#include "linear/code39.h"
#include "linear/code93.h"
#include "linear/pzn.h"
#include "platform/utf8.h"

namespace kbc {

SymbolExtent Code39Width(std::u32string& data, std::u32string&) {
  data = Code39SymbolText(data);
  return {ModuleCount(Code39Elements(data))};
}

SymbolExtent Code32Width(std::u32string& data, std::u32string&) {
  data = Code32SymbolText(Code32Number(data));
  return {ModuleCount(Code39Elements(data))};
}

SymbolExtent PznWidth(std::u32string& data, std::u32string&) {
  const std::optional<std::u32string> digits = PznDigits(data);
  if (!digits) {
    return SymbolExtent::Refused("PZN " + ToUtf8(PznNumber(data)) +
                                 " has no valid check digit (its weighted sum leaves 10 modulo 11); check the number");
  }
  data = PznSymbolText(*digits);
  return {ModuleCount(Code39Elements(data))};
}

// Characters beyond ASCII have no Code 93 pattern and are left out.
SymbolExtent Code93Width(std::u32string& data, std::u32string&) {
  std::erase_if(data, [](char32_t c) { return c >= 128; });
  return {ModuleCount(Code93Elements(data))};
}

}  // namespace kbc
