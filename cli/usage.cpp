#include "cli/usage.h"

#include <array>
#include <string_view>
#include <utility>

namespace kbc {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 22> kOptionHelp = {{
    {"-data", "Primary main barcode data."},
    {"-addon", "Secondary addon barcode data."},
    {"-scale", "Scaling factor as a percentage where 100 is standard."},
    {"-trim", "Trim level to reduce height where 0 is standard."},
    {"-disp", "Override displayed text."},
    {"-antialiasoff", "Disable Anti-Aliasing of graphic image where 1 is to disable."},
    {"-fontsmoothoff", "Disable smoothening of text where 1 is to disable."},
    {"-fontname", "Set name of displayed font."},
    {"-fontsize", "Set size of displayed font."},
    {"-colmode", "Set Colour Mode where 0 is Greyscale, 1 is RGB, or 2 is CMYK."},
    {"-fcolcomponent1",
     "Set Foreground Colour Component 1 where Level (0-1) of Grey in Greyscale, Red in RGB, or Cyan in CMYK."},
    {"-fcolcomponent2",
     "Set Foreground Colour Component 2 where Level (0-1) of N/A in Greyscale, Green in RGB, or Magenta in CMYK."},
    {"-fcolcomponent3",
     "Set Foreground Colour Component 3 where Level (0-1) of N/A in Greyscale, Blue in RGB, or Yellow in CMYK."},
    {"-fcolcomponent4",
     "Set Foreground Colour Component 4 where Level (0-1) of N/A in Greyscale, N/A in RGB, or Black in CMYK."},
    {"-fcolcomponent5",
     "Set Foreground Colour Component 5 where Level (0-1) of N/A in Greyscale, N/A in RGB, or N/A in CMYK."},
    {"-bcolcomponent1",
     "Set Background Colour Component 1 where Level (0-1) of Grey in Greyscale, Red in RGB, or Cyan in CMYK."},
    {"-bcolcomponent2",
     "Set Background Colour Component 2 where Level (0-1) of N/A in Greyscale, Green in RGB, or Magenta in CMYK."},
    {"-bcolcomponent3",
     "Set Background Colour Component 3 where Level (0-1) of N/A in Greyscale, Blue in RGB, or Yellow in CMYK."},
    {"-bcolcomponent4",
     "Set Background Colour Component 4 where Level (0-1) of N/A in Greyscale, N/A in RGB, or Black in CMYK."},
    {"-bcolcomponent5",
     "Set Background Colour Component 5 where Level (0-1) of N/A in Greyscale, N/A in RGB, or N/A in CMYK."},
    {"-coltrans", "Set Colour Transparency where 0 is transparent background and 1 is selected colour background."},
    {"-output", "Output file path and name for graphic image file"},
}};

std::string BuildUsage() {
  std::string text =
      "NAME:\n"
      "KestrovaBarCode v3.7.0 CLI -- Creates barcode images from the Command Line.\n"
      "\n"
      "SYNOPSIS:\n"
      "KestrovaBarCode [-parameter1] [value1] [-parameter2] [value2] [...]\n"
      "\n"
      "DESCRIPTION:\n"
      "The KestrovaBarCode utility creates barcode images as image files or onto the clipboard based on "
      "parameters entered:\n"
      "\n"
      "PARAMETERS:\n"
      "-action\n"
      "Specify result as \"clip\" for clipboard, or for graphic file format of \"epsf\", \"jpeg\", \"pdff\", "
      "\"pngf\", \"svgf\", or \"tiff\".\n"
      "\n"
      "-type\n"
      "Barcode symbology to use. Valid values are EAN-13, EAN-8, EAN-128, EAN-14, EAN-18, EAN-99, EAN-Coupon, "
      "EAN-Velocity UPC-A, UPC-E, "
      "Code-128, Code-93, Code-39, Code-32, Code-25, UPC-Coupon, Codabar, ISSN, ISBN, ISMN, PostNet, RM4SCC, "
      "Pharmacode, CIP, "
      "PZN, MSI, ITF-SCC, ITF-14, Interleaved-25, QRCode, MicroQR, PDF417, Identcode, DataMatrix, USPS4CB, FIM, "
      "Databar-Omnidirectional, Databar-Truncated, Databar-Stacked, Databar-StackedOmnidirectional, "
      "Databar-Limited, Databar-Expanded, Telepen.\n"
      "\n";
  for (const auto& [option, help] : kOptionHelp) {
    text.append(option).append("\n").append(help).append("\n\n");
  }
  text +=
      "AUTHOR:\n"
      "Copyright (c) 2026 Kestrova\n"
      "https://kestrova.example/barcode\n"
      "\n";
  return text;
}

}  // namespace

