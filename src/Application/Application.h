#pragma once

#include "IApplication.h"
#include "WinApp.h"

#include <memory>
#include <vector>

class CInstanceLock;

class CApplication : public CWinApp, public IApplication
{
public:
    CApplication();
    ~CApplication() override;

    void Release() override;
    std::vector<IComponent*> GetComponents() override;
    bool InitInstance() override;

private:
    // Whether this start may open the journal; when not, it has said why (or asked the running
    // program to show itself) and the program ends.
    bool MayOpenJournal();

    std::vector<IComponent*> m_components;
    std::unique_ptr<CInstanceLock> m_instanceLock;
};
