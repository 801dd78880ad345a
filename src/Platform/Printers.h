#pragma once

#include <string>
#include <vector>

// The printers the print system knows (through CUPS here), and the default one (empty when
// there is none).
std::vector<std::u16string> EnumPrinterNames();
std::u16string GetDefaultPrinterName();
