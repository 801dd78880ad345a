#include "JournalComponent.h"

#include "FamilyViewSettings.h"
#include "IJournalView.h"
#include "IVisualComponent.h"
#include "JournalHandlers.h"
#include "JournalSettings.h"
#include "JournalStores.h"
#include "JournalTreeView.h"
#include "JournalVisualComponent.h"
#include "FollowUpSettings.h"
#include "MiteThresholdSettings.h"
#include "PointViewSettings.h"
#include "RecordViewSettings.h"
#include "StringIds.h"

CJournalComponent::CJournalComponent(std::vector<PageFactory> pages)
    : CComponent(StringId::JournalName)
    , m_pages(std::move(pages))
{
}

CJournalComponent::~CJournalComponent()
{
    // The journal window hands its messages to the views, so it goes before them.
    if (IVisualComponent* visual = GetVisualComponent()) {
        if (auto* window = dynamic_cast<CWnd*>(visual->GetWindow()))
            window->DestroyWindow();
    }
}

void CJournalComponent::Create()
{
    LoadJournalStores(m_journal.get());
    AddView(std::make_unique<CJournalTreeView>(*this, m_pages));
    AddSetting(new CJournalSettings(this));
    AddSetting(new CPointViewSettings());
    AddSetting(new CFamilyViewSettings());
    AddSetting(new CRecordViewSettings());
    AddSetting(new CMiteThresholdSettings());
    AddSetting(new CFollowUpSettings());
    SetVisualComponent(new CJournalVisualComponent(*this));
}

std::vector<std::u16string> CJournalComponent::GetViewNames()
{
    std::vector<std::u16string> names;
    for (const auto& view : m_views)
        names.push_back(view->GetStyle()->GetName());
    return names;
}

IJournalView* CJournalComponent::FindView(const std::u16string& caption)
{
    for (const auto& view : m_views) {
        if (view->GetStyle()->GetName() == caption)
            return view.get();
    }
    return nullptr;
}

void CJournalComponent::AddView(std::unique_ptr<IJournalView> view)
{
    m_views.push_back(std::move(view));
}

std::int32_t CJournalComponent::AddPoint(PointData& point)
{
    return GetJournalHandlers()->sites.Add(point);
}

bool CJournalComponent::ChangePoint(PointData& point)
{
    return GetJournalHandlers()->sites.Change(point);
}

bool CJournalComponent::RenamePoint(std::int32_t idPoint, const std::u16string& name)
{
    return GetJournalHandlers()->sites.Rename(idPoint, name);
}

bool CJournalComponent::DeletePoint(std::int32_t idPoint)
{
    return GetJournalHandlers()->sites.Delete(idPoint);
}

std::int32_t CJournalComponent::AddFamily(FamilyData& family)
{
    return GetJournalHandlers()->colonies.Add(family);
}

bool CJournalComponent::UpdateFamily(FamilyData& family)
{
    return GetJournalHandlers()->colonies.Update(family);
}

bool CJournalComponent::RenameFamily(std::int32_t idFamily, const std::u16string& name)
{
    return GetJournalHandlers()->colonies.Rename(idFamily, name);
}

bool CJournalComponent::DeleteFamily(std::int32_t idFamily)
{
    return GetJournalHandlers()->colonies.Delete(idFamily);
}

std::int32_t CJournalComponent::AddHousing(const HousingRecord& housing)
{
    return GetJournalHandlers()->hives.Add(housing);
}

bool CJournalComponent::ChangeHousing(std::int32_t idHousing, const HousingRecord& housing)
{
    return GetJournalHandlers()->hives.Change(idHousing, housing);
}

bool CJournalComponent::DeleteHousing(std::int32_t idHousing)
{
    return GetJournalHandlers()->hives.Delete(idHousing);
}

bool CJournalComponent::MoveHousing(std::int32_t idHousing, std::int32_t idFamily)
{
    return GetJournalHandlers()->hives.Move(idHousing, idFamily);
}

std::int32_t CJournalComponent::AddHousingType(const std::u16string& name)
{
    return GetJournalHandlers()->hiveTypes.AddHousingType(name);
}

bool CJournalComponent::DeleteHousingType(std::int32_t idType)
{
    return GetJournalHandlers()->hiveTypes.DeleteHousingType(idType);
}

std::int32_t CJournalComponent::AddFrameType(const std::u16string& name)
{
    return GetJournalHandlers()->hiveTypes.AddFrameType(name);
}

bool CJournalComponent::DeleteFrameType(std::int32_t idType)
{
    return GetJournalHandlers()->hiveTypes.DeleteFrameType(idType);
}

std::int32_t CJournalComponent::AddInspect(InspectData& inspect)
{
    return GetJournalHandlers()->records.Add(inspect);
}

bool CJournalComponent::UpdateInspect(InspectData& inspect)
{
    return GetJournalHandlers()->records.Update(inspect);
}

bool CJournalComponent::DeleteInspect(std::int32_t idJournal)
{
    return GetJournalHandlers()->records.Delete(idJournal);
}
