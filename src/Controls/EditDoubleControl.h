#pragma once

#include "EditControl.h"

// A field for a decimal number with at most two decimals; Ctrl+V types the clipboard's text
// character by character, so that pasted text passes the same filter.
class CEditDoubleControl : public CEditControl
{
public:
    using CEditControl::CEditControl;

    void OnChar(UINT ch, UINT repeat, UINT flags) override;

private:
    bool Admissible(const std::u16string& candidate) const;
};
