#include "Tr.h"

#include "LanguageManager.h"

std::u16string Tr(std::int32_t id)
{
    return GetLanguageManager()->GetString(id);
}
