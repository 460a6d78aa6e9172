#include "matrix/zint_symbols.h"

#include <optional>

#include "matrix/zint_library.h"
#include "text/mac_roman.h"
#include "text/utf8.h"

namespace kbc {
namespace {

bool IsDark(const zint_symbol& symbol, int row, int column) {
  return (symbol.encoded_data[row][column >> 3] >> (column & 7)) & 1;
}

// The library's human-readable text, which it writes as UTF-8.
std::u32string HumanReadable(const zint_symbol& symbol) {
  return FromUtf8(reinterpret_cast<const char*>(symbol.text));
}

EncodedSymbol FromGrid(ModuleGrid grid) {
  EncodedSymbol encoded;
  encoded.width = std::int64_t(double(grid.columns) * grid.moduleWidth);
  double height = 0;
  for (std::size_t row = 0; row < grid.rows; ++row) {
    height += row < grid.rowHeights.size() ? grid.rowHeights[row] : grid.moduleHeight;
  }
  encoded.height = height;
  encoded.grid = std::move(grid);
  return encoded;
}

}  // namespace

ModuleGrid ZintModuleGrid(const zint_symbol& symbol, double moduleUnits) {
  ModuleGrid grid;
  grid.columns = std::size_t(symbol.width);
  grid.rows = std::size_t(symbol.rows);
  grid.moduleWidth = moduleUnits;
  grid.moduleHeight = moduleUnits;
  for (int row = 0; row < symbol.rows; ++row) grid.modules += ZintRow(symbol, row, grid.columns);
  return grid;
}

ModuleGrid ZintStackedRows(const zint_symbol& symbol, double moduleUnits, double rowUnits) {
  ModuleGrid grid = ZintModuleGrid(symbol, moduleUnits);
  grid.moduleHeight = rowUnits;
  return grid;
}

ModuleGrid ZintBoundRows(const zint_symbol& symbol, double rowUnits, const ZintBinding& binding) {
  const std::size_t width = std::size_t(symbol.width);
  const std::string lead(std::size_t(binding.leadingLight), '0');
  const std::string trail(std::size_t(binding.trailingLight), '0');
  const std::string dark(width, '1');
  ModuleGrid grid;
  grid.columns = lead.size() + width + trail.size();
  const auto add = [&](const std::string& modules, double height) {
    grid.modules += modules;
    grid.rowHeights.push_back(height);
  };
  const std::string edge = binding.edgesOverLight ? std::string(grid.columns, '1') : lead + dark + trail;
  add(edge, 1);
  for (int row = 0; row < symbol.rows; ++row) {
    const std::string bars = ZintRow(symbol, row, width);
    if (row > 0) {
      // The start and stop characters the separator leaves open run on through it.
      std::string separator = dark;
      const std::size_t start = std::size_t(binding.separatorStart);
      const std::size_t end = width - std::size_t(binding.separatorEnd);
      separator.replace(0, start, bars, 0, start);
      separator.replace(end, width - end, bars, end, width - end);
      add(lead + separator + trail, 1);
    }
    add(lead + bars + trail, rowUnits);
  }
  add(edge, 1);
  grid.rows = grid.rowHeights.size();
  return grid;
}

std::vector<std::uint8_t> ZintBarElements(const zint_symbol& symbol) {
  // Runs of the one row, a bar first; runs longer than an element can hold do
  // not occur in any linear symbology.
  std::vector<std::uint8_t> elements;
  bool dark = true;
  int run = 0;
  for (int column = 0; column < symbol.width; ++column) {
    if (IsDark(symbol, 0, column) == dark) {
      ++run;
      continue;
    }
    elements.push_back(std::uint8_t(run));
    dark = !dark;
    run = 1;
  }
  if (run > 0) elements.push_back(std::uint8_t(run));
  return elements;
}

std::string ZintBarStates(const zint_symbol& symbol) {
  // Bars stand on the even columns: the top row is the ascender, the bottom row
  // the descender, and a middle row (the four-state codes) the tracker.
  std::string states;
  const int bottom = symbol.rows - 1;
  for (int column = 0; column < symbol.width; column += 2) {
    const bool up = IsDark(symbol, 0, column);
    const bool down = IsDark(symbol, bottom, column);
    states.push_back(up && down ? 'F' : up ? 'A' : down ? 'D' : 'T');
  }
  return states;
}

Result<EncodedSymbol> EncodeThroughZint(const ZintRequest& request, std::u32string_view data,
                                        std::string_view primary) {
  const std::string name(request.name);
  if (!Zint().usable) return Refusal(name + " needs libzint, which could not be opened");
  const ZintSymbolHandle symbol(Zint().create());
  if (!symbol) return Refusal(name + " could not be encoded (out of memory)");
  symbol->symbology = request.symbology;
  symbol->option_1 = request.option1;
  symbol->option_2 = request.option2;
  symbol->option_3 = request.option3;
  if (primary.size() >= sizeof symbol->primary) return Refusal(name + " carrier message is too long");
  primary.copy(symbol->primary, primary.size());
  symbol->primary[primary.size()] = '\0';
  std::string input;
  if (request.input == ZintInput::MacRomanBytes) {
    std::optional<std::string> bytes = EncodeMacRoman(data);
    if (!bytes) return Refusal(name + " data must be Mac OS Roman text");
    input = std::move(*bytes);
    symbol->input_mode = DATA_MODE;
  } else {
    input = ToUtf8(data);
    symbol->input_mode = UNICODE_MODE;
  }
  const int status =
      Zint().encode(symbol.get(), reinterpret_cast<const unsigned char*>(input.data()), int(input.size()));
  if (status >= ZINT_ERROR) return Refusal(name + " cannot encode this data: " + ZintMessage(*symbol));
  // The library only warns when the data does not fit a size asked for and
  // makes another; the user asked for that size, so drawing another is wrong.
  if (status == ZINT_WARN_INVALID_OPTION) return Refusal(name + " cannot be made as asked: " + ZintMessage(*symbol));
  if (symbol->width <= 0 || symbol->rows <= 0) return Refusal(name + " could not be encoded");

  EncodedSymbol encoded;
  switch (request.shape) {
    case ZintShape::Grid:
      encoded = FromGrid(ZintModuleGrid(*symbol, request.moduleUnits));
      break;
    case ZintShape::Stacked:
      encoded = FromGrid(ZintStackedRows(*symbol, request.moduleUnits, request.rowUnits));
      break;
    case ZintShape::BoundRows:
      encoded = FromGrid(ZintBoundRows(*symbol, request.rowUnits, request.binding));
      break;
    case ZintShape::Bars:
      encoded.elements = ZintBarElements(*symbol);
      encoded.width = symbol->width;
      encoded.text = HumanReadable(*symbol);
      encoded.textRoom = 13;  // the text line below the bars
      break;
    case ZintShape::BarStates: {
      const std::string states = ZintBarStates(*symbol);
      encoded.elements.assign(states.begin(), states.end());
      encoded.variant = symbol->rows;
      break;
    }
  }
  encoded.encoded = data;
  return encoded;
}

}  // namespace kbc
