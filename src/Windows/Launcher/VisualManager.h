#pragma once

#include "Text.h"

#include <cstdint>
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
    // Collects the visual components of the components, ordered by name.
    virtual void LoadComponents(const std::vector<IComponent*>& components) = 0;
    // The launcher; its object is made on the first call, its native window by start-up.
    virtual IWnd* GetMainWindow() = 0;
    // The visual component of the component whose name has that string id, or null.
    virtual IVisualComponent* FindComponent(std::int32_t nameId) = 0;
    virtual void RedrawAll() = 0;
    // The launcher and every component take the current language; false when an open window
    // keeps its texts until it opens again.
    virtual bool UseCurrentLanguage() = 0;

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
    IVisualComponent* FindComponent(std::int32_t nameId) override;
    void RedrawAll() override;
    bool UseCurrentLanguage() override;

private:
    struct Entry
    {
        std::int32_t nameId;
        IVisualComponent* visual;
    };

    std::unique_ptr<CMainWin> m_mainWindow;
    // By the name as it read at start-up, which fixes the launcher's order; looked up by name id.
    std::map<std::u16string, Entry, NoCaseLess> m_components;
};

IVisualManager* GetVisualManager();
// Deletes the visual manager with the main window; called once at exit, after the components.
void DeleteVisualManager();
