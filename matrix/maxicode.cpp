#include "matrix/maxicode.h"

#include <array>
#include <cmath>

#include "matrix/zint_symbols.h"
#include "render/linear_frame.h"

namespace kbc {
namespace {

constexpr ZintRequest kMaxiCode{.name = "MaxiCode", .symbology = BARCODE_MAXICODE, .shape = ZintShape::Grid,
                                .moduleUnits = kMaxiCodePitch, .rowUnits = kMaxiCodePitch};

constexpr std::u32string_view kHeader = U"[)>\x1e" U"01\x1d";  // ANSI MH10.8.3 format 01, then 2 digits of version
constexpr char32_t kGroupSeparator = U'\x1d';

constexpr double kRowPitch = kMaxiCodePitch * std::numbers::sqrt3 / 2;
constexpr double kHexagonRadius = kMaxiCodePitch / std::numbers::sqrt3;  // centre to corner: hexagons abut

// The finder's circles from the outside in, dark and light in turn, as radii
// in pitches W: ISO/IEC 16023 Table 8's ring transitions R6 to R1 (3.87, 3.20,
// 2.53, 1.86, 1.18 and 0.51 mm) over its nominal W of 0.88 mm. The outer ring
// stays inside the light area the library leaves round the central module:
// the nearest hexagons' corners are 4.42 pitches away.
constexpr double kNominalPitchMm = 0.88;
constexpr std::array<double, 6> kFinderRadii = {3.87 / kNominalPitchMm, 3.20 / kNominalPitchMm,
                                                2.53 / kNominalPitchMm, 1.86 / kNominalPitchMm,
                                                1.18 / kNominalPitchMm, 0.51 / kNominalPitchMm};

bool AllOf(std::u32string_view text, bool (*keep)(char32_t)) {
  for (const char32_t c : text) {
    if (!keep(c)) return false;
  }
  return true;
}
bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
bool IsPostcodeCharacter(char32_t c) { return IsDigit(c) || (c >= U'A' && c <= U'Z') || c == U' '; }

std::string Ascii(std::u32string_view text) { return std::string(text.begin(), text.end()); }

}  // namespace

Result<CarrierMessage> SplitCarrierMessage(std::u32string_view data, int mode) {
  const std::string form = "MaxiCode mode " + std::to_string(mode) +
                           " data begins with the carrier message POSTCODE<GS>COUNTRY<GS>SERVICE<GS>, after a "
                           "\"[)>\\x1e01\\x1dVV\" header where there is one";
  std::u32string_view header;
  std::u32string_view rest = data;
  if (data.starts_with(kHeader) && data.size() >= kHeader.size() + 2) {
    header = data.substr(0, kHeader.size() + 2);
    rest = data.substr(header.size());
  }
  std::array<std::u32string_view, 3> fields;
  for (std::u32string_view& field : fields) {
    const std::size_t end = rest.find(kGroupSeparator);
    if (end == rest.npos) return Refusal(form);
    field = rest.substr(0, end);
    rest = rest.substr(end + 1);
  }
  const auto [postcode, country, service] = fields;
  if (mode == 2 && (postcode.empty() || postcode.size() > 9 || !AllOf(postcode, IsDigit))) {
    return Refusal("MaxiCode mode 2 takes a postcode of 1 to 9 digits; mode 3 takes letters");
  }
  if (mode == 3 && (postcode.empty() || postcode.size() > 6 || !AllOf(postcode, IsPostcodeCharacter))) {
    return Refusal("MaxiCode mode 3 takes a postcode of 1 to 6 capital letters, digits or spaces");
  }
  if (country.size() != 3 || !AllOf(country, IsDigit) || service.size() != 3 || !AllOf(service, IsDigit)) {
    return Refusal("MaxiCode country and service codes are 3 digits each (ISO 3166 numeric country)");
  }
  CarrierMessage message{Ascii(postcode), Ascii(country), Ascii(service), std::u32string(header)};
  message.secondary += rest;
  return message;
}

namespace {

// Modes 2 and 3 hand the library the primary message apart from the rest.
Result<EncodedSymbol> EncodeInMode(const ZintRequest& request, std::u32string_view data) {
  const int mode = request.option1;
  if (mode != 2 && mode != 3) return EncodeThroughZint(request, data);
  Result<CarrierMessage> message = SplitCarrierMessage(data, mode);
  if (!message) return Refusal(message.refusal);
  return EncodeThroughZint(request, message->secondary, message->postcode + message->country + message->service);
}

}  // namespace

Result<EncodedSymbol> EncodeMaxiCode(std::u32string_view data, std::u32string_view, const SymbolOptions& options) {
  ZintRequest request = kMaxiCode;
  // Mode 4, the standard symbol, unless asked for another.
  request.option1 = options.maxiCodeMode == 0 ? 4 : options.maxiCodeMode;
  Result<EncodedSymbol> encoded = EncodeInMode(request, data);
  if (!encoded) return encoded;
  // Odd rows end half a pitch short of the even rows' 30 pitches.
  encoded->width = std::int64_t(std::ceil(double(encoded->grid.columns) * kMaxiCodePitch));
  encoded->height = kMaxiCodeHeight;
  encoded->encoded = data;
  return encoded;
}

void RenderMaxiCode(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const ModuleGrid& grid = symbol.grid;
  const double height = symbol.height.value_or(0);
  BeginLinearFrame(list, settings, double(symbol.width), height);
  // Rows are placed from the bottom one, whose corner touches the symbol's lower edge.
  const double lastRow = double(grid.rows) - 1;
  list.marks.reserve(grid.modules.size() + kFinderRadii.size() / 2);
  for (std::size_t i = 0; i < grid.modules.size() && grid.columns > 0; ++i) {
    if (grid.modules[i] != '1') continue;
    const std::size_t row = i / grid.columns;
    const double across = double(i % grid.columns) + (row % 2 == 0 ? 0.5 : 1.0);
    list.marks.emplace_back(
        DrawList::Hexagon{Point{across * kMaxiCodePitch, kHexagonRadius + (lastRow - double(row)) * kRowPitch},
                          kHexagonRadius});
  }
  // The finder is centred on the 15th module of the middle row, which the
  // library leaves light with the area round it.
  const Point centre{14.5 * kMaxiCodePitch, kHexagonRadius + (lastRow - 16) * kRowPitch};
  for (std::size_t ring = 0; ring + 1 < kFinderRadii.size(); ring += 2) {
    list.marks.emplace_back(
        DrawList::Ring{centre, kFinderRadii[ring] * kMaxiCodePitch, kFinderRadii[ring + 1] * kMaxiCodePitch});
  }
}

}  // namespace kbc
