#include "linear/gs1_digital_link.h"

#include <algorithm>
#include <optional>

#include "linear/gs1_ai_table.h"

namespace kbc {
namespace {

constexpr std::u32string_view kScheme = U"https://";

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t at = 0;
  while (true) {
    const std::size_t end = text.find(separator, at);
    parts.push_back(text.substr(at, end == text.npos ? text.npos : end - at));
    if (end == text.npos) return parts;
    at = end + 1;
  }
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// RFC 3986 percent-decoding; nothing when a % lacks its two hexadecimal digits.
std::optional<std::string> PercentDecoded(std::string_view text) {
  std::string decoded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      decoded.push_back(text[i]);
      continue;
    }
    if (i + 2 >= text.size() || HexValue(text[i + 1]) < 0 || HexValue(text[i + 2]) < 0) return std::nullopt;
    decoded.push_back(char(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2])));
    i += 2;
  }
  return decoded;
}

bool IsAi(std::string_view segment) {
  return segment.size() >= 2 && segment.size() <= 4 && segment.find_first_not_of("0123456789") == segment.npos;
}

// The position of the qualifier in one of the key's sequences ("22,10,21|235"),
// as (sequence, place); nothing when the key takes no such qualifier.
std::optional<std::pair<std::size_t, std::size_t>> QualifierPlace(std::string_view sequences, std::string_view ai) {
  const std::vector<std::string_view> alternatives = Split(sequences, '|');
  for (std::size_t s = 0; s < alternatives.size(); ++s) {
    const std::vector<std::string_view> order = Split(alternatives[s], ',');
    for (std::size_t p = 0; p < order.size(); ++p) {
      if (order[p] == ai) return std::pair{s, p};
    }
  }
  return std::nullopt;
}

// RFC 3986: unreserved characters stay, every other byte is %XX.
std::string PercentEncoded(std::string_view text) {
  constexpr std::string_view kHex = "0123456789ABCDEF";
  std::string encoded;
  for (const char c : text) {
    const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                            c == '.' || c == '_' || c == '~';
    if (unreserved) {
      encoded.push_back(c);
    } else {
      encoded += {'%', kHex[(unsigned char)c >> 4], kHex[(unsigned char)c & 15]};
    }
  }
  return encoded;
}

}  // namespace

Result<std::string> Gs1DigitalLinkUri(std::string_view base, const std::vector<Gs1Field>& fields) {
  const auto key = std::ranges::find_if(fields, [](const Gs1Field& f) { return FindGs1Ai(f.ai)->primaryKey; });
  if (key == fields.end()) return Refusal("-gs1dl needs a primary key in the element string, such as (01)");
  const std::string_view qualifiers = FindGs1Ai(key->ai)->qualifiers;
  // The qualifier sequence that takes the most of the fields present.
  std::vector<std::string_view> best;
  std::size_t bestCount = 0;
  for (const std::string_view sequence : Split(qualifiers, '|')) {
    const std::vector<std::string_view> order = Split(sequence, ',');
    const auto count = std::size_t(std::ranges::count_if(
        order, [&](std::string_view ai) { return std::ranges::any_of(fields, [&](const Gs1Field& f) { return f.ai == ai; }); }));
    if (count > bestCount) best = order, bestCount = count;
  }
  std::string uri = std::string(base) + "/" + key->ai + "/" + PercentEncoded(key->data);
  for (const std::string_view ai : best) {
    const auto field = std::ranges::find(fields, ai, &Gs1Field::ai);
    if (field != fields.end()) uri += "/" + field->ai + "/" + PercentEncoded(field->data);
  }
  char separator = '?';
  for (const Gs1Field& field : fields) {
    if (&field == &*key || std::ranges::find(best, std::string_view(field.ai)) != best.end()) continue;
    if (!FindGs1Ai(field.ai)->digitalLinkAttribute) {
      return Refusal("-gs1dl: (" + field.ai + ") cannot go in a Digital Link URI with the key (" + key->ai + ")");
    }
    uri += separator + field.ai + "=" + PercentEncoded(field.data);
    separator = '&';
  }
  return uri;
}

