#pragma once

#include "IApplication.h"
#include "WinApp.h"

#include <vector>

class CApplication : public CWinApp, public IApplication
{
public:
    CApplication() = default;
    ~CApplication() override;

    void Release() override;
    std::vector<IComponent*> GetComponents() override;
    bool InitInstance() override;

private:
    std::vector<IComponent*> m_components;
};
