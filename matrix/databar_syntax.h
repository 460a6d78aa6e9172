// DataBar Expanded element strings: application identifiers written as their
// bare digits followed by their data, "#" for FNC1 after a variable-length
// field, and "|" before the data of a composite component. The encoding
// library reads application identifiers in square brackets and puts FNC1 in
// itself, so the element string is rewritten into that form here, checked on
// the way so that what cannot be encoded is refused with its reason.
#pragma once

#include <string>
#include <string_view>

#include "core/result.h"

namespace kbc {

struct BracketedElements {
  std::string linear;     // "[01]98898765432106[3103]001234"
  std::string composite;  // empty when the data has no "|"
};

Result<BracketedElements> BracketElementString(std::u32string_view data);

// One element string without "|" (a composite's linear part or its component)
// in the library's bracketed form; refusals name the type.
Result<std::string> BracketElements(std::u32string_view part, std::string_view typeName);

// The first two digits of the application identifiers whose data has a
// predefined length: no FNC1 follows their field.
bool HasPredefinedLength(std::string_view ai);

}  // namespace kbc
