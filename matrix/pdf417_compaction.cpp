// PDF417 data compaction: segmentation into text, numeric and byte segments,
// and the three compaction modes of ISO/IEC 15438.
#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

#include "matrix/pdf417_compaction.h"

namespace kbc {
namespace {

constexpr std::size_t kMostTextBytes = 5420;
constexpr std::size_t kMostDataCodewords = 926;  // length descriptor included

constexpr int kLatchText = 900;
constexpr int kLatchByte = 901;
constexpr int kLatchNumeric = 902;
constexpr int kShiftByte = 913;
constexpr int kLatchByteSix = 924;  // byte compaction of a multiple of 6 bytes

// Digit runs this long are worth numeric compaction inside other data.
constexpr std::size_t kNumericRun = 13;

// Text sub-modes a character is available in.
enum SubModeBits : unsigned {
  kAlpha = 1,
  kLower = 2,
  kMixed = 4,
  kPunctuation = 8,
};

// Text compaction sub-mode values, ISO/IEC 15438 Table 2. A character in both
// the mixed and the punctuation table sits at the same index in each.
constexpr std::string_view kMixedCharacters = "0123456789&\r\t,:#-.$/+%*=^";
constexpr std::string_view kPunctuationCharacters = ";<>@[\\]_`~!\r\t,:\n-.$/\"|*()?{}'";
static_assert(kMixedCharacters.size() == 25 && kPunctuationCharacters.size() == 29);

// Values of the sub-mode switches, by the sub-mode they are used in.
constexpr int kToLower = 27;        // alpha, mixed: latch to lower; lower: shift to alpha
constexpr int kToMixed = 28;        // alpha, lower: latch to mixed; mixed: latch to alpha
constexpr int kToPunctuation = 25;  // mixed: latch to punctuation
constexpr int kShiftPunctuation = 29;  // alpha, lower, mixed: shift; punctuation: latch to alpha

struct TextClass {
  unsigned modes = 0;  // 0: not text, sent as a shifted byte
  int value = 0;
};

constexpr std::array<TextClass, 256> MakeTextClasses() {
  std::array<TextClass, 256> classes{};
  for (int b = 'A'; b <= 'Z'; ++b) classes[std::size_t(b)] = {kAlpha, b - 'A'};
  for (int b = 'a'; b <= 'z'; ++b) classes[std::size_t(b)] = {kLower, b - 'a'};
  classes[' '] = {kAlpha | kLower | kMixed, 26};
  for (std::size_t i = 0; i < kPunctuationCharacters.size(); ++i) {
    classes[std::size_t(std::uint8_t(kPunctuationCharacters[i]))] = {kPunctuation, int(i)};
  }
  for (std::size_t i = 0; i < kMixedCharacters.size(); ++i) {
    TextClass& c = classes[std::size_t(std::uint8_t(kMixedCharacters[i]))];
    const bool sameIndex = c.modes == kPunctuation && c.value == int(i);
    c = {sameIndex ? unsigned(kMixed | kPunctuation) : unsigned(kMixed), int(i)};
  }
  return classes;
}

constexpr std::array<TextClass, 256> kTextClasses = MakeTextClasses();

// Printable ASCII, CR, LF and HT.
bool IsText(std::uint8_t b) { return kTextClasses[b].modes != 0; }

bool IsDigit(std::uint8_t b) { return b >= '0' && b <= '9'; }

std::size_t Length(const Pdf417Segment& s) { return s.end - s.begin; }

// Splits [begin, end) into maximal text and byte stretches.
void AppendTextAndBytes(std::span<const std::uint8_t> bytes, std::size_t begin, std::size_t end,
                        std::vector<Pdf417Segment>& segments) {
  while (begin < end) {
    const bool text = IsText(bytes[begin]);
    std::size_t stop = begin;
    while (stop < end && IsText(bytes[stop]) == text) ++stop;
    segments.push_back({text ? Pdf417Mode::kText : Pdf417Mode::kByte, begin, stop});
    begin = stop;
  }
}

// Joins segments first..last into one of the given mode.
void Join(std::vector<Pdf417Segment>& segments, std::size_t first, std::size_t last, Pdf417Mode mode) {
  segments[first] = {mode, segments[first].begin, segments[last].end};
  segments.erase(segments.begin() + std::ptrdiff_t(first) + 1, segments.begin() + std::ptrdiff_t(last) + 1);
}

// A single byte between two text segments of 3 or more together stays in text.
bool MergeShortBytes(std::vector<Pdf417Segment>& s) {
  for (std::size_t i = 1; i + 1 < s.size(); ++i) {
    if (s[i].mode == Pdf417Mode::kByte && Length(s[i]) == 1 && s[i - 1].mode == Pdf417Mode::kText &&
        s[i + 1].mode == Pdf417Mode::kText && Length(s[i - 1]) + Length(s[i + 1]) >= 3) {
      Join(s, i - 1, i + 1, Pdf417Mode::kText);
      return true;
    }
  }
  return false;
}

// A text segment of 5 or more takes in neighbouring text and single bytes.
bool MergeText(std::vector<Pdf417Segment>& s) {
  const auto absorbable = [](const Pdf417Segment& n) {
    return n.mode == Pdf417Mode::kText || (n.mode == Pdf417Mode::kByte && Length(n) == 1);
  };
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i].mode != Pdf417Mode::kText || Length(s[i]) < 5) continue;
    if (i > 0 && absorbable(s[i - 1])) {
      Join(s, i - 1, i, Pdf417Mode::kText);
      return true;
    }
    if (i + 1 < s.size() && absorbable(s[i + 1])) {
      Join(s, i, i + 1, Pdf417Mode::kText);
      return true;
    }
  }
  return false;
}

