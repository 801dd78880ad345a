#pragma once

#include "Base.h"

#include <vector>

class IComponent;

class IApplication : public IBase
{
public:
    // The components in start-up order (the pointers; the application keeps them).
    virtual std::vector<IComponent*> GetComponents() = 0;
};

// The one application object, created on first use.
IApplication* GetApplication();
