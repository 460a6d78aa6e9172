// The content checks GS1's Barcode Syntax Dictionary names for the components
// of AI data: check digits and characters, dates and times, ISO codes, and
// the small code lists of single AIs.
#pragma once

#include <string>
#include <string_view>

#include "linear/gs1_ai_table.h"

namespace kbc {

// Why the component breaks the check, as words that follow "AI (nn) "; empty
// when it passes. The component's characters and length are right already.
std::string Gs1CheckRefusal(Gs1Check check, std::string_view component);

}  // namespace kbc
