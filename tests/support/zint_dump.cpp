#include "support/zint_dump.h"

#include <sstream>

#include "support/process.h"

namespace kbc::test {

std::vector<std::string> ZintModuleRows(const std::vector<std::string>& args) {
  std::vector<std::string> command = {"zint", "--dump"};
  command.insert(command.end(), args.begin(), args.end());
  const ProcessResult result = RunProgram(command);
  std::vector<std::string> rows;
  std::istringstream lines(result.out);
  for (std::string line; std::getline(lines, line);) {
    std::string row;
    for (const char c : line) {
      if (c == ' ') continue;
      const int value = std::stoi(std::string(1, c), nullptr, 16);
      for (int bit = 3; bit >= 0; --bit) row.push_back((value >> bit) & 1 ? '1' : '0');
    }
    if (!row.empty()) rows.push_back(row);
  }
  return rows;
}

std::string ElementsAsModules(std::span<const std::uint8_t> elements) {
  std::string modules;
  for (std::size_t i = 0; i < elements.size(); ++i) modules.append(elements[i], i % 2 == 0 ? '1' : '0');
  return modules;
}

std::vector<std::uint8_t> NarrowWideSequence(const std::string& modules) {
  std::vector<std::uint8_t> sequence;
  const std::size_t first = modules.find('1');
  const std::size_t last = modules.rfind('1');
  if (first == std::string::npos) return sequence;
  for (std::size_t i = first; i <= last;) {
    std::size_t end = i;
    while (end <= last && modules[end] == modules[i]) ++end;
    sequence.push_back(end - i == 1 ? 1 : 2);
    i = end;
  }
  return sequence;
}

}  // namespace kbc::test
