#pragma once

#include <string>
#include <vector>

// The printers the print system knows (through CUPS here), and the default one (empty when
// there is none).
std::vector<std::u16string> EnumPrinterNames();
std::u16string GetDefaultPrinterName();

// While installed, the two queries answer with these printers instead of the print system's,
// so that tests see the same printers on every machine.
class PrinterListOverride
{
public:
    PrinterListOverride(std::vector<std::u16string> names, std::u16string defaultName);
    ~PrinterListOverride();
    PrinterListOverride(const PrinterListOverride&) = delete;
    PrinterListOverride& operator=(const PrinterListOverride&) = delete;

    const std::vector<std::u16string>& Names() const { return m_names; }
    const std::u16string& DefaultName() const { return m_defaultName; }

private:
    std::vector<std::u16string> m_names;
    std::u16string m_defaultName;
    PrinterListOverride* m_previous;
};