// A byte segment takes in neighbouring bytes and text shorter than 5.
bool MergeBytes(std::vector<Pdf417Segment>& s) {
  const auto absorbable = [](const Pdf417Segment& n) {
    return n.mode == Pdf417Mode::kByte || (n.mode == Pdf417Mode::kText && Length(n) < 5);
  };
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i].mode != Pdf417Mode::kByte) continue;
    if (i > 0 && absorbable(s[i - 1])) {
      Join(s, i - 1, i, Pdf417Mode::kByte);
      return true;
    }
    if (i + 1 < s.size() && absorbable(s[i + 1])) {
      Join(s, i, i + 1, Pdf417Mode::kByte);
      return true;
    }
  }
  return false;
}

bool HasMode(std::span<const std::uint8_t> bytes, std::size_t i, std::size_t end, unsigned mode) {
  return i < end && (kTextClasses[bytes[i]].modes & mode) != 0;
}

// Text compaction of one segment, starting in alpha, as a list of values that
// pair up into codewords; a shifted byte is 913 and the byte, a pair of its own.
// Returns the number of shifted bytes.
std::size_t TextValues(std::span<const std::uint8_t> bytes, const Pdf417Segment& segment, std::vector<int>& list) {
  const std::size_t end = segment.end;
  // Whether the two characters after i (within the segment) are both available in the sub-mode.
  const auto nextTwo = [&](std::size_t i, unsigned mode) {
    return HasMode(bytes, i + 1, end, mode) && HasMode(bytes, i + 2, end, mode);
  };
  const auto add = [&list](std::initializer_list<int> values) { list.insert(list.end(), values); };

  unsigned mode = kAlpha;
  std::size_t shifts = 0;
  std::size_t i = segment.begin;
  while (i < end) {
    const TextClass c = kTextClasses[bytes[i]];
    if ((c.modes & mode) != 0) {
      add({c.value});
    } else if (c.modes == 0) {
      // The byte shift starts a pair of its own.
      if (list.size() % 2 != 0) {
        add({kShiftPunctuation});
        if (mode == kPunctuation) mode = kAlpha;
      }
      add({kShiftByte, bytes[i]});
      ++shifts;
    } else if (mode == kPunctuation) {
      add({kShiftPunctuation});  // latch to alpha, then take the character again
      mode = kAlpha;
      continue;
    } else if (c.modes == kPunctuation) {
      // Latch for a run of three or more, shift for fewer.
      if (!nextTwo(i, kPunctuation)) {
        add({kShiftPunctuation, c.value});
      } else if (mode == kMixed) {
        add({kToPunctuation, c.value});
        mode = kPunctuation;
      } else {
        add({kToMixed, kToPunctuation, c.value});
        mode = kPunctuation;
      }
    } else if ((c.modes & kLower) != 0) {  // from alpha or mixed
      add({kToLower, c.value});
      mode = kLower;
    } else if ((c.modes & kAlpha) != 0 && mode == kMixed) {
      add({kToMixed, c.value});
      mode = kAlpha;
    } else if ((c.modes & kAlpha) != 0) {  // from lower: latch via mixed for three or more, else shift
      if (nextTwo(i, kAlpha)) {
        add({kToMixed, kToMixed, c.value});
        mode = kAlpha;
      } else {
        add({kToLower, c.value});
      }
    } else {  // mixed, from alpha or lower
      add({kToMixed, c.value});
      mode = kMixed;
    }
    ++i;
  }
  if (list.size() % 2 != 0) add({kShiftPunctuation});
  return shifts;
}

