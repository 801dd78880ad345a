#pragma once

#include "Wnd.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class IControl;
class ISetting;

// The form of the page shown: one control per entry of the page, the values the user changes
// going straight to the page.
class CContentSettings : public CWnd
{
public:
    // `changed` hears of every accepted change; `focusOut` when Tab leaves the last control.
    CContentSettings(std::function<void()> changed, std::function<void()> focusOut);
    ~CContentSettings() override;

    BOOL Create(const RECT& rect, CWnd* parent, UINT id);
    // Builds the form of the page of that caption (an unknown caption leaves it empty).
    void ShowPage(const std::u16string& caption);
    // Every control shows the page's saved value again.
    void ShowSavedValues();
    // Whether every control accepts its value.
    bool ValidateAll();
    // Focuses the first control that takes the focus; false when none does.
    bool FocusFirst();
    const std::vector<std::unique_ptr<IControl>>& Controls() const { return m_controls; }
    ISetting* Page() const { return m_page; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnDestroy() override;

    static constexpr UINT FirstControlId = 8210;
    static constexpr UINT ControlIdStep = 16;

private:
    IControl* ControlOf(UINT id) const;
    IControl* ControlNamed(const std::u16string& name) const;
    void FocusAfter(IControl* control);

    std::function<void()> m_changed;
    std::function<void()> m_focusOut;
    std::vector<std::unique_ptr<IControl>> m_controls;
    std::u16string m_caption;
    ISetting* m_page = nullptr;
};
