#include "VisualComponent.h"

#include "LanguageManager.h"
#include "VisualManager.h"
#include "Wnd.h"

CVisualComponent::CVisualComponent(ButtonLook look)
    : m_look(std::move(look))
{
}

CVisualComponent::~CVisualComponent() = default;

void CVisualComponent::Release()
{
    delete this;
}

IWnd* CVisualComponent::GetButton()
{
    if (!m_button) {
        m_button = std::make_unique<CPictureButton>(
            m_look.bitmap, ComponentName(m_look.captionId), m_look.layout);
    }
    if (!m_button->CWnd::IsCreated()) {
        if (auto* main = dynamic_cast<CWnd*>(GetVisualManager()->GetMainWindow()); main && main->IsCreated()) {
            CRect client;
            main->GetClientRect(&client);
            m_button->Create(m_look.place(client.Width()), main, m_look.id);
        }
    }
    return m_button.get();
}

void CVisualComponent::Show()
{
    if (!Window().IsCreated())
        CreateWindowNow();
    WindowInterface().Focus();
}

IWnd* CVisualComponent::GetWindow()
{
    return &WindowInterface();
}

bool CVisualComponent::TakeLanguage()
{
    if (m_button)
        m_button->SetCaption(ComponentName(m_look.captionId));
    return !Window().IsCreated();
}

void CVisualComponent::Redraw()
{
    WindowInterface().Redraw();
}
