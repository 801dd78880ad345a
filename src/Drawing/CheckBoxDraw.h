#pragma once

#include "DrawControl.h"

// A check mark: value "+" when checked, "-" otherwise.
class CCheckBoxDraw : public CDrawControl
{
public:
    CCheckBoxDraw(const std::u16string& text, CEditorItem* item);

    void Measure() override {}
    void DrawFocused(CDC* dc) override;
    void DrawNormal(CDC* dc) override;
    bool OnMouse(UINT message, int x, int y, UINT flags) override;
    std::u16string GetValue() const override;

    void Toggle() { m_checked = !m_checked; }
    bool IsChecked() const { return m_checked; }

private:
    bool m_checked;
};
