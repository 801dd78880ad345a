#pragma once

#include "CommonEdit.h"
#include "Control.h"
#include "IValidate.h"

#include <memory>
#include <vector>

// A text field. With "SymbolValid" or "ValueValid" properties a typed character stays only when
// one of their validators accepts the text it would make.
class CEditControl : public CControl, public CCommonEdit
{
public:
    CEditControl(std::u16string name, std::u16string value, ControlProperties properties);

    void SetValue(const std::u16string& value) override;
    bool IsEnabled() override { return IsWindowEnabled() != FALSE; }
    void SetFocus() override { CWnd::SetFocus(); }
    BOOL Create(int x, int y, int width, int height, int style, const std::u16string& caption, CWnd* parent,
        UINT id) override;
    CWnd& Window() override { return *this; }

    void OnChar(UINT ch, UINT repeat, UINT flags) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;

protected:
    virtual DWORD ExtraStyle() const { return 0; }
    // The window text with the selection replaced by the character.
    std::u16string Candidate(char16_t ch) const;

private:
    void Apply(UINT ch, UINT repeat, UINT flags);

    std::vector<std::unique_ptr<IValidate>> m_validators;
};
