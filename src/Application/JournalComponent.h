#pragma once

#include "Component.h"
#include "DatabaseManager.h"
#include "HousingCache.h"
#include "IJournalComponent.h"
#include "JournalData.h"
#include "JournalPages.h"

#include <memory>

// The journal: its stores, its views and its settings pages. The changes the views ask for go to
// the journal's handlers (JournalHandlers.h).
class CJournalComponent : public CComponent, public IJournalComponent
{
public:
    // The pages every journal view shows, in registry order.
    explicit CJournalComponent(std::vector<PageFactory> pages = JournalPageFactories());
    ~CJournalComponent() override;

    void Create() override;
    std::vector<std::u16string> GetViewNames() override;
    IJournalView* FindView(const std::u16string& caption) override;

    // Each returns the new key, or 0 when the database refused the change. A key of 0 names no
    // row: the call returns false (0), changes nothing and fires nothing.
    std::int32_t AddPoint(PointData& point) override;
    bool ChangePoint(PointData& point) override;
    bool RenamePoint(std::int32_t idPoint, const std::u16string& name) override;
    bool DeletePoint(std::int32_t idPoint) override;

    std::int32_t AddFamily(FamilyData& family) override;
    bool UpdateFamily(FamilyData& family) override;
    bool RenameFamily(std::int32_t idFamily, const std::u16string& name) override;
    bool DeleteFamily(std::int32_t idFamily) override;

    std::int32_t AddHousing(const HousingRecord& housing) override;
    bool ChangeHousing(std::int32_t idHousing, const HousingRecord& housing) override;
    bool DeleteHousing(std::int32_t idHousing) override;
    bool MoveHousing(std::int32_t idHousing, std::int32_t idFamily) override;

    // The hive type and frame type dictionaries.
    std::int32_t AddHousingType(const std::u16string& name) override;
    bool DeleteHousingType(std::int32_t idType) override;
    std::int32_t AddFrameType(const std::u16string& name) override;
    bool DeleteFrameType(std::int32_t idType) override;

    std::int32_t AddInspect(InspectData& inspect) override;
    bool UpdateInspect(InspectData& inspect) override;
    bool DeleteInspect(std::int32_t idJournal) override;

    // Adds one view; the component owns it.
    void AddView(std::unique_ptr<IJournalView> view);

private:
    std::vector<PageFactory> m_pages;
    // One use of the journal's connection for the component's life: the handlers find it open,
    // with SQLite's page cache warm, instead of opening the file for every change.
    CDatabaseLease m_journal;
    std::vector<std::unique_ptr<IJournalView>> m_views;
};
