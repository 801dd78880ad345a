#pragma once

#include "Text.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class CMainWin;
class IComponent;
class IVisualComponent;
class IWnd;

class IVisualManager
{
public:
    // Collects the visual components of the components, by name.
    virtual void LoadComponents(const std::vector<IComponent*>& components) = 0;
    // The launcher; its object is made on the first call, its native window by start-up.
    virtual IWnd* GetMainWindow() = 0;
    // The visual component of that name (compared without regard to case), or null.
    virtual IVisualComponent* FindComponent(const std::u16string& name) = 0;
    virtual void RedrawAll() = 0;

protected:
    virtual ~IVisualManager() = default;
};

struct NoCaseLess
{
    bool operator()(const std::u16string& a, const std::u16string& b) const;
};

class CVisualManager : public IVisualManager
{
public:
    CVisualManager();
    ~CVisualManager() override;

    void LoadComponents(const std::vector<IComponent*>& components) override;
    IWnd* GetMainWindow() override;
    IVisualComponent* FindComponent(const std::u16string& name) override;
    void RedrawAll() override;

private:
    std::unique_ptr<CMainWin> m_mainWindow;
    std::map<std::u16string, IVisualComponent*, NoCaseLess> m_components;
};

IVisualManager* GetVisualManager();
// Deletes the visual manager with the main window; called once at exit, after the components.
void DeleteVisualManager();
