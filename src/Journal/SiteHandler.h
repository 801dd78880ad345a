#pragma once

#include "JournalData.h"

#include <cstdint>
#include <string>

class CColonyHandler;

// The bee-yard sites: the only writer of "points" (with the sites' value groups). Removing a site
// removes its colonies through their handler, in the one transaction. The stores follow each
// committed change, then event 1 fires.
class CSiteHandler
{
public:
    explicit CSiteHandler(CColonyHandler& colonies);

    // The new key, or 0 when the database refused it.
    std::int32_t Add(PointData& point);
    bool Change(PointData& point);
    bool Rename(std::int32_t idPoint, const std::u16string& name);
    bool Delete(std::int32_t idPoint);

private:
    CColonyHandler& m_colonies;
};
