#include "support/decoders.h"

#include <cctype>

#include "support/process.h"

namespace kbc::test {
namespace {

std::string Run(const std::vector<std::string>& args, const std::string& output, std::string* log) {
  const ProcessResult result = RunProgram(args);
  if (log != nullptr) *log += result.err;
  return result.status == 0 ? output : std::string();
}

std::string HexToBytes(const std::string& hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size();) {
    if (!std::isxdigit(static_cast<unsigned char>(hex[i]))) {
      ++i;
      continue;
    }
    bytes.push_back(char(std::stoi(hex.substr(i, 2), nullptr, 16)));
    i += 2;
  }
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

std::string RasteriseSvg(const std::string& svgPath, std::string* log) {
  const std::string png = svgPath + ".png";
  return Run({"rsvg-convert", "-b", "white", "-z", "4", "-o", png, svgPath}, png, log);
}

std::string RasteriseEps(const std::string& epsPath, std::string* log) {
  const std::string png = epsPath + ".png";
  return Run({"gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-dEPSCrop", "-sDEVICE=png16m", "-r288",
              "-sOutputFile=" + png, epsPath},
             png, log);
}

std::string RasterisePdf(const std::string& pdfPath, std::string* log) {
  const std::string stem = pdfPath + ".page";
  return Run({"pdftoppm", "-r", "288", "-png", "-singlefile", pdfPath, stem}, stem + ".png", log);
}

std::string EnlargeBitmap(const std::string& imagePath, int percent, std::string* log) {
  const std::string png = imagePath + ".large.png";
  return Run({"convert", imagePath, "-background", "white", "-flatten", "-scale", std::to_string(percent) + "%",
              "-bordercolor", "white", "-border", "40", png},
             png, log);
}

std::string EnlargeSmoothly(const std::string& imagePath, int percent, std::string* log) {
  const std::string png = imagePath + ".smooth.png";
  return Run({"convert", imagePath, "-background", "white", "-flatten", "-filter", "triangle", "-resize",
              std::to_string(percent) + "%", "-bordercolor", "white", "-border", "40", png},
             png, log);
}

std::vector<Decoded> ZxingRead(const std::string& imagePath, const std::vector<std::string>& options) {
  std::vector<std::string> args{"ZXingReader", "-noscale"};
  args.insert(args.end(), options.begin(), options.end());
  args.push_back(imagePath);
  const ProcessResult result = RunProgram(args);
  std::vector<Decoded> found;
  std::size_t start = 0;
  while (start < result.out.size()) {
    auto end = result.out.find('\n', start);
    if (end == std::string::npos) end = result.out.size();
    const std::string line = result.out.substr(start, end - start);
    start = end + 1;
    if (line.starts_with("Text:")) {
      found.emplace_back();
      std::string text = ValueAfter(line, "Text:");
      if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
      found.back().text = text;
    } else if (found.empty()) {
      continue;
    } else if (line.starts_with("Bytes:")) {
      found.back().bytes = HexToBytes(ValueAfter(line, "Bytes:"));
    } else if (line.starts_with("Format:")) {
      found.back().format = ValueAfter(line, "Format:");
    } else if (line.starts_with("Identifier:")) {
      found.back().identifier = ValueAfter(line, "Identifier:");
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
    Decoded decoded;
    decoded.format = Attribute(element, "type");
    const auto dataStart = element.find("<data");
    const auto cdata = element.find("<![CDATA[", dataStart);
    const auto cdataEnd = element.find("]]>", cdata);
    if (cdata != std::string::npos && cdataEnd != std::string::npos) {
      decoded.text = element.substr(cdata + 9, cdataEnd - cdata - 9);
    }
    decoded.bytes = decoded.text;
    found.push_back(std::move(decoded));
  }
  return found;
}

std::string Describe(const std::vector<Decoded>& results) {
  std::string text = std::to_string(results.size()) + " result(s):";
  for (const Decoded& d : results) text += " [" + d.format + " " + d.identifier + " \"" + d.text + "\"]";
  return text;
}

}  // namespace kbc::test
