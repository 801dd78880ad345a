#pragma once

#include "EditControl.h"

// A text field that takes digits only.
class CEditNumberControl : public CEditControl
{
public:
    using CEditControl::CEditControl;

protected:
    DWORD ExtraStyle() const override { return ES_NUMBER; }
};
