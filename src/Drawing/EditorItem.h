#pragma once

#include "WinDefs.h"

#include <string>

class CDC;

// One row of a property form: a caption and what it shows. x is always 0; a hidden row has no height.
class CEditorItem
{
public:
    CEditorItem(std::u16string caption, int id);
    virtual ~CEditorItem() = default;
    CEditorItem(const CEditorItem&) = delete;
    CEditorItem& operator=(const CEditorItem&) = delete;

    virtual void Measure() = 0;
    virtual void Draw(CDC* dc) = 0;
    virtual void Relayout();
    virtual int GetHeight() const { return m_height; }
    virtual int GetTop() const { return m_y; }
    virtual void SetWidth(int width);
    virtual void SetTop(int y) { m_y = y; }
    virtual bool IsFocusable() const { return false; }
    virtual void SetFocus(bool) {}
    virtual void SetHidden(bool hidden);
    virtual bool IsHidden() const { return m_hidden; }
    virtual bool OnKey(UINT, UINT) { return false; }
    virtual bool OnMouse(UINT, int, int, UINT) { return false; }
    virtual std::u16string GetValue() const { return {}; }

    const std::u16string& Caption() const { return m_caption; }
    int Id() const { return m_id; }
    int Width() const { return m_width; }

protected:
    // Lines of the caption, split at line feeds.
    int CaptionLines() const;

    std::u16string m_caption;
    int m_id;
    int m_width = 0;
    int m_height = 0;
    int m_x = 0;
    int m_y = 0;

private:
    bool m_hidden = false;
};
