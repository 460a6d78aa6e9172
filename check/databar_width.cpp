#include "check/databar_width.h"

#include "matrix/databar.h"

namespace kbc {
namespace {

SymbolExtent DataBarExtent(std::u32string& data, DataBarKind kind) {
  NormaliseDataBarData(kind, data);
  const DataBarEncoding& encoding = DataBarEncoded(kind, data);
  if (!encoding.refusal.empty()) return SymbolExtent::Refused(encoding.refusal);
  const MatrixSize size = DataBarSize(kind, data);
  return {std::int64_t(size.columns), double(size.rows)};
}

}  // namespace

SymbolExtent DataBarOmnidirectionalExtent(std::u32string& d, std::u32string&) {
  return DataBarExtent(d, DataBarKind::kOmnidirectional);
}

SymbolExtent DataBarTruncatedExtent(std::u32string& d, std::u32string&) {
  return DataBarExtent(d, DataBarKind::kTruncated);
}

SymbolExtent DataBarStackedExtent(std::u32string& d, std::u32string&) {
  return DataBarExtent(d, DataBarKind::kStacked);
}

SymbolExtent DataBarStackedOmnidirectionalExtent(std::u32string& d, std::u32string&) {
  return DataBarExtent(d, DataBarKind::kStackedOmnidirectional);
}

SymbolExtent DataBarLimitedExtent(std::u32string& d, std::u32string&) {
  return DataBarExtent(d, DataBarKind::kLimited);
}

SymbolExtent DataBarExpandedExtent(std::u32string& d, std::u32string&) {
  return DataBarExtent(d, DataBarKind::kExpanded);
}

}  // namespace kbc
