#include "support/decoders.h"

#include <sstream>

#include "support/process.h"

namespace kbc::test {
namespace {

std::string Run(const std::vector<std::string>& args, const std::string& output, std::string* log) {
  const ProcessResult result = RunProgram(args);
  if (log != nullptr) *log += result.err;
  return result.status == 0 ? output : std::string();
}

// ZXingReader prints the bytes as hexadecimal pairs separated by spaces.
std::string HexToBytes(const std::string& hex) {
  std::string bytes;
  std::istringstream pairs(hex);
  for (unsigned value = 0; pairs >> std::hex >> value;) bytes.push_back(char(value));
  return bytes;
}

std::string ValueAfter(const std::string& line, const std::string& key) {
  std::string value = line.substr(key.size());
  const auto first = value.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : value.substr(first);
}

std::string Attribute(const std::string& element, const std::string& name) {
  const auto at = element.find(name + "='");
  if (at == std::string::npos) return {};
  const auto start = at + name.size() + 2;
  return element.substr(start, element.find('\'', start) - start);
}

}  // namespace

std::string Rasterise(const std::string& path, std::string* log) {
  const std::string kind = path.substr(path.rfind('.'), 4), png = path + ".png";
  if (kind == ".svg") return Run({"rsvg-convert", "-b", "white", "-z", "4", "-o", png, path}, png, log);
  if (kind == ".eps") {
    return Run({"gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-dEPSCrop", "-sDEVICE=png16m", "-r288",
                "-sOutputFile=" + png, path},
               png, log);
  }
  if (kind == ".pdf") return Run({"pdftoppm", "-r", "288", "-png", "-singlefile", path, path}, png, log);
  return EnlargeBitmap(path, 400, log);
}

std::string EnlargeBitmap(const std::string& imagePath, int percent, std::string* log, bool smooth) {
  const std::string png = imagePath + (smooth ? ".smooth.png" : ".large.png"), size = std::to_string(percent) + "%";
  std::vector<std::string> args{"convert", imagePath, "-background", "white", "-flatten"};
  if (smooth) args.insert(args.end(), {"-filter", "triangle", "-resize", size});
  if (!smooth) args.insert(args.end(), {"-scale", size});
  args.insert(args.end(), {"-bordercolor", "white", "-border", "40", png});
  return Run(args, png, log);
}

std::vector<Decoded> ZxingRead(const std::string& imagePath, const std::vector<std::string>& options) {
  std::vector<std::string> args{"ZXingReader", "-noscale"};
  args.insert(args.end(), options.begin(), options.end());
  args.push_back(imagePath);
  const ProcessResult result = RunProgram(args);
  std::vector<Decoded> found;
  std::istringstream lines(result.out);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("Text:")) {
      std::string text = ValueAfter(line, "Text:");
      if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
      found.emplace_back().text = text;
    } else if (found.empty()) {
      continue;
    } else if (line.starts_with("Bytes:")) {
      found.back().bytes = HexToBytes(ValueAfter(line, "Bytes:"));
    } else if (line.starts_with("Format:")) {
      found.back().format = ValueAfter(line, "Format:");
    } else if (line.starts_with("Identifier:")) {
      found.back().identifier = ValueAfter(line, "Identifier:");
    } else if (line.starts_with("EC Level:")) {
      found.back().ecLevel = ValueAfter(line, "EC Level:");
    } else if (line.starts_with("HasECI:")) {
      found.back().hasEci = ValueAfter(line, "HasECI:") == "true";
    } else if (line.starts_with("Error:")) {
      found.pop_back();
    }
  }
  return found;
}

std::vector<Decoded> ZbarRead(const std::string& imagePath) {
  const ProcessResult result =
      RunProgram({"zbarimg", "-q", "--xml", "-Senable", "-Sean2.enable", "-Sean5.enable", "-Sisbn13.enable",
                  "-Supca.enable", "-Supce.enable", "-Si25.min-length=2", imagePath});
  std::vector<Decoded> found;
  const std::string& xml = result.out;
  for (auto at = xml.find("<symbol "); at != std::string::npos; at = xml.find("<symbol ", at + 1)) {
    const auto close = xml.find("</symbol>", at);
    const std::string element = xml.substr(at, close - at);
    const auto cdata = element.find("<![CDATA[", element.find("<data"));
    const auto cdataEnd = element.find("]]>", cdata);
    Decoded& decoded = found.emplace_back();
    decoded.format = Attribute(element, "type");
    if (cdata != std::string::npos && cdataEnd != std::string::npos) {
      decoded.text = decoded.bytes = element.substr(cdata + 9, cdataEnd - cdata - 9);
    }
  }
  return found;
}

std::string Describe(const std::vector<Decoded>& results) {
  std::string text = std::to_string(results.size()) + " result(s):";
  for (const Decoded& d : results) text += " [" + d.format + " " + d.identifier + " \"" + d.text + "\"]";
  return text;
}

}  // namespace kbc::test
