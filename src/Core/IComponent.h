#pragma once

#include "Base.h"

#include <string>
#include <vector>

class ISetting;
class IVisualComponent;

// A part of the program with its settings pages and its launcher entry.
class IComponent : public virtual IBase
{
public:
    virtual void Create() = 0;
    virtual std::u16string GetName() = 0;
    virtual std::vector<ISetting*> GetSettings() = 0;
    virtual IVisualComponent* GetVisualComponent() = 0;
};
