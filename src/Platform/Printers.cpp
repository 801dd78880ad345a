#include "Printers.h"

#include "QtBridge.h"
#include "WinApp.h"

#include <QPrinterInfo>

namespace {
PrinterListOverride* g_override = nullptr;
}

std::vector<std::u16string> EnumPrinterNames()
{
    if (g_override)
        return g_override->Names();
    EnsureToolkit();
    std::vector<std::u16string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        names.push_back(FromQString(name));
    return names;
}

std::u16string GetDefaultPrinterName()
{
    if (g_override)
        return g_override->DefaultName();
    EnsureToolkit();
    return FromQString(QPrinterInfo::defaultPrinterName());
}

PrinterListOverride::PrinterListOverride(std::vector<std::u16string> names, std::u16string defaultName)
    : m_names(std::move(names))
    , m_defaultName(std::move(defaultName))
    , m_previous(g_override)
{
    g_override = this;
}

PrinterListOverride::~PrinterListOverride()
{
    g_override = m_previous;
}
