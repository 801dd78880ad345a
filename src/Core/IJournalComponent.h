#pragma once

#include <cstdint>
#include <string>
#include <vector>

class IJournalView;

class IJournalComponent
{
public:
    // The captions of the journal views, in list order.
    virtual std::vector<std::u16string> GetViewNames() = 0;
    // The first view whose caption is exactly caption, or null.
    virtual IJournalView* FindView(const std::u16string& caption) = 0;

    // The type dictionaries: an add returns the new key or -1, a delete whether it was stored.
    virtual std::int32_t AddHousingType(const std::u16string& name) = 0;
    virtual bool DeleteHousingType(std::int32_t idType) = 0;
    virtual std::int32_t AddFrameType(const std::u16string& name) = 0;
    virtual bool DeleteFrameType(std::int32_t idType) = 0;

protected:
    virtual ~IJournalComponent() = default;
};
