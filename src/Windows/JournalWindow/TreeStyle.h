#pragma once

#include "IJournalView.h"

// The style of the view with the navigation tree.
class CTreeStyle : public IJournalStyle
{
public:
    std::u16string GetName() override;
    std::int32_t GetNameId() override;
};
