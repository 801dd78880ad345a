#pragma once

#include "IVisualComponent.h"
#include "PictureButton.h"

#include <functional>
#include <memory>

class CWnd;

// A visual component whose launcher button is a picture button on the main window and whose
// window is made by the derived class.
class CVisualComponent : public IVisualComponent
{
public:
    struct ButtonLook
    {
        int bitmap;
        int captionId;
        int layout;
        UINT id;
        // The button's rectangle for the main window's client width.
        std::function<RECT(int clientWidth)> place;
    };

    explicit CVisualComponent(ButtonLook look);
    ~CVisualComponent() override;

    void Release() override;
    IWnd* GetButton() override;
    void Show() override;
    IWnd* GetWindow() override;
    void Redraw() override;
    bool TakeLanguage() override;

protected:
    // The window object, owned by the derived class; it stays when its native window goes.
    virtual CWnd& Window() = 0;
    virtual IWnd& WindowInterface() = 0;
    // Creates the native window.
    virtual void CreateWindowNow() = 0;

private:
    ButtonLook m_look;
    std::unique_ptr<CPictureButton> m_button;
};
