#pragma once

#include "Control.h"
#include "Static.h"

// A label, drawn by itself: "type" "header" is a page title on the caption colour, "header_1" a
// bold sub-title. The entry's style only aligns the text (bit 1 right, bit 0 centre).
class CStaticControl : public CControl, public CStatic
{
public:
    CStaticControl(std::u16string name, std::u16string value, ControlProperties properties);

    void SetValue(const std::u16string& value) override;
    BOOL Create(int x, int y, int width, int height, int style, const std::u16string& caption, CWnd* parent,
        UINT id) override;
    CWnd& Window() override { return *this; }
    void DrawItem(DRAWITEMSTRUCT* item) override;

private:
    std::u16string m_type;
    int m_alignment = 0;
};
