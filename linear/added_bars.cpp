#include "linear/added_bars.h"

#include <algorithm>
#include <vector>

#include "render/linear_frame.h"

namespace kbc {
namespace {

constexpr int kTextPitch = 7;  // a digit at the default font size, with a little air
constexpr int kTextBaseline = 2;

constexpr double kBarWidth = 2;
constexpr double kBarPitch = 4;
// Four-state bars are 16 units, the tracker the middle 4 (as USPS4CB's);
// two-state bars 9 units, the short ones 4 (as PostNet's).
constexpr double kFourStateHeight = 16;
constexpr double kTrackerBottom = 6;
constexpr double kTrackerTop = 10;
constexpr double kTwoStateHeight = 9;
constexpr double kShortBarHeight = 4;
// Two-track bars as tall as four-state ones, each track half of it.
constexpr double kTrackSplit = kFourStateHeight / 2;

BarExtent FourStateExtent(char state) {
  switch (state) {
    case 'F':
      return {0, kFourStateHeight};
    case 'A':
      return {kTrackerBottom, kFourStateHeight};
    case 'D':
      return {0, kTrackerTop};
    default:
      return {kTrackerBottom, kTrackerTop};
  }
}

BarExtent TwoTrackExtent(char state) {
  switch (state) {
    case 'A':
      return {kTrackSplit, kFourStateHeight};
    case 'D':
      return {0, kTrackSplit};
    default:
      return {0, kFourStateHeight};
  }
}

}  // namespace

void RenderBarsWithText(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const TextRoomLayout layout = LayoutWithTextRoom(settings.symbology, settings, symbol.textRoom);
  const std::u32string_view text = settings.displayText.empty() ? symbol.text : settings.displayText;
  const bool showsText = settings.showText == 1 && !text.empty();
  const int textWidth = showsText ? kTextPitch * int(text.size()) : 0;
  const double width = std::max(double(symbol.width), double(textWidth));
  LinearFrame frame = BeginLinearFrame(list, settings, width, layout.height);
  FillElements(frame, 0, symbol.elements, layout.barBottom, layout.height);
  if (showsText) {
    BeginTextGroup(frame, settings.fontSize);
    DrawSpacedCharacters(frame, text, (int(width) - textWidth) / 2 + 1, kTextPitch, kTextBaseline);
  }
}

void RenderBarStates(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const bool twoStates = symbol.variant == kTwoStateBars;
  std::vector<BarExtent> extents;
  for (const std::uint8_t state : symbol.elements) {
    if (twoStates) {
      extents.push_back({0, state == 'F' ? kTwoStateHeight : kShortBarHeight});
    } else if (symbol.variant == kTwoTrackBars) {
      extents.push_back(TwoTrackExtent(char(state)));
    } else {
      extents.push_back(FourStateExtent(char(state)));
    }
  }
  const double width = symbol.elements.empty() ? 0 : kBarPitch * double(symbol.elements.size() - 1) + kBarWidth;
  const LinearFrame frame =
      BeginLinearFrame(list, settings, width, twoStates ? kTwoStateHeight : kFourStateHeight);
  FillSpacedBars(frame, 0, kBarWidth, kBarPitch, extents);
}

}  // namespace kbc
