// The application's preferences: a text file of key=value lines in
// ${XDG_CONFIG_HOME:-$HOME/.config}/KestrovaBarCode/preferences.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kbc {

// Appends the value stored under `key` to `out` as UTF-8 (a value in Latin-1 is
// converted) and returns true; returns false and leaves `out` alone when the
// file or the key is absent, or the file is not a regular file.
bool ReadPreferenceString(std::string_view key, std::string& out);

// Where the preferences file lives; empty when neither XDG_CONFIG_HOME nor HOME
// is an absolute path.
std::string PreferencesPath();

// The value of `key` in the text of a preferences file. The key is the text
// before the first '=', spaces and tabs around it ignored; the value is the rest
// of the line without a trailing carriage return. Lines starting with '#' are
// comments. The first line with the key wins.
std::optional<std::string> PreferenceValueIn(std::string_view fileText, std::string_view key);

}  // namespace kbc
