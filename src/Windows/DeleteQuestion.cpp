#include "DeleteQuestion.h"

#include "JournalCache.h"
#include "JournalCodes.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

namespace {
std::u16string Fill(std::u16string text, std::size_t first, std::size_t second = 0)
{
    text = ReplaceAll(std::move(text), u"%1", IntToText(static_cast<std::int64_t>(first)));
    return ReplaceAll(std::move(text), u"%2", IntToText(static_cast<std::int64_t>(second)));
}

std::u16string Named(std::int32_t title, const std::u16string& name)
{
    return ReplaceAll(ReplaceAll(Tr(StringId::DeleteNamedQuestion), u"%1", Tr(title)), u"%2", name);
}

std::size_t RecordsOf(std::int32_t idFamily)
{
    return GetJournalCache()->RecordsOf(idFamily).size();
}

// What goes with a site: its colonies and their records.
std::u16string SiteLoss(std::int32_t idPoint)
{
    const std::vector<std::int32_t>& colonies = GetPointFamilyCache()->FamiliesOf(idPoint);
    std::size_t records = 0;
    for (const std::int32_t colony : colonies)
        records += RecordsOf(colony);
    return colonies.empty() ? std::u16string() : u"\n" + Fill(Tr(StringId::DeleteSiteGoesWith), colonies.size(), records);
}

std::u16string ColonyLoss(std::int32_t idFamily)
{
    const std::size_t records = RecordsOf(idFamily);
    return records == 0 ? std::u16string() : u"\n" + Fill(Tr(StringId::DeleteColonyGoesWith), records);
}
}

std::u16string DeleteQuestion(int action, std::int32_t id, const std::u16string& name)
{
    switch (action) {
    case ActionDeleteSite:
        return Named(StringId::DeletePoint, name) + SiteLoss(id);
    case ActionDeleteColony:
        return Named(StringId::DeleteFamily, name) + ColonyLoss(id);
    case ActionDeleteInspection:
        return Named(StringId::DeleteInspect, name);
    default:
        return Named(StringId::DeleteQueenBee, name);
    }
}

std::u16string DeleteHiveQuestion(const std::u16string& name)
{
    return Named(StringId::DeleteHousingTitle, name);
}
