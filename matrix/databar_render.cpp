#include "matrix/databar_render.h"

#include "linear/gs1_element_string.h"
#include "matrix/databar.h"
#include "matrix/matrix_frame.h"

namespace kbc {
namespace {

template <DataBarKind kind>
MatrixSize Size(std::u32string_view data) {
  return DataBarSize(kind, data);
}

template <DataBarKind kind>
void Modules(std::u32string_view data, ModuleString& out) {
  DataBarModuleString(kind, data, out);
}

// Every pixel row is a row of the module string, so a module is one unit square.
template <DataBarKind kind>
constexpr MatrixSymbology kDataBarSymbology{1, 1, false, Size<kind>, Modules<kind>};

}  // namespace

void RenderDataBarOmnidirectional(DrawingTarget* target, const BarcodeSettings& settings) {
  RenderMatrixSymbol(target, settings, kDataBarSymbology<DataBarKind::kOmnidirectional>);
}

void RenderDataBarTruncated(DrawingTarget* target, const BarcodeSettings& settings) {
  RenderMatrixSymbol(target, settings, kDataBarSymbology<DataBarKind::kTruncated>);
}

void RenderDataBarStacked(DrawingTarget* target, const BarcodeSettings& settings) {
  RenderMatrixSymbol(target, settings, kDataBarSymbology<DataBarKind::kStacked>);
}

void RenderDataBarStackedOmnidirectional(DrawingTarget* target, const BarcodeSettings& settings) {
  RenderMatrixSymbol(target, settings, kDataBarSymbology<DataBarKind::kStackedOmnidirectional>);
}

void RenderDataBarLimited(DrawingTarget* target, const BarcodeSettings& settings) {
  RenderMatrixSymbol(target, settings, kDataBarSymbology<DataBarKind::kLimited>);
}

void RenderDataBarExpanded(DrawingTarget* target, const BarcodeSettings& settings) {
  if (settings.gs1 == 1) {
    BarcodeSettings bare = settings;
    bare.data = Gs1DataBarData(ParseGs1ElementString(settings.data).fields);
    return RenderMatrixSymbol(target, bare, kDataBarSymbology<DataBarKind::kExpanded>);
  }
  RenderMatrixSymbol(target, settings, kDataBarSymbology<DataBarKind::kExpanded>);
}

}  // namespace kbc
