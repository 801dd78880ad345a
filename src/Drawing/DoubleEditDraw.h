#pragma once

#include "EditDraw.h"

// A decimal number with a point: one point at most, no leading zeros before digits, a point
// typed first gets a 0 before it; an emptied field shows 0.
class CDoubleEditDraw : public CEditDraw
{
public:
    CDoubleEditDraw(const std::u16string& text, CEditorItem* item);

    void DeleteRange(int from, int to) override;
    void DeleteChar(int index) override;
    bool IsValidChar(char16_t ch) const override;
    void InsertChar(char16_t ch) override;

private:
    void ReplaceSelection(char16_t ch, const std::u16string& candidate);
    // Makes a deletion that leaves `remaining`, keeping the text a number.
    void Delete(const std::u16string& remaining, bool single, int from, int to);
};
