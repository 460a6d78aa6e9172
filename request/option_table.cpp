#include "request/option_table.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <type_traits>

#include "core/length.h"
#include "core/string_ops.h"
#include "core/symbology.h"
#include "matrix/added_symbologies.h"
#include "matrix/data_matrix.h"
#include "text/number_text.h"
#include "request/option_values.h"

namespace kbc {
namespace {

// The field a member pointer names, in the request's settings or in the command line itself.
template <typename Field>
Field& FieldOf(CommandLine& line, Field BarcodeSettings::*field) {
  return line.settings.*field;
}

template <typename Field>
Field& FieldOf(CommandLine& line, Field CommandLine::*field) {
  return line.*field;
}

template <auto Field>
void SetNumber(CommandLine& line, const OptionValue& value) {
  auto& field = FieldOf(line, Field);
  field = static_cast<std::remove_reference_t<decltype(field)>>(value.number);
}

template <auto Field>
void SetText(CommandLine& line, const OptionValue& value) {
  FieldOf(line, Field) = value.argument.text;
}

template <auto Field>
void SetPath(CommandLine& line, const OptionValue& value) {
  FieldOf(line, Field) = value.path;
}

void SetAction(CommandLine& line, const OptionValue& value) {
  line.action = ActionFromWord(value.argument.text);
  line.unknownAction = line.action == OutputAction::None ? std::string(value.raw) : std::string();
}

void SetType(CommandLine& line, const OptionValue& value) {
  line.settings.symbology = SymbologyFromName(value.argument.text);
  line.unknownType = line.settings.symbology == kNoSymbology ? std::string(value.raw) : std::string();
}

void SetData(CommandLine& line, const OptionValue& value) {
  line.settings.data = value.argument.text;
  line.settings.dataUtf8 = value.argument.utf8;
  UnescapeControlChars(line.settings.data);
}

// A negative size stands for the smallest, 1 point.
void SetFontSize(CommandLine& line, const OptionValue& value) {
  const std::u32string& text = value.argument.text;
  const double size = DoubleValueOf(text);
  line.settings.fontSize = size < 0 ? 1.0 : std::min(size, 96.0);
  const double used = line.settings.fontSize;
  NoteValue(line, value.option, ValueWarning(value.option, text, ReadsWholeDecimal(text), size, 0, 96, used));
}

template <ColourComponents BarcodeSettings::*Colour, std::size_t Component>
void SetComponent(CommandLine& line, const OptionValue& value) {
  (line.settings.*Colour)[Component] = value.number;
}

// Degrees clockwise as quarter turns; any other value is refused.
void SetRotation(CommandLine& line, const OptionValue& value) {
  const std::u32string& text = value.argument.text;
  const std::int32_t degrees = IntegerValueOf(text);
  const bool quarter = ReadsWholeInteger(text) && degrees >= 0 && degrees < 360 && degrees % 90 == 0;
  line.settings.quarterTurns = quarter ? std::int16_t(degrees / 90) : 0;
  NoteRefusal(line, value.option,
              quarter ? std::string()
                      : "-rotate " + Shown(text) + " is no quarter turn: give 0, 90, 180 or 270 (degrees clockwise)");
}

template <auto Field>
void SetLength(CommandLine& line, const OptionValue& value) {
  const std::optional<Length> length = ReadLength(value.argument.text);
  FieldOf(line, Field) = length.value_or(Length{});
  NoteRefusal(line, value.option,
              length ? std::string()
                     : std::string(value.option) + " " + Shown(value.argument.text) +
                           " is no length: give a positive number followed by mm, in, mil, pt or dots (a bare "
                           "number is points)");
}

void SetEncoding(CommandLine& line, const OptionValue& value) {
  const std::optional<TextEncoding> encoding = TextEncodingFromName(value.raw);
  line.encoding = encoding.value_or(TextEncoding::Default);
  NoteRefusal(line, value.option,
              encoding ? std::string()
                       : "-encoding " + Shown(value.argument.text) +
                             " is no encoding: give utf-8, windows-1252, latin-1 or mac-roman");
}

void SetCsvPaths(CommandLine& line, const OptionValue& value) {
  line.csvPathsAny = value.raw == "any";
  NoteRefusal(line, value.option,
              value.raw == "any" || value.raw == "inside"
                  ? std::string()
                  : "-csvpaths " + Shown(value.argument.text) + " is no path rule: give inside (the default) or any");
}

void SetQrLevel(CommandLine& line, const OptionValue& value) {
  constexpr std::string_view kLetters = "LMQH";
  const std::size_t level = value.raw.size() == 1 ? kLetters.find(char(std::toupper(value.raw[0]))) : kLetters.npos;
  line.settings.symbolOptions.qrLevel = level == kLetters.npos ? QrLevel::L : QrLevel(level);
  NoteRefusal(line, value.option,
              level != kLetters.npos
                  ? std::string()
                  : "-eclevel " + Shown(value.argument.text) + " is no QR Code error-correction level: give L, M, Q or H");
}

void SetQrVersion(CommandLine& line, const OptionValue& value) {
  line.settings.symbolOptions.qrVersion = int(value.number);
}

// ECI designators run from 0 to 999999 (ISO/IEC 18004 and 16022 take six digits).
void SetEci(CommandLine& line, const OptionValue& value) {
  const std::u32string& text = value.argument.text;
  const std::int32_t eci = IntegerValueOf(text);
  const bool valid = ReadsWholeInteger(text) && eci >= 0 && eci <= 999999;
  line.settings.symbolOptions.eci = valid ? eci : kNoEci;
  NoteRefusal(line, value.option,
              valid ? std::string()
                    : "-eci " + Shown(text) + " is no ECI designator: give 0 to 999999 (26 is UTF-8)");
}

// ROWSxCOLUMNS, one of the Data Matrix sizes.
void SetDataMatrixSize(CommandLine& line, const OptionValue& value) {
  const std::string_view raw = value.raw;
  const std::size_t x = raw.find_first_of("xX");
  const std::u32string& text = value.argument.text;
  int rows = 0;
  int columns = 0;
  if (x != raw.npos) {
    const std::u32string_view rowText = std::u32string_view(text).substr(0, x);
    const std::u32string_view columnText = std::u32string_view(text).substr(x + 1);
    if (ReadsWholeInteger(rowText) && ReadsWholeInteger(columnText)) {
      rows = IntegerValueOf(rowText);
      columns = IntegerValueOf(columnText);
    }
  }
  const bool valid = IsDataMatrixSize(rows, columns);
  line.settings.symbolOptions.dataMatrixRows = valid ? rows : 0;
  line.settings.symbolOptions.dataMatrixColumns = valid ? columns : 0;
  NoteRefusal(line, value.option,
              valid ? std::string()
                    : "-dmsize " + Shown(text) +
                          " is no Data Matrix size: give ROWSxCOLUMNS, a square from 10x10 to 144x144 or one of "
                          "8x18, 8x32, 12x26, 12x36, 16x36 and 16x48");
}

// A whole number from low to high, or the option's refusal.
std::optional<int> WholeNumberIn(const OptionValue& value, int low, int high) {
  const std::u32string& text = value.argument.text;
  const std::int32_t number = IntegerValueOf(text);
  if (!ReadsWholeInteger(text) || number < low || number > high) return std::nullopt;
  return int(number);
}

// Modes 2 and 3 carry a structured carrier message; 4 is the standard symbol,
// 5 the one with more error correction, 6 programs a reader.
void SetMaxiCodeMode(CommandLine& line, const OptionValue& value) {
  const std::optional<int> mode = WholeNumberIn(value, 2, 6);
  line.settings.symbolOptions.maxiCodeMode = mode.value_or(0);
  NoteRefusal(line, value.option,
              mode ? std::string()
                   : "-maxicode-mode " + Shown(value.argument.text) +
                         " is no MaxiCode mode: give 2 or 3 (carrier message), 4 (standard), 5 (more error "
                         "correction) or 6 (reader programming)");
}

// DotCode's columns (AIM ISS DotCode: 5 to 200); the rows follow from the data.
void SetDotCodeColumns(CommandLine& line, const OptionValue& value) {
  const std::optional<int> columns = WholeNumberIn(value, 5, 200);
  line.settings.symbolOptions.dotCodeColumns = columns.value_or(0);
  NoteRefusal(line, value.option,
              columns ? std::string()
                      : "-dotcode-columns " + Shown(value.argument.text) + " is no DotCode width: give 5 to 200 columns");
}

// Aztec layers (ISO/IEC 24778): 1-32 round the finder of a full-range symbol,
// or C1-C4 for a compact one, whose smaller finder leaves room for 4 at most.
void SetAztecLayers(CommandLine& line, const OptionValue& value) {
  const std::u32string& text = value.argument.text;
  const bool compact = !text.empty() && (text[0] == U'C' || text[0] == U'c');
  const std::u32string_view number = std::u32string_view(text).substr(compact ? 1 : 0);
  const std::int32_t layers = IntegerValueOf(number);
  const bool valid = ReadsWholeInteger(number) && layers >= 1 && layers <= (compact ? 4 : 32);
  line.settings.symbolOptions.aztecLayers = valid ? layers : 0;
  line.settings.symbolOptions.aztecCompact = valid && compact;
  NoteRefusal(line, value.option,
              valid ? std::string()
                    : "-aztec-layers " + Shown(text) +
                          " is no Aztec size: give 1 to 32 layers (full range) or C1 to C4 (compact)");
}

// The error-correction shares Aztec symbols are made with (ISO/IEC 24778).
void SetAztecEcLevel(CommandLine& line, const OptionValue& value) {
  const std::optional<int> percent = WholeNumberIn(value, 10, 50);
  const bool valid = percent == 10 || percent == 23 || percent == 36 || percent == 50;
  line.settings.symbolOptions.aztecEcPercent = valid ? *percent : 0;
  NoteRefusal(line, value.option,
              valid ? std::string()
                    : "-aztec-eclevel " + Shown(value.argument.text) +
                          " is no Aztec error-correction level: give 10, 23 (the default), 36 or 50 (per cent)");
}

// ROWSxCOLUMNS, or the version's name R7x43 .. R17x139.
void SetRmqrSize(CommandLine& line, const OptionValue& value) {
  const std::u32string& text = value.argument.text;
  const bool named = !text.empty() && (text[0] == U'R' || text[0] == U'r');
  const std::u32string_view size = std::u32string_view(text).substr(named ? 1 : 0);
  const std::size_t x = size.find_first_of(U"xX");
  int rows = 0;
  int columns = 0;
  if (x != size.npos && ReadsWholeInteger(size.substr(0, x)) && ReadsWholeInteger(size.substr(x + 1))) {
    rows = IntegerValueOf(size.substr(0, x));
    columns = IntegerValueOf(size.substr(x + 1));
  }
  const bool valid = RmqrVersionOf(rows, columns) != 0;
  line.settings.symbolOptions.rmqrRows = valid ? rows : 0;
  line.settings.symbolOptions.rmqrColumns = valid ? columns : 0;
  NoteRefusal(line, value.option,
              valid ? std::string()
                    : "-rmqr-size " + Shown(text) +
                          " is no rMQR size: give ROWSxCOLUMNS, 7, 9, 11, 13, 15 or 17 rows by 43, 59, 77, 99 or 139 "
                          "columns, or 11x27 or 13x27");
}

// MicroPDF417 has 1 to 4 data columns (ISO/IEC 24728).
void SetMicroPdf417Columns(CommandLine& line, const OptionValue& value) {
  const std::optional<int> columns = WholeNumberIn(value, 1, 4);
  line.settings.symbolOptions.microPdf417Columns = columns.value_or(0);
  NoteRefusal(line, value.option,
              columns ? std::string()
                      : "-micropdf417-columns " + Shown(value.argument.text) +
                            " is no MicroPDF417 width: give 1 to 4 data columns");
}

// ISO/IEC 24724 builds Expanded Stacked rows of segment pairs, 2 to 20
// segments; 22 would be Expanded itself, in one row.
void SetDataBarSegments(CommandLine& line, const OptionValue& value) {
  const std::optional<int> segments = WholeNumberIn(value, 2, 20);
  const bool valid = segments && *segments % 2 == 0;
  line.settings.symbolOptions.dataBarSegments = valid ? *segments : 0;
  NoteRefusal(line, value.option,
              valid ? std::string()
                    : "-databar-segments " + Shown(value.argument.text) +
                          " is no DataBar Expanded Stacked width: give an even number of segments per row, 2 to 20");
}

// given: the HIBC data arrives as printed, its check character to be verified.
void SetHibcCheck(CommandLine& line, const OptionValue& value) {
  const bool given = value.raw == "given";
  line.settings.symbolOptions.hibcCheckGiven = given;
  NoteRefusal(line, value.option,
              given || value.raw == "add"
                  ? std::string()
                  : "-hibc-check " + Shown(value.argument.text) +
                        " is no HIBC check rule: give add (the default) or given");
}

void SetCode128(CommandLine& line, const OptionValue& value) {
  const bool shortest = value.raw == "shortest";
  line.settings.symbolOptions.code128Shortest = shortest;
  NoteRefusal(line, value.option,
              shortest || value.raw == "oneset"
                  ? std::string()
                  : "-code128 " + Shown(value.argument.text) + " is no code-set rule: give oneset (the default) or shortest");
}

// An https:// address with a host; a trailing slash is dropped, as the key's path adds one.
void SetDigitalLinkBase(CommandLine& line, const OptionValue& value) {
  std::string base(value.raw);
  while (base.ends_with('/')) base.pop_back();
  const bool valid = base.starts_with("https://") && base.size() > 8 &&
                     base.find_first_of(" ?#") == std::string::npos && value.raw.find('\0') == std::string::npos;
  line.settings.symbolOptions.digitalLinkBase = valid ? base : std::string();
  NoteRefusal(line, value.option,
              valid ? std::string()
                    : "-gs1dl " + Shown(value.argument.text) + " is no web address: give one such as https://id.gs1.org");
}

constexpr auto kForeground = &BarcodeSettings::foreground;
constexpr auto kBackground = &BarcodeSettings::background;

constexpr std::array<OptionRow, 55> kOptionRows = {{
    {.name = "-action",
     .reading = OptionReading::Special,
     .set = SetAction,
     .usage = "Specify result as \"clip\" for clipboard, or for graphic file format of \"epsf\", \"jpeg\", \"pdff\", "
              "\"pngf\", \"svgf\", or \"tiff\".",
     .help = {.place = 23,
              .heading = "-action zplf",
              .text = "A ZPL II label for a thermal label printer: the image, text included, as one graphic at "
                      "-dpi 203, 300 or 600\n(203 when not given). With -batch or -csv and an -output without #, "
                      "one stream of labels, one line each, in input order\n(-output - for standard output).",
              .example = "KestrovaBarCode -type EAN-13 -batch numbers.txt -action zplf -output - | nc printer 9100"},
     .laterHelp = {.place = 26,
              .heading = "-action info",
              .text = "Writes no file: prints one JSON object on standard output saying what would be drawn (type, "
                      "data as encoded, check digits, text, size, X-dimension, warnings, refusal); one per line "
                      "with -batch and -csv.",
              .example = "KestrovaBarCode -type EAN-13 -data 590123412345 -action info"},
     .scope = OptionScope::Render},
    {.name = "-type",
     .reading = OptionReading::Special,
     .set = SetType,
     .usage = "Barcode symbology to use. Valid values are EAN-13, EAN-8, EAN-128, EAN-14, EAN-18, EAN-99, "
              "EAN-Coupon, EAN-Velocity UPC-A, UPC-E, Code-128, Code-93, Code-39, Code-32, Code-25, UPC-Coupon, "
              "Codabar, ISSN, ISBN, ISMN, PostNet, RM4SCC, Pharmacode, CIP, PZN, MSI, ITF-SCC, ITF-14, "
              "Interleaved-25, QRCode, MicroQR, PDF417, Identcode, DataMatrix, USPS4CB, FIM, "
              "Databar-Omnidirectional, Databar-Truncated, Databar-Stacked, Databar-StackedOmnidirectional, "
              "Databar-Limited, Databar-Expanded, Telepen.",
     .help = {.place = 13,
              .heading = "-type (added types)",
              .text = "Also Aztec, Aztec-Runes, rMQR, MicroPDF417, HIBC-DataMatrix, HIBC-QR, HIBC-PDF417, "
                      "HIBC-MicroPDF417, HIBC-Aztec, Code-11, LOGMARS, Plessey, HIBC-128, HIBC-39, VIN, DPD, "
                      "Channel-Code, Leitcode, AusPost, KIX, Japan-Post, PLANET, MaxiCode, DotCode, PDF417-Compact, "
                      "Code-16K, Codablock-F, Code-49, Han-Xin, Grid-Matrix, Code-One, UPNQR, Korea-Post, Mailmark, "
                      "CEPNet, DAFT, Pharmacode-2-Track, Flattermarken, GS1-128-Composite, EAN-13-Composite, "
                      "EAN-8-Composite, UPC-A-Composite, UPC-E-Composite, Databar-Omnidirectional-Composite, "
                      "HIBC-Codablock-F, Databar-Truncated-Composite, Databar-Stacked-Composite, "
                      "Databar-StackedOmnidirectional-Composite, Databar-Limited-Composite, Databar-Expanded-Stacked.",
              .example = "KestrovaBarCode -type Aztec -data 'Ticket 918' -action svgf -output ticket.svg"}},
    {.name = "-data", .reading = OptionReading::Text, .set = SetData, .usage = "Primary main barcode data."},
    {.name = "-addon",
     .reading = OptionReading::Text,
     .set = SetText<&BarcodeSettings::addon>,
     .usage = "Secondary addon barcode data."},
    {.name = "-scale",
     .reading = OptionReading::Integer,
     .set = SetNumber<&BarcodeSettings::scale>,
     .low = 50,
     .high = 150,
     .usage = "Scaling factor as a percentage where 100 is standard."},
    {.name = "-trim",
     .reading = OptionReading::Integer,
     .set = SetNumber<&BarcodeSettings::trim>,
     .low = 0,
     .high = 100,
     .usage = "Trim level to reduce height where 0 is standard."},
    {.name = "-disp",
     .reading = OptionReading::Text,
     .set = SetText<&BarcodeSettings::displayText>,
     .usage = "Override displayed text."},
    {.name = "-antialiasoff",
     .reading = OptionReading::Switch,
     .set = SetNumber<&BarcodeSettings::antialiasOff>,
     .usage = "Disable Anti-Aliasing of graphic image where 1 is to disable."},
    {.name = "-fontsmoothoff",
     .reading = OptionReading::Switch,
     .set = SetNumber<&BarcodeSettings::fontSmoothOff>,
     .usage = "Disable smoothening of text where 1 is to disable."},
    {.name = "-fontname",
     .reading = OptionReading::Text,
     .set = SetText<&BarcodeSettings::fontName>,
     .usage = "Set name of displayed font."},
    {.name = "-fontsize",
     .reading = OptionReading::Special,
     .set = SetFontSize,
     .usage = "Set size of displayed font."},
    {.name = "-colmode",
     .reading = OptionReading::Integer,
     .set = SetNumber<&BarcodeSettings::colourMode>,
     .low = 0,
     .high = 2,
     .usage = "Set Colour Mode where 0 is Greyscale, 1 is RGB, or 2 is CMYK."},
    {.name = "-fcolcomponent1",
     .reading = OptionReading::Unit,
     .set = SetComponent<kForeground, 0>,
     .usage = "Set Foreground Colour Component 1 where Level (0-1) of Grey in Greyscale, Red in RGB, or Cyan in CMYK."},
    {.name = "-fcolcomponent2",
     .reading = OptionReading::Unit,
     .set = SetComponent<kForeground, 1>,
     .usage = "Set Foreground Colour Component 2 where Level (0-1) of N/A in Greyscale, Green in RGB, or Magenta in "
              "CMYK."},
    {.name = "-fcolcomponent3",
     .reading = OptionReading::Unit,
     .set = SetComponent<kForeground, 2>,
     .usage = "Set Foreground Colour Component 3 where Level (0-1) of N/A in Greyscale, Blue in RGB, or Yellow in "
              "CMYK."},
    {.name = "-fcolcomponent4",
     .reading = OptionReading::Unit,
     .set = SetComponent<kForeground, 3>,
     .usage = "Set Foreground Colour Component 4 where Level (0-1) of N/A in Greyscale, N/A in RGB, or Black in CMYK."},
    {.name = "-fcolcomponent5",
     .reading = OptionReading::Unit,
     .set = SetComponent<kForeground, 4>,
     .usage = "Set Foreground Colour Component 5 where Level (0-1) of N/A in Greyscale, N/A in RGB, or N/A in CMYK."},
    {.name = "-bcolcomponent1",
     .reading = OptionReading::Unit,
     .set = SetComponent<kBackground, 0>,
     .usage = "Set Background Colour Component 1 where Level (0-1) of Grey in Greyscale, Red in RGB, or Cyan in CMYK."},
    {.name = "-bcolcomponent2",
     .reading = OptionReading::Unit,
     .set = SetComponent<kBackground, 1>,
     .usage = "Set Background Colour Component 2 where Level (0-1) of N/A in Greyscale, Green in RGB, or Magenta in "
              "CMYK."},
    {.name = "-bcolcomponent3",
     .reading = OptionReading::Unit,
     .set = SetComponent<kBackground, 2>,
     .usage = "Set Background Colour Component 3 where Level (0-1) of N/A in Greyscale, Blue in RGB, or Yellow in "
              "CMYK."},
    {.name = "-bcolcomponent4",
     .reading = OptionReading::Unit,
     .set = SetComponent<kBackground, 3>,
     .usage = "Set Background Colour Component 4 where Level (0-1) of N/A in Greyscale, N/A in RGB, or Black in CMYK."},
    {.name = "-bcolcomponent5",
     .reading = OptionReading::Unit,
     .set = SetComponent<kBackground, 4>,
     .usage = "Set Background Colour Component 5 where Level (0-1) of N/A in Greyscale, N/A in RGB, or N/A in CMYK."},
    {.name = "-coltrans",
     .reading = OptionReading::Flag,
     .set = SetNumber<&BarcodeSettings::opaqueBackground>,
     .usage = "Set Colour Transparency where 0 is transparent background and 1 is selected colour background."},
    {.name = "-gs1",
     .reading = OptionReading::Flag,
     .set = SetNumber<&BarcodeSettings::gs1>,
     .help = {.place = 2,
              .text = "1 reads EAN-128, Databar-Expanded, Databar-Expanded-Stacked, QRCode and DataMatrix data as a "
                      "GS1 element string.",
              .example = "KestrovaBarCode -type EAN-128 -gs1 1 -data '(01)09501101530003(10)ABC123' -action svgf "
                         "-output ship.svg"}},
    {.name = "-showtext",
     .reading = OptionReading::Flag,
     .set =
         [](CommandLine& line, const OptionValue& value) {
           line.settings.textOff = value.number == 0 ? 1 : 0;
           line.settings.textAsked = value.number == 0 ? 0 : 1;
         },
     .help = {.place = 10,
              .text = "0 draws no human-readable text; MSI, Telepen, Pharmacode and the added linear types then lose "
                      "the room of their text line. 1 also prints the element string under QRCode and DataMatrix in "
                      "-gs1 1 mode.",
              .example = "KestrovaBarCode -type Code-128 -data 'Label 42' -showtext 0 -action svgf -output bare.svg"}},
    {.name = "-dpi",
     .reading = OptionReading::Integer,
     .set = SetNumber<&BarcodeSettings::dpi>,
     .low = 72,
     .high = 2400,
     .help = {.place = 1,
              .text = "Bitmap resolution in pixels per inch (72-2400) for PNG, JPEG and TIFF; the file records it.",
              .example = "KestrovaBarCode -type EAN-13 -data 590123412345 -dpi 300 -action pngf -output label.png"}},
    {.name = "-batch",
     .reading = OptionReading::Path,
     .set = SetPath<&CommandLine::batchPath>,
     .help = {.place = 3,
              .text = "A file whose every line is the data of one barcode (- reads standard input); the #### in "
                      "-output is replaced by the line number.",
              .example = "KestrovaBarCode -type EAN-13 -batch numbers.txt -action pngf -output label-####.png"},
     .scope = OptionScope::Run,
     .runReason = "each row is one request"},
    {.name = "-threads",
     .reading = OptionReading::Integer,
     .set = SetNumber<&CommandLine::threads>,
     .low = 1,
     .high = 64,
     .help = {.place = 6,
              .text = "Workers of a batch or CSV file (1-64); one per processor when not given.",
              .example = "KestrovaBarCode -type QRCode -batch urls.txt -threads 2 -action svgf -output qr-####.svg"},
     .scope = OptionScope::Run,
     .runReason = "the workers draw the whole file; give -threads on the command line"},
    {.name = "-output",
     .reading = OptionReading::Path,
     .set = SetPath<&CommandLine::outputPath>,
     .usage = "Output file path and name for graphic image file",
     .help = {.place = 11,
              .heading = "-output -",
              .text = "Sends the file to standard output, the same bytes; not with clip, -batch or -csv.",
              .example = "KestrovaBarCode -type EAN-13 -data 590123412345 -action pngf -output - > label.png"}},
    {.name = "-margin",
     .reading = OptionReading::Integer,
     .set = SetNumber<&BarcodeSettings::margin>,
     .low = 0,
     .high = 1000,
     .help = {.place = 7,
              .text = "Points of background added on every side (0-1000), scaled like the symbol; filled under "
                      "-coltrans 1.",
              .example = "KestrovaBarCode -type QRCode -data 'Lot 7' -margin 10 -action pngf -output lot.png"}},
    {.name = "-rotate",
     .reading = OptionReading::Special,
     .set = SetRotation,
     .help = {.place = 8,
              .text = "Turns the image clockwise by 0, 90, 180 or 270 degrees on every target; other values are "
                      "refused.",
              .example = "KestrovaBarCode -type Code-128 -data 'Label 42' -rotate 90 -action pngf -output side.png",
              .blankLineAfter = false}},
    {.name = "-csv",
     .reading = OptionReading::Path,
     .set = SetPath<&CommandLine::csvPath>,
     .help = {.place = 4,
              .text = "A CSV file (- reads standard input) whose header row names options without the dash and "
                      "whose every other row is one request; the command line's options are the defaults, a row's "
                      "non-empty cells override them, and rows without an output cell are numbered into -output by "
                      "their row (the header is row 1).",
              .example = "KestrovaBarCode -csv labels.csv -action pngf -output label-####.png"},
     .scope = OptionScope::Run,
     .runReason = "each row is one request"},
    {.name = "-quietzones",
     .reading = OptionReading::Flag,
     .set = SetNumber<&BarcodeSettings::quietZones>,
     .help = {.place = 9,
              .text = "1 adds each symbology's standard quiet zone where its drawing lacks it (Code 39: 10 modules "
                      "each side);\nbackground like -margin, and added to it.",
              .example = "KestrovaBarCode -type Code-39 -data PART-42 -quietzones 1 -coltrans 1 -action svgf "
                         "-output part.svg"}},
    {.name = "-csvpaths",
     .reading = OptionReading::Special,
     .set = SetCsvPaths,
     .help = {.place = 5,
              .text = "inside (the default): a CSV row's output cell must be a relative path that stays inside the "
                      "folder of -output, or the working folder; any: a row may write anywhere. Two rows never "
                      "write one file.",
              .example = "KestrovaBarCode -csv labels.csv -csvpaths any -action pngf -output label-####.png"},
     .scope = OptionScope::Run,
     .runReason = "where the rows may write is the command line's to say"},
    {.name = "-strict",
     .reading = OptionReading::Flag,
     .set = SetNumber<&BarcodeSettings::strict>,
     .help = {.place = 12,
              .text = "1 refuses what would be drawn with a warning (exit status 1, nothing written), and unknown "
                      "options and words that belong to no option (exit status 2); per line or row in -batch and "
                      "-csv.",
              .example = "KestrovaBarCode -strict 1 -type EAN-13 -data 5901234123457 -action svgf -output code.svg"}},
    {.name = "-eclevel",
     .reading = OptionReading::Special,
     .set = SetQrLevel,
     .help = {.place = 17,
              .text = "QR Code error correction: L (the default), M, Q or H restore about 7, 15, 25 or 30 % of the "
                      "symbol; higher levels make larger symbols.",
              .example = "KestrovaBarCode -type QRCode -data 'https://example.com' -eclevel H -action pngf "
                         "-output shop.png"}},
    {.name = "-qrversion",
     .reading = OptionReading::Integer,
     .set = SetQrVersion,
     .low = 1,
     .high = 40,
     .help = {.place = 18,
              .text = "The QR Code version (1-40, 21 to 177 modules a side) instead of the smallest that holds the "
                      "data; data it cannot hold is refused.",
              .example = "KestrovaBarCode -type QRCode -data 'Lot 7' -qrversion 5 -action svgf -output lot.svg"}},
    {.name = "-eci",
     .reading = OptionReading::Special,
     .set = SetEci,
     .help = {.place = 19,
              .text = "An Extended Channel Interpretation (0-999999) before the data of QRCode or DataMatrix, naming "
                      "the character set of its bytes: 26 for UTF-8, as shells pass typed text.",
              .example = "KestrovaBarCode -type QRCode -data 'Crème brûlée' -eci 26 -action svgf -output menu.svg"}},
    {.name = "-dmsize",
     .reading = OptionReading::Special,
     .set = SetDataMatrixSize,
     .help = {.place = 20,
              .text = "The Data Matrix size as ROWSxCOLUMNS: a square from 10x10 to 144x144, or a rectangle (8x18, "
                      "8x32, 12x26, 12x36, 16x36, 16x48); data it cannot hold is refused.",
              .example = "KestrovaBarCode -type DataMatrix -data 'PART-42' -dmsize 16x48 -action svgf "
                         "-output part.svg"}},
    {.name = "-code128",
     .reading = OptionReading::Special,
     .set = SetCode128,
     .help = {.place = 21,
              .text = "oneset (the default): Code-128 and EAN-128 encode all data in one code set; shortest: they "
                      "change sets where that makes the symbol shorter.",
              .example = "KestrovaBarCode -type Code-128 -data LOT12345678 -code128 shortest -action svgf "
                         "-output lot.svg"}},
    {.name = "-gs1dl",
     .reading = OptionReading::Special,
     .set = SetDigitalLinkBase,
     .help = {.place = 22,
              .text = "With -gs1 1, QRCode and DataMatrix encode the element string as its GS1 Digital Link URI on "
                      "this https:// address: the key and its qualifiers in the path, the other AIs as query "
                      "attributes.",
              .example = "KestrovaBarCode -type QRCode -gs1 1 -gs1dl https://id.gs1.org -data "
                         "'(01)09501101530003(10)ABC123(17)271231' -action pngf -output product.png"}},
    {.name = "-xdim",
     .reading = OptionReading::Special,
     .set = SetLength<&BarcodeSettings::xdim>,
     .help = {.place = 14,
              .text = "The module width (the narrow bar; a 2-D module) in mm, in, mil, pt or dots of -dpi (a bare "
                      "number is points), in place of -scale; bitmaps at -dpi draw it in whole dots.",
              .example = "KestrovaBarCode -type Code-128 -data 'Label 42' -xdim 0.25mm -dpi 203 -action pngf -output "
                         "label.png"}},
    {.name = "-height",
     .reading = OptionReading::Special,
     .set = SetLength<&BarcodeSettings::barHeight>,
     .help = {.place = 15,
              .text = "The bar height without the text, as a length like -xdim's; not for QRCode, MicroQR and "
                      "DataMatrix, whose modules are square.",
              .example = "KestrovaBarCode -type EAN-128 -gs1 1 -data '(00)106141411234567897' -xdim 0.5mm -height "
                         "31.75mm -dpi 203 -action pngf -output sscc.png"}},
    {.name = "-bwr",
     .reading = OptionReading::Special,
     .set = SetLength<&BarcodeSettings::barReduction>,
     .help = {.place = 16,
              .text = "Bar width reduction: every dark bar and module narrowed by this length, centred, for ink "
                      "spread or thermal gain; at most half a module.",
              .example = "KestrovaBarCode -type EAN-13 -data 590123412345 -dpi 203 -bwr 1dots -action pngf -output "
                         "retail.png"}},
    {.name = "-zplhex",
     .reading = OptionReading::Flag,
     .set = SetNumber<&BarcodeSettings::zplHex>,
     .help = {.place = 24,
              .text = "1 sends the ZPL graphic as plain hexadecimal, for printers that do not read the compressed "
                      "(Z64) form.",
              .example = "KestrovaBarCode -type Code-128 -data 'Label 42' -zplhex 1 -action zplf -output label.zpl"}},
    {.name = "-copies",
     .reading = OptionReading::Integer,
     .set = SetNumber<&BarcodeSettings::copies>,
     .low = 1,
     .high = 99999999,
     .help = {.place = 25,
              .text = "The printer prints each ZPL label this many times (1-99999999).",
              .example = "KestrovaBarCode -type QRCode -data 'Lot 7' -copies 3 -action zplf -output lot.zpl"}},
    {.name = "-encoding",
     .reading = OptionReading::Special,
     .set = SetEncoding,
     .help = {.place = 27,
              .text = "How the arguments and the lines or cells of -batch and -csv files are read: utf-8, "
                      "windows-1252, latin-1 or mac-roman. Without it, valid UTF-8 is read as UTF-8 and anything "
                      "else as Mac OS Roman.",
              .example = "KestrovaBarCode -encoding windows-1252 -csv labels.csv -action svgf -output label-####.svg"},
     .scope = OptionScope::Run,
     .runReason = "the file is read in one encoding; give -encoding on the command line"},
    {.name = "-maxicode-mode",
     .reading = OptionReading::Special,
     .set = SetMaxiCodeMode,
     .help = {.place = 28,
              .text = "The MaxiCode mode: 4 (the default), 5 for more error correction, 6 to program a reader. "
                      "Modes 2 and 3 begin with the carrier's message,\ngiven as a reader returns it: POSTCODE, "
                      "COUNTRY and SERVICE, each ended by a GS (\\x1d), after the [)>RS01GSvv header of a UPS "
                      "message\nwhere there is one. Mode 2 takes a postcode of up to 9 digits, mode 3 up to 6 "
                      "capitals, digits and spaces; country and service are 3 digits.",
              .example = "KestrovaBarCode -type MaxiCode -maxicode-mode 2 -data \"$(printf "
                         "'[)>\\03601\\03596152382802\\035840\\035001\\0351Z00004951\\035UPSN\\036\\004')\" "
                         "-action pngf -output parcel.png"}},
    {.name = "-dotcode-columns",
     .reading = OptionReading::Special,
     .set = SetDotCodeColumns,
     .help = {.place = 29,
              .text = "DotCode's width in columns (5-200) instead of a near-square symbol; the rows follow from the "
                      "data.",
              .example = "KestrovaBarCode -type DotCode -data 'LOT 42 0815' -dotcode-columns 30 -action svgf "
                         "-output pack.svg"}},
    {.name = "-aztec-layers",
     .reading = OptionReading::Special,
     .set = SetAztecLayers,
     .help = {.place = 30,
              .text = "The Aztec size in layers round the finder: 1-32 for a full-range symbol (19 to 151 modules a "
                      "side), C1-C4 for a compact one (15 to 27); data it cannot hold is refused.",
              .example = "KestrovaBarCode -type Aztec -data 'Ticket 918' -aztec-layers 4 -action svgf "
                         "-output ticket.svg"}},
    {.name = "-aztec-eclevel",
     .reading = OptionReading::Special,
     .set = SetAztecEcLevel,
     .help = {.place = 31,
              .text = "Aztec error correction: 10, 23 (the default), 36 or 50 per cent of the codewords; not with "
                      "-aztec-layers, whose fixed size leaves the rest to error correction.",
              .example = "KestrovaBarCode -type Aztec -data 'Ticket 918' -aztec-eclevel 50 -action svgf "
                         "-output ticket.svg"}},
    {.name = "-rmqr-size",
     .reading = OptionReading::Special,
     .set = SetRmqrSize,
     .help = {.place = 32,
              .text = "The rMQR size as ROWSxCOLUMNS (or its name, R7x43): 7, 9, 11, 13, 15 or 17 rows by 43, 59, "
                      "77, 99 or 139 columns, and 11x27 and 13x27; data it cannot hold is refused.",
              .example = "KestrovaBarCode -type rMQR -data 'Lot 7/2027' -rmqr-size 7x59 -action svgf "
                         "-output lot.svg"}},
    {.name = "-micropdf417-columns",
     .reading = OptionReading::Special,
     .set = SetMicroPdf417Columns,
     .help = {.place = 33,
              .text = "MicroPDF417's data columns (1-4) instead of the library's choice by the data's length; the "
                      "rows follow from the data, and data the columns cannot hold is refused.",
              .example = "KestrovaBarCode -type MicroPDF417 -data 'PART 42' -micropdf417-columns 2 -action svgf "
                         "-output part.svg"}},
    {.name = "-hibc-check",
     .reading = OptionReading::Special,
     .set = SetHibcCheck,
     .help = {.place = 34,
              .text = "add (the default): the HIBC types add the + flag and the modulo-43 check character to the "
                      "data; given: the data is the code as printed, its check character last and the + flag "
                      "optionally first, and a check character that does not match is refused. Under add, data that is "
                      "already a whole code warns.",
              .example = "KestrovaBarCode -type HIBC-128 -data '+A123BJC5D6E71G' -hibc-check given -action svgf "
                         "-output device.svg"}},
    {.name = "-databar-segments",
     .reading = OptionReading::Special,
     .set = SetDataBarSegments,
     .help = {.place = 35,
              .text = "Databar-Expanded-Stacked's segments per row, an even number from 2 to 20, instead of 4; the "
                      "rows follow from the data. GS1 asks for 4 or more where scanners read omnidirectionally, and "
                      "a composite component needs 4 or more.",
              .example = "KestrovaBarCode -type Databar-Expanded-Stacked -gs1 1 -data '(01)03612345678904(10)LOT42' "
                         "-databar-segments 6 -action svgf -output carton.svg"}},
}};

}  // namespace

std::span<const OptionRow> OptionRows() { return kOptionRows; }

const OptionRow* OptionRowOf(std::string_view name) {
  const auto row = std::ranges::find(kOptionRows, name, &OptionRow::name);
  return row == kOptionRows.end() ? nullptr : &*row;
}

}  // namespace kbc
