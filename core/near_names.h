// The name a misspelt word most likely meant, for the "did you mean" of
// unknown options, types, actions and CSV columns.
#pragma once

#include <span>
#include <string_view>

namespace kbc {

// The name nearest to a word that named none: the same name in other letter
// case, else one within two edits (insert, delete, replace); empty when none
// is that near. Names whose length is more than two away are never compared,
// so a word of any length costs no more than one as long as the names.
std::string_view NearestName(std::string_view typed, std::span<const std::string_view> names);

}  // namespace kbc
