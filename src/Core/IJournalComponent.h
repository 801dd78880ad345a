#pragma once

#include "HousingRecord.h"

#include <cstdint>
#include <string>
#include <vector>

class IJournalView;
struct PointData;
struct FamilyData;
struct InspectData;

class IJournalComponent
{
public:
    // The captions of the journal views, in list order.
    virtual std::vector<std::u16string> GetViewNames() = 0;
    // The first view whose caption is exactly caption, or null.
    virtual IJournalView* FindView(const std::u16string& caption) = 0;

    // The hives: each change is stored first, then the hive store follows and event 5 fires. An
    // add returns the new key, the others whether the database took the change; 0 means refused.
    virtual std::int32_t AddHousing(const HousingRecord& housing) = 0;
    virtual bool ChangeHousing(std::int32_t idHousing, const HousingRecord& housing) = 0;
    virtual bool DeleteHousing(std::int32_t idHousing) = 0;
    // Colony 0 releases the hive.
    virtual bool MoveHousing(std::int32_t idHousing, std::int32_t idFamily) = 0;

    // The type dictionaries: an add returns the new key or -1, a delete whether it was stored.
    virtual std::int32_t AddHousingType(const std::u16string& name) = 0;
    virtual bool DeleteHousingType(std::int32_t idType) = 0;
    virtual std::int32_t AddFrameType(const std::u16string& name) = 0;
    virtual bool DeleteFrameType(std::int32_t idType) = 0;

    // What the forms save through. An add gives back the new key, a change whether it was stored;
    // 0 or false means the database refused it and nothing changed.
    virtual std::int32_t AddPoint(PointData& point) = 0;
    virtual bool ChangePoint(PointData& point) = 0;
    virtual std::int32_t AddFamily(FamilyData& family) = 0;
    virtual bool UpdateFamily(FamilyData& family) = 0;
    virtual std::int32_t AddInspect(InspectData& inspect) = 0;
    virtual bool UpdateInspect(InspectData& inspect) = 0;

protected:
    virtual ~IJournalComponent() = default;
};
