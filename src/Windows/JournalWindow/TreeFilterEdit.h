#pragma once

#include "Edit.h"

#include <functional>

// The box above the navigation tree that narrows it as one types. Escape, Down and Enter leave
// it: the key goes to the owner instead of the box.
class CTreeFilterEdit : public CEdit
{
public:
    explicit CTreeFilterEdit(std::function<void(UINT key)> onLeave);

    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;

private:
    std::function<void(UINT key)> m_onLeave;
};
