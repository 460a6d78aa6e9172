// GS1 Digital Link URIs (GS1 Digital Link standard 1.x, section 4): a primary
// key in the path, its qualifiers in GS1's order, and AI query attributes, each
// value checked as the same AI in an element string.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "linear/gs1_element_string.h"

namespace kbc {

// Whether the data is read as a Digital Link URI rather than an element string.
bool IsGs1DigitalLink(std::u32string_view data);

// The URI's AIs and their decoded values, key first, or why it is not a valid
// GS1 Digital Link URI (naming the part).
Result<std::vector<Gs1Field>> ParseGs1DigitalLink(std::u32string_view uri);

// The Digital Link URI of an element string's fields on `base` (https://,
// without a trailing slash): the first primary key, its qualifiers in GS1's
// order in the path, the other fields as query attributes, each value
// percent-encoded; or why the fields make none.
Result<std::string> Gs1DigitalLinkUri(std::string_view base, const std::vector<Gs1Field>& fields);

}  // namespace kbc
