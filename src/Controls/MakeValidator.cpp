#include "MakeValidator.h"

#include "SimbolsValidate.h"
#include "ValueValidate.h"

std::unique_ptr<IValidate> MakeValidator(const std::u16string& key, const std::u16string& value)
{
    if (key == u"SymbolValid")
        return std::make_unique<CSimbolsValidate>(value);
    if (key == u"ValueValid")
        return std::make_unique<CValueValidate>(value);
    return nullptr;
}
