#include "linear/gs1_ai_table.h"

#include <algorithm>
#include <string>

#include "linear/gs1_ai_dictionary.h"

namespace kbc {
namespace {

using gs1_dictionary::kAiFormats;

bool Covers(const Gs1AiFormat& format, std::string_view ai) {
  return ai.size() == format.first.size() && ai >= format.first && ai <= format.last;
}

std::size_t RangeSize(const Gs1AiFormat& format) {
  return std::size_t(std::stoul(std::string(format.last)) - std::stoul(std::string(format.first)) + 1);
}

}  // namespace

std::optional<Gs1AiFormat> FindGs1Ai(std::string_view ai) {
  const auto found = std::ranges::find_if(kAiFormats, [ai](const Gs1AiFormat& f) { return Covers(f, ai); });
  if (found == kAiFormats.end()) return std::nullopt;
  return *found;
}

// An AI the table lacks never reaches a symbol; were it to, FNC1 after it
// keeps the next field apart.
bool Gs1HasPredefinedLength(std::string_view ai) {
  const std::optional<Gs1AiFormat> format = FindGs1Ai(ai);
  return format && format->predefinedLength;
}

std::size_t Gs1AiCount() {
  std::size_t count = 0;
  for (const Gs1AiFormat& format : kAiFormats) count += RangeSize(format);
  return count;
}

}  // namespace kbc