bool IsGs1DigitalLink(std::u32string_view data) { return data.starts_with(kScheme); }

Result<std::vector<Gs1Field>> ParseGs1DigitalLink(std::u32string_view uri) {
  std::vector<Gs1Field> fields;
  const auto refuse = [](std::string why) { return Refusal("GS1 Digital Link URI: " + std::move(why)); };
  std::string text;
  for (const char32_t c : uri) {
    if (c <= 0x20 || c > 0x7E) return refuse("a URI holds printable ASCII only (percent-encode the rest)");
    text.push_back(char(c));
  }
  if (!uri.starts_with(kScheme)) return refuse("it must begin with https://");
  std::string_view rest = std::string_view(text).substr(kScheme.size());
  rest = rest.substr(0, rest.find('#'));
  const std::size_t query = rest.find('?');
  const std::string_view path = rest.substr(0, query);
  const std::size_t slash = path.find('/');
  if (slash == 0 || slash == path.npos) return refuse("no domain and path");
  const std::vector<std::string_view> segments = Split(path.substr(slash + 1), '/');

  // A path of the domain's own may come first; the key is the first AI that is one.
  std::size_t at = 0;
  while (at < segments.size() && !(IsAi(segments[at]) && FindGs1Ai(segments[at]) && FindGs1Ai(segments[at])->primaryKey)) ++at;
  if (at == segments.size()) return refuse("no primary key in the path, such as /01/{GTIN}");
  if ((segments.size() - at) % 2 != 0) return refuse("path element /" + std::string(segments.back()) + " has no value");
  const Gs1AiFormat key = *FindGs1Ai(segments[at]);
  std::optional<std::pair<std::size_t, std::size_t>> last;
  for (std::size_t i = at; i < segments.size(); i += 2) {
    Gs1Field field{std::string(segments[i]), {}};
    if (!IsAi(field.ai) || !FindGs1Ai(field.ai)) return refuse("/" + field.ai + " is not a GS1 application identifier");
    if (i > at) {
      const auto place = QualifierPlace(key.qualifiers, field.ai);
      if (!place) return refuse("(" + field.ai + ") is not a qualifier of (" + std::string(segments[at]) + ")");
      if (last && (place->first != last->first || place->second <= last->second)) {
        return refuse("qualifier (" + field.ai + ") is out of GS1's order " + std::string(key.qualifiers));
      }
      last = place;
    }
    const std::optional<std::string> value = PercentDecoded(segments[i + 1]);
    if (!value) return refuse("bad percent-encoding in the value of (" + field.ai + ")");
    field.data = *value;
    fields.push_back(std::move(field));
  }
  if (query != rest.npos) {
    for (const std::string_view parameter : Split(rest.substr(query + 1), '&')) {
      const std::size_t equals = parameter.find('=');
      const std::string_view name = parameter.substr(0, equals);
      if (!IsAi(name)) continue;  // other parameters are the domain's own
      const std::optional<Gs1AiFormat> format = FindGs1Ai(name);
      if (!format) return refuse("?" + std::string(name) + " is not a GS1 application identifier");
      if (!format->digitalLinkAttribute) return refuse("(" + std::string(name) + ") cannot be a query attribute");
      const std::optional<std::string> value =
          PercentDecoded(equals == name.npos ? std::string_view() : parameter.substr(equals + 1));
      if (!value) return refuse("bad percent-encoding in the value of (" + std::string(name) + ")");
      fields.push_back({std::string(name), *value});
    }
  }
  for (const Gs1Field& field : fields) {
    if (std::string why = Gs1FieldRefusal(field); !why.empty()) return refuse(std::move(why));
  }
  return fields;
}

}  // namespace kbc
