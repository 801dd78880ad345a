#pragma once

#include "EditorItem.h"

#include <memory>

class CButtonDraw;
class CFont;
class IDrawer;

// A section title of a form, underlined, with an optional push button at the right that makes
// the drawer post the notify message with the section's id.
class CSectionItem : public CEditorItem
{
public:
    CSectionItem(std::u16string caption, int id, IDrawer* drawer);
    ~CSectionItem() override;

    void AddButton(const std::u16string& caption);

    void Measure() override;
    void Draw(CDC* dc) override;
    void SetTop(int y) override;
    bool IsFocusable() const override { return m_button != nullptr; }
    void SetFocus(bool focused) override;
    bool OnKey(UINT key, UINT flags) override;
    bool OnMouse(UINT message, int x, int y, UINT flags) override;
    CButtonDraw* Button() const { return m_button.get(); }

private:
    std::unique_ptr<CFont> m_font;
    IDrawer* m_drawer;
    std::unique_ptr<CButtonDraw> m_button;
};
