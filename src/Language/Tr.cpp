#include "Tr.h"

#include "LanguageManager.h"
#include "Text.h"

std::u16string Tr(std::int32_t id)
{
    return GetLanguageManager()->GetString(id);
}

std::u16string TrFilled(std::int32_t id, const std::vector<std::u16string>& values)
{
    std::u16string text = Tr(id);
    for (std::size_t index = 0; index < values.size(); ++index)
        text = ReplaceAll(std::move(text), u"%" + IntToText(static_cast<std::int64_t>(index + 1)), values[index]);
    return text;
}
