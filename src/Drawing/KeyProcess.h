#pragma once

#include "WinDefs.h"

class CDrawControl;

// Modifier bits of the flags a view hands with a key.
constexpr UINT KeyFlagShift = 1;
constexpr UINT KeyFlagAlt = 2;
constexpr UINT KeyFlagCtrl = 4;

// One key of a painted control: whether it is this command's key, and what it does to the control.
class CKeyProcess
{
public:
    explicit CKeyProcess(CDrawControl* target)
        : m_target(target)
    {
    }
    virtual ~CKeyProcess() = default;
    virtual bool Matches(UINT, UINT) { return false; }
    virtual bool Execute() { return false; }

protected:
    CDrawControl* Target() const { return m_target; }

private:
    CDrawControl* m_target;
};
