#pragma once

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

protected:
    virtual ~IJournalComponent() = default;
};
