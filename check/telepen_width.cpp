#include "check/telepen_width.h"

#include "linear/telepen.h"

namespace kbc {

SymbolExtent TelepenWidth(std::u32string& data, std::u32string&) {
  data = TelepenCharacters(data);
  return {ModuleCount(TelepenElements(data))};
}

}  // namespace kbc
