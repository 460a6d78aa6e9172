// GS1 QR Code and GS1 Data Matrix: element strings encoded with FNC1 in first
// position and GS (0x1D) after each variable-length field that is not last.
#pragma once

#include <optional>
#include <string_view>

#include "matrix/data_matrix.h"
#include "matrix/matrix_frame.h"
#include "matrix/qr_code.h"

namespace kbc {

// The symbols of AIs and data joined by GS; nothing when no symbol holds them.
std::optional<QrSymbol> EncodeGs1QrSymbol(std::string_view joined);
std::optional<DataMatrixSymbol> EncodeGs1DataMatrix(std::string_view joined);

// Size and modules of an element string as typed; 0 × 0 and no modules when it
// is not valid GS1 data or too long.
MatrixSize Gs1QrSize(std::u32string_view elementString);
void Gs1QrModules(std::u32string_view elementString, ModuleString& out);
MatrixSize Gs1DataMatrixSize(std::u32string_view elementString);
void Gs1DataMatrixModules(std::u32string_view elementString, ModuleString& out);

}  // namespace kbc