bool AppendText(std::span<const std::uint8_t> bytes, const Pdf417Segment& segment, std::vector<int>& codewords) {
  std::vector<int> list;
  const std::size_t shifts = TextValues(bytes, segment, list);
  if (codewords.size() + (list.size() + 2 * shifts) / 2 > kMostDataCodewords) return false;
  for (std::size_t i = 0; i < list.size(); i += 2) {
    if (list[i] == kShiftByte) {
      codewords.insert(codewords.end(), {kShiftByte, list[i + 1]});
    } else {
      codewords.push_back(30 * list[i] + list[i + 1]);
    }
  }
  return true;
}

// Groups of up to 44 digits, each with a 1 in front, in base 900.
bool AppendNumeric(std::span<const std::uint8_t> bytes, const Pdf417Segment& segment, std::vector<int>& codewords) {
  codewords.push_back(kLatchNumeric);
  for (std::size_t start = segment.begin; start < segment.end; start += 44) {
    const std::size_t stop = std::min(segment.end, start + 44);
    std::vector<int> base900{1};  // least significant first
    for (std::size_t i = start; i < stop; ++i) {
      int carry = bytes[i] - '0';
      for (int& digit : base900) {
        const int value = digit * 10 + carry;
        digit = value % 900;
        carry = value / 900;
      }
      if (carry > 0) base900.push_back(carry);
    }
    codewords.insert(codewords.end(), base900.rbegin(), base900.rend());
    if (codewords.size() > kMostDataCodewords) return false;
  }
  return true;
}

// Six bytes as a base-256 number become five base-900 codewords; the bytes
// left over are one codeword each.
bool AppendBytes(std::span<const std::uint8_t> bytes, const Pdf417Segment& segment, std::vector<int>& codewords) {
  codewords.push_back(Length(segment) % 6 == 0 ? kLatchByteSix : kLatchByte);
  std::size_t i = segment.begin;
  for (; i + 6 <= segment.end; i += 6) {
    std::uint64_t value = 0;
    for (std::size_t k = 0; k < 6; ++k) value = (value << 8) | bytes[i + k];
    std::array<int, 5> group{};
    for (std::size_t k = 5; k-- > 0;) {
      group[k] = int(value % 900);
      value /= 900;
    }
    codewords.insert(codewords.end(), group.begin(), group.end());
  }
  for (; i < segment.end; ++i) codewords.push_back(bytes[i]);
  return codewords.size() <= kMostDataCodewords;
}

}  // namespace

std::vector<Pdf417Segment> Pdf417Segments(std::span<const std::uint8_t> bytes) {
  std::vector<Pdf417Segment> segments;
  std::size_t cut = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    if (!IsDigit(bytes[i])) {
      ++i;
      continue;
    }
    std::size_t run = i;
    while (run < bytes.size() && IsDigit(bytes[run])) ++run;
    if (run - i >= kNumericRun) {
      AppendTextAndBytes(bytes, cut, i, segments);
      segments.push_back({Pdf417Mode::kNumeric, i, run});
      cut = run;
    }
    i = run;
  }
  AppendTextAndBytes(bytes, cut, bytes.size(), segments);

  while (MergeShortBytes(segments)) {
  }
  while (MergeText(segments)) {
  }
  while (MergeBytes(segments)) {
  }
  if (segments.size() == 1 && segments[0].mode == Pdf417Mode::kText && Length(segments[0]) >= 8 &&
      std::all_of(bytes.begin(), bytes.end(), IsDigit)) {
    segments[0].mode = Pdf417Mode::kNumeric;
  }
  return segments;
}

std::optional<std::vector<int>> Pdf417DataCodewords(std::span<const std::uint8_t> bytes) {
  if (bytes.size() > kMostTextBytes) return std::nullopt;
  std::vector<int> codewords{0};  // the length descriptor, set at the end
  bool first = true;
  for (const Pdf417Segment& segment : Pdf417Segments(bytes)) {
    bool fits = true;
    switch (segment.mode) {
      case Pdf417Mode::kText:
        if (!first) codewords.push_back(kLatchText);  // text is the mode a symbol starts in
        fits = AppendText(bytes, segment, codewords);
        break;
      case Pdf417Mode::kNumeric:
        fits = AppendNumeric(bytes, segment, codewords);
        break;
      case Pdf417Mode::kByte:
        fits = AppendBytes(bytes, segment, codewords);
        break;
    }
    if (!fits) return std::nullopt;
    first = false;
  }
  codewords[0] = int(codewords.size());
  return codewords;
}

}  // namespace kbc
