#pragma once

#include "DrawControl.h"
#include "EditorItem.h"

#include <memory>

// Kinds of value control of a form row.
enum EditControlType
{
    EditWholeNumber = 0,
    EditDecimalNumber = 1,
    EditText = 2,
    EditCheckMark = 3,
    EditDate = 4,
    EditList = 5,
};

// The control type that shows a user field of a field type (2 whole, 3 decimal, 4 yes/no,
// 5 date, anything else text).
int ControlTypeOfUserField(int fieldType);

// A caption on a golden cell in the left half and a value control in the right half.
class CEditItem : public CEditorItem
{
public:
    // Any type without a control of its own gives a text control.
    CEditItem(std::u16string caption, int id, int controlType, const std::u16string& value);
    ~CEditItem() override;

    void Measure() override;
    void Draw(CDC* dc) override;
    bool IsFocusable() const override { return true; }
    void SetFocus(bool focused) override;
    bool OnKey(UINT key, UINT flags) override;
    bool OnMouse(UINT message, int x, int y, UINT flags) override;
    std::u16string GetValue() const override;

    int ControlType() const { return m_controlType; }
    CDrawControl* Control() const { return m_control.get(); }

protected:
    // For lists, which fill their control after construction.
    CEditItem(std::u16string caption, int id, std::unique_ptr<CDrawControl> control, int controlType);
    void SetControl(std::unique_ptr<CDrawControl> control) { m_control = std::move(control); }

private:
    int m_controlType;
    std::unique_ptr<CDrawControl> m_control;
    int m_captionWidth = 0;
    int m_captionHeight = 0;
};
