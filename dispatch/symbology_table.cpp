// The symbology table: one row per symbology, in code order.
#include "core/symbology.h"
#include "linear/added_bars.h"
#include "linear/book_numbers.h"
#include "linear/codabar.h"
#include "linear/code128.h"
#include "linear/code39.h"
#include "linear/code93.h"
#include "linear/coupons.h"
#include "linear/ean13.h"
#include "linear/ean8_upce.h"
#include "linear/gs1_128.h"
#include "linear/identcode.h"
#include "linear/msi.h"
#include "linear/pharmacode.h"
#include "linear/postal_bars.h"
#include "linear/pzn.h"
#include "linear/telepen.h"
#include "linear/two_of_five.h"
#include "linear/usps4cb.h"
#include "matrix/added_postal_symbologies.h"
#include "matrix/added_symbologies.h"
#include "matrix/composite_symbols.h"
#include "matrix/data_matrix.h"
#include "matrix/dotcode.h"
#include "matrix/databar.h"
#include "matrix/gs1_matrix.h"
#include "matrix/hibc_check.h"
#include "matrix/matrix_frame.h"
#include "matrix/maxicode.h"
#include "matrix/pdf417.h"
#include "matrix/qr_code.h"

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

// Text in a 2-D symbol's own character set, which the encoder converts to it:
// as typed, escapes already turned into control characters, cut to n.
constexpr DataShape Characters(std::size_t n) {
  return {Prepare::None, n, Spaces::Keep, std::nullopt, FilterOrder::CutThenFilter, AddOnRule::Clear, 0};
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

// Quiet zones the drawings lack, in units. Code 39, Code 32, PZN and Code 93
// are drawn from their first bar to their last: all 10X (1 unit) of each side.
constexpr QuietZone kTenEachSide{.left = 10, .right = 10};
// Interleaved 2 of 5 is drawn with 4 units left of its start and 6 right of its stop.
constexpr QuietZone kInterleavedToTen{.left = 6, .right = 4};
// Data Matrix asks for 1X all round; a module is 3 units.
constexpr QuietZone kOneDataMatrixModule{.left = 3, .right = 3, .top = 3, .bottom = 3};

// The added types' quiet zones, from their standards (see the README's table).
constexpr QuietZone kAllRound(int units) { return {.left = units, .right = units, .top = units, .bottom = units}; }
constexpr QuietZone kEachSide(int units) { return {.left = units, .right = units}; }
constexpr HeightRule kAddedLinear{50, 30};
// The added postal codes' clear zones against their drawn pitch of 4 units a
// bar, taken as 1 mm (AusPost, KIX, Japan Post) or 1/24 in (PLANET).
constexpr QuietZone kAusPostZone{.left = 24, .right = 24, .top = 8, .bottom = 8};  // 6 mm, 2 mm
constexpr QuietZone kKixZone = kAllRound(8);                                        // 2 mm
constexpr QuietZone kJapanPostZone = kAllRound(7);                                  // 2 mm at 1.2 mm a bar
constexpr QuietZone kPlanetZone{.left = 12, .right = 12, .top = 4, .bottom = 4};    // 0.125 in, 0.040 in
// MaxiCode: 1X all round, a pitch of 2.49 units; DotCode: 3X, cells of 3 units.
constexpr QuietZone kMaxiCodeZone = kAllRound(3);
constexpr QuietZone kDotCodeZone = kAllRound(9);
// Code 16K and Code 49 are drawn with their 10X and 1X inside their top and
// bottom bars; Codablock F asks 10X each side (AIM Europe), Han Xin 3X all
// round (ISO/IEC 20830), Grid Matrix 6X (AIMD014); Code One needs none.
constexpr QuietZone kHanXinZone = kAllRound(9);
constexpr QuietZone kGridMatrixZone = kAllRound(18);
// Mailmark and DAFT as RM4SCC, 2 mm all round at 1 mm a bar; CEPNet as PostNet,
// drawn at PLANET's pitch; Pharmacode two-track as Pharmacode, 6 mm each side,
// its 1 mm bars 2 units wide; Flattermarken sit on the sheet's edge.
constexpr QuietZone kFourStateZone = kAllRound(8);
// Mailmark's fields are fixed, and trailing spaces pad its postcode: trimmed,
// a barcode L would be padded into a C. Its shape, like those of the other
// types added with it, is one longer than their longest data, so that the
// library refuses data too long rather than a cut drawing another code.
constexpr DataShape kMailmarkShape{Prepare::None, 27, Spaces::Keep, std::nullopt, FilterOrder::CutThenFilter,
                                   AddOnRule::Clear, 0};
// Composites: the linear part as data, the 2-D component as the add-on, kept
// as typed (an element string of up to 338 digits in CC-C).
constexpr DataShape kGs1128CompositeShape = Text(90, AddOnRule::Keep);
constexpr DataShape DigitsWithComponent(std::size_t n) {
  return {Prepare::None, n, Spaces::CutAtFirst, CharacterClass::Digits, FilterOrder::CutThenFilter, AddOnRule::Keep, 0};
}

}  // namespace

