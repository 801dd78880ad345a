#include "Printers.h"

#include "QtBridge.h"
#include "WinApp.h"

#include <QPrinterInfo>

std::vector<std::u16string> EnumPrinterNames()
{
    EnsureToolkit();
    std::vector<std::u16string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        names.push_back(FromQString(name));
    return names;
}

std::u16string GetDefaultPrinterName()
{
    EnsureToolkit();
    return FromQString(QPrinterInfo::defaultPrinterName());
}
