#pragma once

#include "Base.h"

#include <cstdint>
#include <string>
#include <vector>

class ISetting;
class IVisualComponent;

// A part of the program with its settings pages and its launcher entry.
class IComponent : public virtual IBase
{
public:
    virtual void Create() = 0;
    // The shown name, in the current language.
    virtual std::u16string GetName() = 0;
    // The string id of the name: what the windows find the component by, in any language.
    virtual std::int32_t GetNameId() = 0;
    virtual std::vector<ISetting*> GetSettings() = 0;
    virtual IVisualComponent* GetVisualComponent() = 0;
};