const std::string& AddedOptionsText() {
  static const std::string text =
      "ADDED OPTIONS:\n"
      "-dpi\n"
      "Bitmap resolution in pixels per inch (72-2400) for PNG, JPEG and TIFF; the file records it.\n"
      "Example: KestrovaBarCode -type EAN-13 -data 590123412345 -dpi 300 -action pngf -output label.png\n"
      "\n"
      "-gs1\n"
      "1 reads EAN-128, Databar-Expanded, QRCode and DataMatrix data as a GS1 element string.\n"
      "Example: KestrovaBarCode -type EAN-128 -gs1 1 -data '(01)09501101530003(10)ABC123' -action svgf "
      "-output ship.svg\n"
      "\n"
      "-batch\n"
      "A file whose every line is the data of one barcode (- reads standard input); the #### in -output "
      "is replaced by the line number.\n"
      "Example: KestrovaBarCode -type EAN-13 -batch numbers.txt -action pngf -output label-####.png\n"
      "\n"
      "-csv\n"
      "A CSV file (- reads standard input) whose header row names options without the dash and whose "
      "every other row is one request; the command line's options are the defaults, a row's non-empty "
      "cells override them, and rows without an output cell are numbered into -output by their row "
      "(the header is row 1).\n"
      "Example: KestrovaBarCode -csv labels.csv -action pngf -output label-####.png\n"
      "\n"
      "-csvpaths\n"
      "inside (the default): a CSV row's output cell must be a relative path that stays inside the folder "
      "of -output, or the working folder; any: a row may write anywhere. Two rows never write one file.\n"
      "Example: KestrovaBarCode -csv labels.csv -csvpaths any -action pngf -output label-####.png\n"
      "\n"
      "-threads\n"
      "Workers of a batch or CSV file (1-64); one per processor when not given.\n"
      "Example: KestrovaBarCode -type QRCode -batch urls.txt -threads 2 -action svgf -output qr-####.svg\n"
      "\n"
      "-margin\n"
      "Points of background added on every side (0-1000), scaled like the symbol; filled under -coltrans 1.\n"
      "Example: KestrovaBarCode -type QRCode -data 'Lot 7' -margin 10 -action pngf -output lot.png\n"
      "\n"
      "-rotate\n"
      "Turns the image clockwise by 0, 90, 180 or 270 degrees on every target; other values are refused.\n"
      "Example: KestrovaBarCode -type Code-128 -data 'Label 42' -rotate 90 -action pngf -output side.png\n"
      "-quietzones\n"
      "1 adds each symbology's standard quiet zone where its drawing lacks it (Code 39: 10 modules each side);\n"
      "background like -margin, and added to it.\n"
      "Example: KestrovaBarCode -type Code-39 -data PART-42 -quietzones 1 -coltrans 1 -action svgf -output part.svg\n"
      "\n"
      "-showtext\n"
      "0 draws no human-readable text; MSI, Telepen and Pharmacode then lose the room of their text line.\n"
      "Example: KestrovaBarCode -type Code-128 -data 'Label 42' -showtext 0 -action svgf -output bare.svg\n"
      "\n"
      "-output -\n"
      "Sends the file to standard output, the same bytes; not with clip, -batch or -csv.\n"
      "Example: KestrovaBarCode -type EAN-13 -data 590123412345 -action pngf -output - > label.png\n"
      "\n"
      "--help, -h\n"
      "Print this text and exit.\n"
      "\n"
      "--version\n"
      "Print the name and version and exit.\n"
      "\n";
  return text;
}

std::string_view VersionText() { return "KestrovaBarCode 3.7.0\n"; }

const std::string& UsageText() {
  static const std::string text = BuildUsage();
  return text;
}

}  // namespace kbc
