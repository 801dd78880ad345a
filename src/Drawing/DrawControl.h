#pragma once

#include "KeyProcess.h"
#include "Rect.h"

#include <memory>
#include <string>
#include <vector>

class CDC;
class CEditorItem;

// A painted value control of a property form: owns its text, paints itself focused or normal and
// edits itself from keys (through its command objects, tried in order) and mouse messages.
class CDrawControl
{
public:
    // `item` is asked to lay out again when the control's size may have changed; it may be null.
    CDrawControl(std::u16string text, CEditorItem* item);
    virtual ~CDrawControl();
    CDrawControl(const CDrawControl&) = delete;
    CDrawControl& operator=(const CDrawControl&) = delete;

    virtual void Measure() = 0;
    virtual void DrawFocused(CDC* dc) = 0;
    virtual void DrawNormal(CDC* dc) = 0;
    virtual void SetPosition(int x, int y);
    virtual void SetWidth(int width);
    virtual void SetHeight(int height);
    virtual int GetHeight() const;
    virtual void Draw(CDC* dc);
    virtual bool OnKey(UINT key, UINT flags);
    virtual bool OnMouse(UINT message, int x, int y, UINT flags);
    virtual std::u16string GetValue() const;

    void SetFocus(bool focused) { m_focused = focused; }
    bool IsFocused() const { return m_focused; }
    const RECT& Rect() const { return m_rect; }

protected:
    void AddCommand(std::unique_ptr<CKeyProcess> command);
    // Lets the item re-measure its row, or the control itself when it has no item.
    void Relayout();
    bool Contains(int x, int y) const;

    RECT m_rect {};
    std::u16string m_text;
    CEditorItem* m_item;

private:
    bool m_focused = false;
    std::vector<std::unique_ptr<CKeyProcess>> m_commands;
};
