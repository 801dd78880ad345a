#pragma once

#include "EditDraw.h"

// A whole number of at most 9 digits without a leading zero; an emptied field shows 0. A digit
// that would make the number longer is refused, and the beekeeper told so.
class CNumberEditDraw : public CEditDraw
{
public:
    CNumberEditDraw(const std::u16string& text, CEditorItem* item);

    void DeleteRange(int from, int to) override;
    void DeleteChar(int index) override;
    bool IsValidChar(char16_t ch) const override;
    void InsertChar(char16_t ch) override;

private:
    // Whether a deletion leaving `remaining` may go ahead; otherwise the field is set to 0.
    bool KeepsANumber(const std::u16string& remaining);
    void TellTooLong();

    bool m_toldTooLong = false;
};
