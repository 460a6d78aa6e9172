// The symbology table: one row per symbology, in code order.
#include "check/code39_width.h"
#include "check/databar_width.h"
#include "check/matrix_width.h"
#include "check/telepen_width.h"
#include "check/width_rules.h"
#include "core/symbology.h"
#include "linear/book_numbers.h"
#include "linear/codabar.h"
#include "linear/code128.h"
#include "linear/code39.h"
#include "linear/code93.h"
#include "linear/coupons.h"
#include "linear/ean13.h"
#include "linear/ean8_upce.h"
#include "linear/identcode.h"
#include "linear/msi.h"
#include "linear/pharmacode.h"
#include "linear/postal_bars.h"
#include "linear/pzn.h"
#include "linear/telepen.h"
#include "linear/two_of_five.h"
#include "linear/usps4cb.h"
#include "matrix/data_matrix_render.h"
#include "matrix/databar.h"
#include "matrix/databar_render.h"
#include "matrix/pdf417_render.h"
#include "matrix/qr_render.h"

namespace kbc {
namespace {

// Cut to n characters, then only digits are kept; no add-on.
constexpr DataShape Digits(std::size_t n) {
  return {Prepare::None, n, Spaces::Keep, CharacterClass::Digits, FilterOrder::CutThenFilter, AddOnRule::Clear, 0};
}

// Digits first, then cut to n: separators never shorten the number.
constexpr DataShape DigitsThenCut(std::size_t n) {
  return {Prepare::None, n, Spaces::Keep, CharacterClass::Digits, FilterOrder::FilterThenCut, AddOnRule::Clear, 0};
}

// Free text: trimmed and cut to n characters.
constexpr DataShape Text(std::size_t n, AddOnRule addOn = AddOnRule::Clear) {
  return {Prepare::Trim, n, Spaces::Keep, std::nullopt, FilterOrder::CutThenFilter, addOn, 0};
}

// Bytes for the 2-D symbols: escapes turned into control characters, cut to n.
constexpr DataShape Bytes(std::size_t n) {
  return {Prepare::Unescape, n, Spaces::Keep, std::nullopt, FilterOrder::CutThenFilter, AddOnRule::Clear, 0};
}

// Retail numbers end at the first space; the add-on is cut and kept to digits.
constexpr DataShape Retail(std::size_t n, CharacterClass keep, std::size_t addOnLength) {
  return {Prepare::None, n, Spaces::CutAtFirst, keep, FilterOrder::CutThenFilter, AddOnRule::CutDigits, addOnLength};
}

constexpr DataShape kRm4sccShape{Prepare::TrimAndRemoveSpaces, 12, Spaces::Keep, std::nullopt,
                                 FilterOrder::CutThenFilter, AddOnRule::Clear, 0};
constexpr DataShape kIsmnShape{Prepare::None, 18, Spaces::Keep, CharacterClass::DigitsAndLetters,
                               FilterOrder::CutThenFilter, AddOnRule::Clear, 0};
constexpr DataShape kFimShape{Prepare::None, 1, Spaces::Keep, CharacterClass::Letters, FilterOrder::CutThenFilter,
                              AddOnRule::Clear, 0};

constexpr DataShape kNoShape{Prepare::None, 0, Spaces::CutAtFirst, std::nullopt, FilterOrder::CutThenFilter,
                             AddOnRule::Keep, 0};

constexpr HeightRule kSelfSized{0, 0};  // 2-D and DataBar symbols size themselves

}  // namespace

// clang-format off
constinit const SymbologyTable kSymbologies = {{
    // name, height {base, trim cap}, data shape, fixed width, width rule, renderer, prints text,
    // digits encoded with the computed check digit
    {"", {0, 0}, kNoShape},
    {"EAN-13", {80, 50}, Retail(13, CharacterClass::Digits, 5), 0, RetailAddOnWidth, RenderEan13, true, Ean13Digits},
    {"EAN-8", {65, 35}, Digits(8), 81, nullptr, RenderEan8, true, Ean8Digits},
    {"EAN-128", {60, 40}, Text(250), 0, Ean128Width, RenderEan128},
    {"EAN-14", {100, 70}, Digits(14), 154, nullptr, RenderEan14},
    {"EAN-18", {100, 70}, Digits(18), 176, nullptr, RenderEan18},
    {"EAN-99", {80, 50}, Digits(10), 113, nullptr, RenderEan99},
    {"EAN-Coupon", {80, 50}, Digits(10), 113, nullptr, RenderEanCoupon},
    {"EAN-Velocity", {65, 35}, Digits(6), 81, nullptr, RenderEan8},
    {"UPC-A", {80, 50}, Retail(12, CharacterClass::Digits, 5), 0, RetailAddOnWidth, RenderUpcA, true, UpcADigits},
    {"UPC-E", {80, 50}, Digits(8), 0, UpcEWidth, RenderUpcE, true, UpcEDigitsWithCheck},         // 10
    {"Code-128", {60, 40}, Text(250), 0, Code128Width, RenderCode128},
    {"Code-93", {48, 25}, Text(250), 0, Code93Width, RenderCode93},
    {"Code-39", {48, 25}, Text(250), 0, Code39Width, RenderCode39},
    {"Code-32", {48, 25}, Digits(10), 0, Code32Width, RenderCode32, true, Code32Number},
    {"Code-25", {80, 50}, Digits(250), 0, Code25Width, RenderCode25},
    {"UPC-Coupon", {80, 50}, Retail(12, CharacterClass::Digits, 30), 0, UpcCouponWidth, RenderUpcCoupon, true, UpcADigits},
    {"Codabar", {48, 30}, Digits(250), 0, CodabarWidth, RenderCodabar},
    {"ISSN", {70, 30}, Retail(18, CharacterClass::DigitsAndLetters, 5), 0, RetailAddOnWidth, RenderIssn, true, IssnDigits},
    {"ISBN", {95, 50}, Retail(18, CharacterClass::DigitsAndLetters, 5), 0, RetailAddOnWidth, RenderIsbn, true, IsbnDigits},
    {"ISMN", {95, 50}, kIsmnShape, 0, RetailAddOnWidth, RenderIsmn},                             // 20
    {"PostNet", {9, 0}, Digits(13), 0, PostNetWidth, RenderPostNet, false},
    {"RM4SCC", {21, 0}, kRm4sccShape, 0, Rm4sccWidth, RenderRm4scc, false},
    {"Pharmacode", {25, 0}, DigitsThenCut(9), 0, PharmacodeWidth, RenderPharmacode},
    {"CIP", kSelfSized, Bytes(2335), 0, DataMatrixExtent, RenderDataMatrix},
    {"PZN", {48, 25}, DigitsThenCut(8), 0, PznWidth, RenderPzn, true, PznDigitsOrEmpty},
    {"MSI", {48, 30}, Digits(250), 0, MsiWidth, RenderMsi},
    {"ITF-SCC", {100, 0}, Digits(14), 305, nullptr, RenderItfScc},
    {"ITF-14", {90, 60}, Digits(14), 145, nullptr, RenderItf14},
    {"Interleaved-25", {90, 60}, Digits(250), 0, Interleaved25Width, RenderInterleaved25},
    {"QRCode", kSelfSized, Bytes(7089), 0, QrCodeExtent, RenderQrCode},                          // 30
    {"MicroQR", kSelfSized, Bytes(15), 0, MicroQrExtent, RenderMicroQr},
    {"PDF417", kSelfSized, Bytes(1850), 0, Pdf417Extent, RenderPdf417},
    {"Identcode", {90, 60}, Digits(12), 127, nullptr, RenderIdentcode, true, IdentcodeDigits},
    {"DataMatrix", kSelfSized, Bytes(2335), 0, DataMatrixExtent, RenderDataMatrix},
    {"USPS4CB", {16, 0}, Digits(31), 0, Usps4cbWidth, RenderUsps4cb},
    {"FIM", {45, 0}, kFimShape, 0, FimWidth, RenderFim},
    {"Databar-Omnidirectional", kSelfSized, Digits(14), 0, DataBarOmnidirectionalExtent, RenderDataBarOmnidirectional, true, DataBarGtinDigits},
    {"Databar-Truncated", kSelfSized, Digits(14), 0, DataBarTruncatedExtent, RenderDataBarTruncated, true, DataBarGtinDigits},
    {"Databar-Stacked", kSelfSized, Digits(14), 0, DataBarStackedExtent, RenderDataBarStacked, true, DataBarGtinDigits},
    {"Databar-StackedOmnidirectional", kSelfSized, Digits(14), 0, DataBarStackedOmnidirectionalExtent, RenderDataBarStackedOmnidirectional, true, DataBarGtinDigits},  // 40
    {"Databar-Limited", kSelfSized, Digits(14), 0, DataBarLimitedExtent, RenderDataBarLimited, true, DataBarGtinDigits},
    {"Databar-Expanded", kSelfSized, Text(70, AddOnRule::Keep), 0, DataBarExpandedExtent, RenderDataBarExpanded},
    {"Telepen", {50, 30}, Text(30, AddOnRule::Keep), 0, TelepenWidth, RenderTelepen},
}};
// clang-format on

}  // namespace kbc