// clang-format off
constinit const SymbologyTable kSymbologies = {{
    {.name = "", .height = {0, 0}, .shape = kNoShape},
    {.name = "EAN-13", .height = {80, 50}, .shape = Retail(13, CharacterClass::Digits, 5), .encode = Ean13Encoding, .render = RenderEan13, .replacesCheckDigit = true, .quietZone = {.addOnRight = 1}},
    {.name = "EAN-8", .height = {65, 35}, .shape = Digits(8), .encode = Ean8Encoding, .render = RenderEan8, .replacesCheckDigit = true},
    {.name = "EAN-128", .height = {60, 40}, .shape = Text(250), .encode = Ean128Encoding, .encodeGs1 = Gs1_128Encoding, .render = RenderCode128},
    {.name = "EAN-14", .height = {100, 70}, .shape = Digits(14), .encode = Ean14Encoding, .render = RenderEan14, .carriedCheck = {CheckRule::Gs1Mod10, 14}},
    {.name = "EAN-18", .height = {100, 70}, .shape = Digits(18), .encode = Ean18Encoding, .render = RenderEan18, .carriedCheck = {CheckRule::Gs1Mod10, 18}},
    {.name = "EAN-99", .height = {80, 50}, .shape = Digits(10), .encode = Ean99Encoding, .render = RenderPrefixedEan13},
    {.name = "EAN-Coupon", .height = {80, 50}, .shape = Digits(10), .encode = EanCouponEncoding, .render = RenderPrefixedEan13},
    {.name = "EAN-Velocity", .height = {65, 35}, .shape = Digits(6), .encode = EanVelocityEncoding, .render = RenderEan8},
    {.name = "UPC-A", .height = {80, 50}, .shape = Retail(12, CharacterClass::Digits, 5), .encode = UpcAEncoding, .render = RenderUpcA, .replacesCheckDigit = true, .quietZone = {.addOnRight = 1}},
    {.name = "UPC-E", .height = {80, 50}, .shape = Digits(8), .encode = UpcEEncoding, .render = RenderUpcE, .replacesCheckDigit = true},         // 10
    {.name = "Code-128", .height = {60, 40}, .shape = Text(250), .encode = Code128Encoding, .render = RenderCode128},
    {.name = "Code-93", .height = {48, 25}, .shape = Text(250), .encode = Code93Encoding, .render = RenderNineElementSymbol, .quietZone = kTenEachSide},
    {.name = "Code-39", .height = {48, 25}, .shape = Text(250), .encode = Code39Encoding, .render = RenderNineElementSymbol, .quietZone = kTenEachSide},
    {.name = "Code-32", .height = {48, 25}, .shape = Digits(10), .encode = Code32Encoding, .render = RenderNineElementSymbol, .replacesCheckDigit = true, .quietZone = kTenEachSide},
    {.name = "Code-25", .height = {80, 50}, .shape = Digits(250), .encode = Code25Encoding, .render = RenderCode25},
    {.name = "UPC-Coupon", .height = {80, 50}, .shape = Retail(12, CharacterClass::Digits, 30), .encode = UpcCouponEncoding, .render = RenderUpcCoupon, .replacesCheckDigit = true, .quietZone = {.right = 1, .addOnRight = 1}},
    {.name = "Codabar", .height = {48, 30}, .shape = Digits(250), .encode = CodabarEncoding, .render = RenderCodabar, .quietZone = {.left = 10, .right = 9}},
    {.name = "ISSN", .height = {70, 30}, .shape = Retail(18, CharacterClass::DigitsAndLetters, 5), .encode = IssnEncoding, .render = RenderBookNumber, .replacesCheckDigit = true, .quietZone = {.addOnRight = 1}, .carriedCheck = {CheckRule::BookMod11, 8}},
    {.name = "ISBN", .height = {95, 50}, .shape = Retail(18, CharacterClass::DigitsAndLetters, 5), .encode = IsbnEncoding, .render = RenderBookNumber, .replacesCheckDigit = true, .quietZone = {.addOnRight = 1}, .carriedCheck = {CheckRule::BookMod11, 10}},
    {.name = "ISMN", .height = {95, 50}, .shape = kIsmnShape, .encode = IsmnEncoding, .render = RenderBookNumber},                             // 20
    {.name = "PostNet", .height = {9, 0}, .shape = Digits(13), .encode = PostNetEncoding, .render = RenderPostNet, .printsText = false, .quietZone = {.left = 9, .right = 9, .top = 3, .bottom = 3}},
    {.name = "RM4SCC", .height = {21, 0}, .shape = kRm4sccShape, .encode = Rm4sccEncoding, .render = RenderRm4scc, .printsText = false, .quietZone = {.left = 8, .right = 6, .top = 8, .bottom = 8}},
    {.name = "Pharmacode", .height = {25, 0}, .shape = DigitsThenCut(9), .encode = PharmacodeEncoding, .render = RenderPharmacode, .quietZone = {.left = 12, .right = 12}},
    {.name = "CIP", .height = kSelfSized, .shape = Bytes(2335), .encode = EncodeDataMatrix, .render = RenderMatrixSymbol, .quietZone = kOneDataMatrixModule, .moduleUnits = 3},
    {.name = "PZN", .height = {48, 25}, .shape = DigitsThenCut(8), .encode = PznEncoding, .render = RenderNineElementSymbol, .replacesCheckDigit = true, .quietZone = kTenEachSide},
    {.name = "MSI", .height = {48, 30}, .shape = Digits(250), .encode = MsiEncoding, .render = RenderMsi, .quietZone = {.left = 12, .right = 12}},
    {.name = "ITF-SCC", .height = {100, 0}, .shape = Digits(14), .encode = ItfSccEncoding, .render = RenderItfScc},
    {.name = "ITF-14", .height = {90, 60}, .shape = Digits(14), .encode = Itf14Encoding, .render = RenderInterleaved, .quietZone = kInterleavedToTen, .carriedCheck = {CheckRule::Gs1Mod10, 14}},
    {.name = "Interleaved-25", .height = {90, 60}, .shape = Digits(250), .encode = Interleaved25Encoding, .render = RenderInterleaved, .quietZone = kInterleavedToTen},
    {.name = "QRCode", .height = kSelfSized, .shape = Bytes(7089), .encode = EncodeQrCode, .encodeGs1 = EncodeGs1QrCode, .render = RenderMatrixSymbol, .moduleUnits = 3},  // 30
    {.name = "MicroQR", .height = kSelfSized, .shape = Bytes(15), .encode = EncodeMicroQr, .render = RenderMatrixSymbol, .moduleUnits = 3},
    {.name = "PDF417", .height = kSelfSized, .shape = Bytes(1850), .encode = EncodePdf417, .render = RenderMatrixSymbol, .quietZone = {.left = 2, .right = 2, .top = 2, .bottom = 2}},
    {.name = "Identcode", .height = {90, 60}, .shape = Digits(12), .encode = IdentcodeEncoding, .render = RenderIdentcode, .replacesCheckDigit = true, .quietZone = kInterleavedToTen},
    {.name = "DataMatrix", .height = kSelfSized, .shape = Bytes(2335), .encode = EncodeDataMatrix, .encodeGs1 = EncodeGs1DataMatrix, .render = RenderMatrixSymbol, .quietZone = kOneDataMatrixModule, .moduleUnits = 3},
    {.name = "USPS4CB", .height = {16, 0}, .shape = Digits(31), .encode = Usps4cbEncoding, .render = RenderUsps4cb, .quietZone = {.left = 3, .right = 3, .top = 1, .bottom = 1}},
    {.name = "FIM", .height = {45, 0}, .shape = kFimShape, .encode = FimEncoding, .render = RenderFim},
    {.name = "Databar-Omnidirectional", .height = kSelfSized, .shape = Digits(14), .encode = EncodeDataBarOmnidirectional, .render = RenderMatrixSymbol, .replacesCheckDigit = true},
    {.name = "Databar-Truncated", .height = kSelfSized, .shape = Digits(14), .encode = EncodeDataBarTruncated, .render = RenderMatrixSymbol, .replacesCheckDigit = true},
    {.name = "Databar-Stacked", .height = kSelfSized, .shape = Digits(14), .encode = EncodeDataBarStacked, .render = RenderMatrixSymbol, .replacesCheckDigit = true},
    {.name = "Databar-StackedOmnidirectional", .height = kSelfSized, .shape = Digits(14), .encode = EncodeDataBarStackedOmnidirectional, .render = RenderMatrixSymbol, .replacesCheckDigit = true},  // 40
    {.name = "Databar-Limited", .height = kSelfSized, .shape = Digits(14), .encode = EncodeDataBarLimited, .render = RenderMatrixSymbol, .replacesCheckDigit = true},
    {.name = "Databar-Expanded", .height = kSelfSized, .shape = Text(70, AddOnRule::Keep), .encode = EncodeDataBarExpanded, .encodeGs1 = EncodeGs1DataBarExpanded, .render = RenderMatrixSymbol},
    {.name = "Telepen", .height = {50, 30}, .shape = Text(30, AddOnRule::Keep), .encode = TelepenEncoding, .render = RenderTelepen, .quietZone = {.left = 10, .right = 9}},
    // Added types: encoded by libzint, drawn by our frames.
    {.name = "Aztec", .height = kSelfSized, .shape = Bytes(3000), .encode = EncodeAdded<zint::kAztec>, .render = RenderMatrixSymbol, .moduleUnits = 3},
    {.name = "Aztec-Runes", .height = kSelfSized, .shape = Digits(3), .encode = EncodeAdded<zint::kAztecRunes>, .render = RenderMatrixSymbol, .moduleUnits = 3},
    {.name = "rMQR", .height = kSelfSized, .shape = Bytes(361), .encode = EncodeAdded<zint::kRmqr>, .render = RenderMatrixSymbol, .quietZone = kAllRound(6), .moduleUnits = 3},
    {.name = "MicroPDF417", .height = kSelfSized, .shape = Bytes(250), .encode = EncodeAdded<zint::kMicroPdf417>, .render = RenderMatrixSymbol, .quietZone = kAllRound(1)},
    {.name = "HIBC-DataMatrix", .height = kSelfSized, .shape = Text(110), .encode = WithHibcCheck<EncodeAdded<zint::kHibcDataMatrix>>, .render = RenderMatrixSymbol, .quietZone = kOneDataMatrixModule, .moduleUnits = 3},
    {.name = "HIBC-QR", .height = kSelfSized, .shape = Text(110), .encode = WithHibcCheck<EncodeAdded<zint::kHibcQr>>, .render = RenderMatrixSymbol, .quietZone = kAllRound(12), .moduleUnits = 3},
    {.name = "HIBC-PDF417", .height = kSelfSized, .shape = Text(110), .encode = WithHibcCheck<EncodeAdded<zint::kHibcPdf417>>, .render = RenderMatrixSymbol, .quietZone = kAllRound(2)},
    {.name = "HIBC-MicroPDF417", .height = kSelfSized, .shape = Text(110), .encode = WithHibcCheck<EncodeAdded<zint::kHibcMicroPdf417>>, .render = RenderMatrixSymbol, .quietZone = kAllRound(1)},
    {.name = "HIBC-Aztec", .height = kSelfSized, .shape = Text(110), .encode = WithHibcCheck<EncodeAdded<zint::kHibcAztec>>, .render = RenderMatrixSymbol, .moduleUnits = 3},
    {.name = "Code-11", .height = kAddedLinear, .shape = Text(120), .encode = EncodeAdded<zint::kCode11>, .render = RenderBarsWithText, .quietZone = kTenEachSide},
    {.name = "LOGMARS", .height = kAddedLinear, .shape = Text(59), .encode = EncodeAdded<zint::kLogmars>, .render = RenderBarsWithText, .quietZone = kTenEachSide},
    {.name = "Plessey", .height = kAddedLinear, .shape = Text(65), .encode = EncodeAdded<zint::kPlessey>, .render = RenderBarsWithText, .quietZone = kEachSide(12)},
    {.name = "HIBC-128", .height = kAddedLinear, .shape = Text(110), .encode = WithHibcCheck<EncodeAdded<zint::kHibc128>>, .render = RenderBarsWithText, .quietZone = kTenEachSide},
    {.name = "HIBC-39", .height = kAddedLinear, .shape = Text(68), .encode = WithHibcCheck<EncodeAdded<zint::kHibc39>>, .render = RenderBarsWithText, .quietZone = kTenEachSide},
    {.name = "VIN", .height = kAddedLinear, .shape = Text(17), .encode = EncodeAdded<zint::kVin>, .render = RenderBarsWithText, .quietZone = kTenEachSide},
    {.name = "DPD", .height = kAddedLinear, .shape = Text(28), .encode = EncodeAdded<zint::kDpd>, .render = RenderBarsWithText, .quietZone = kTenEachSide},
    {.name = "Channel-Code", .height = kAddedLinear, .shape = Digits(7), .encode = EncodeAdded<zint::kChannelCode>, .render = RenderBarsWithText, .quietZone = kTenEachSide},
    {.name = "Leitcode", .height = kAddedLinear, .shape = Digits(13), .encode = EncodeAdded<zint::kLeitcode>, .render = RenderBarsWithText, .quietZone = kTenEachSide},
    {.name = "AusPost", .height = kSelfSized, .shape = Text(23), .encode = EncodeAdded<zint::kAusPost>, .render = RenderBarStates, .printsText = false, .quietZone = kAusPostZone},
    {.name = "KIX", .height = kSelfSized, .shape = Text(18), .encode = EncodeAdded<zint::kKix>, .render = RenderBarStates, .printsText = false, .quietZone = kKixZone},
    {.name = "Japan-Post", .height = kSelfSized, .shape = Text(20), .encode = EncodeAdded<zint::kJapanPost>, .render = RenderBarStates, .printsText = false, .quietZone = kJapanPostZone},
    {.name = "PLANET", .height = kSelfSized, .shape = Digits(13), .encode = EncodeAdded<zint::kPlanet>, .render = RenderBarStates, .printsText = false, .quietZone = kPlanetZone},
    {.name = "MaxiCode", .height = kSelfSized, .shape = Bytes(144), .encode = EncodeMaxiCode, .render = RenderMaxiCode, .quietZone = kMaxiCodeZone, .moduleUnits = kMaxiCodePitch},
    {.name = "DotCode", .height = kSelfSized, .shape = Bytes(450), .encode = EncodeDotCode, .render = RenderDotCode, .quietZone = kDotCodeZone, .moduleUnits = 3},
    {.name = "PDF417-Compact", .height = kSelfSized, .shape = Bytes(1850), .encode = EncodeAdded<zint::kPdf417Compact>, .render = RenderMatrixSymbol, .quietZone = kAllRound(2)},
    {.name = "Code-16K", .height = kSelfSized, .shape = Text(157), .encode = EncodeAdded<zint::kCode16k>, .render = RenderMatrixSymbol},
    {.name = "Codablock-F", .height = kSelfSized, .shape = Text(2725), .encode = EncodeAdded<zint::kCodablockF>, .render = RenderMatrixSymbol, .quietZone = kTenEachSide},
    {.name = "Code-49", .height = kSelfSized, .shape = Text(81), .encode = EncodeAdded<zint::kCode49>, .render = RenderMatrixSymbol},
    {.name = "Han-Xin", .height = kSelfSized, .shape = Characters(7827), .encode = EncodeAdded<zint::kHanXin>, .render = RenderMatrixSymbol, .quietZone = kHanXinZone, .moduleUnits = 3},
    {.name = "Grid-Matrix", .height = kSelfSized, .shape = Characters(2751), .encode = EncodeAdded<zint::kGridMatrix>, .render = RenderMatrixSymbol, .quietZone = kGridMatrixZone, .moduleUnits = 3},
    {.name = "Code-One", .height = kSelfSized, .shape = Bytes(3550), .encode = EncodeAdded<zint::kCodeOne>, .render = RenderMatrixSymbol, .moduleUnits = 3},
    {.name = "UPNQR", .height = kSelfSized, .shape = Characters(411), .encode = EncodeAdded<zint::kUpnqr>, .render = RenderMatrixSymbol, .quietZone = kAllRound(12), .moduleUnits = 3},
    {.name = "Korea-Post", .height = kAddedLinear, .shape = DigitsThenCut(7), .encode = EncodeKoreaPost, .render = RenderBarsWithText, .quietZone = kTenEachSide},
    {.name = "Mailmark", .height = kSelfSized, .shape = kMailmarkShape, .encode = EncodeAdded<zint::kMailmark>, .render = RenderBarStates, .printsText = false, .quietZone = kFourStateZone},
    {.name = "CEPNet", .height = kSelfSized, .shape = DigitsThenCut(9), .encode = EncodeCepNet, .render = RenderBarStates, .printsText = false, .quietZone = kPlanetZone},
    {.name = "DAFT", .height = kSelfSized, .shape = Text(101), .encode = EncodeAdded<zint::kDaft>, .render = RenderBarStates, .printsText = false, .quietZone = kFourStateZone},
    {.name = "Pharmacode-2-Track", .height = kSelfSized, .shape = DigitsThenCut(9), .encode = EncodePharmacodeTwoTrack, .render = RenderBarStates, .printsText = false, .quietZone = kEachSide(12)},
    {.name = "Flattermarken", .height = kAddedLinear, .shape = DigitsThenCut(91), .encode = EncodeAdded<zint::kFlattermarken>, .render = RenderBarsWithText, .printsText = false},
    {.name = "GS1-128-Composite", .height = kSelfSized, .shape = kGs1128CompositeShape, .encode = EncodeGs1128Composite, .render = RenderMatrixSymbol, .quietZone = kTenEachSide},
    {.name = "EAN-13-Composite", .height = {80, 50}, .shape = DigitsWithComponent(13), .encode = EncodeRetail<composite::kEan13>, .render = RenderRetail<RenderEan13, composite::kEan13>, .replacesCheckDigit = true},
    {.name = "EAN-8-Composite", .height = {65, 35}, .shape = DigitsWithComponent(8), .encode = EncodeRetail<composite::kEan8>, .render = RenderRetail<RenderEan8, composite::kEan8>, .replacesCheckDigit = true},
    {.name = "UPC-A-Composite", .height = {80, 50}, .shape = DigitsWithComponent(12), .encode = EncodeRetail<composite::kUpcA>, .render = RenderRetail<RenderUpcA, composite::kUpcA>, .replacesCheckDigit = true},
    {.name = "UPC-E-Composite", .height = {80, 50}, .shape = DigitsWithComponent(8), .encode = EncodeRetail<composite::kUpcE>, .render = RenderRetail<RenderUpcE, composite::kUpcE>, .replacesCheckDigit = true},
    {.name = "Databar-Omnidirectional-Composite", .height = kSelfSized, .shape = DigitsWithComponent(14), .encode = EncodeDataBarWith<composite::kDataBarOmnidirectional>, .render = RenderMatrixSymbol, .replacesCheckDigit = true},
    {.name = "HIBC-Codablock-F", .height = kSelfSized, .shape = Text(110), .encode = WithHibcCheck<EncodeAdded<zint::kHibcCodablockF>>, .render = RenderMatrixSymbol, .quietZone = kTenEachSide},
    {.name = "Databar-Truncated-Composite", .height = kSelfSized, .shape = DigitsWithComponent(14), .encode = EncodeDataBarWith<composite::kDataBarTruncated>, .render = RenderMatrixSymbol, .replacesCheckDigit = true},
    {.name = "Databar-Stacked-Composite", .height = kSelfSized, .shape = DigitsWithComponent(14), .encode = EncodeDataBarWith<composite::kDataBarStacked>, .render = RenderMatrixSymbol, .replacesCheckDigit = true},
    {.name = "Databar-StackedOmnidirectional-Composite", .height = kSelfSized, .shape = DigitsWithComponent(14), .encode = EncodeDataBarWith<composite::kDataBarStackedOmnidirectional>, .render = RenderMatrixSymbol, .replacesCheckDigit = true},
    {.name = "Databar-Limited-Composite", .height = kSelfSized, .shape = DigitsWithComponent(14), .encode = EncodeDataBarWith<composite::kDataBarLimited>, .render = RenderMatrixSymbol, .replacesCheckDigit = true},
    {.name = "Databar-Expanded-Stacked", .height = kSelfSized, .shape = Text(70, AddOnRule::Keep), .encode = EncodeDataBarExpandedStacked, .encodeGs1 = EncodeGs1DataBarExpandedStacked, .render = RenderMatrixSymbol},
}};
// clang-format on

}  // namespace kbc
