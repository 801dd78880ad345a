#pragma once

#include "Base.h"

#include <string>
#include <vector>

struct ControlEntry;

// One page of the settings window: a form described as data, with pending and saved values.
class ISetting : public virtual IBase
{
public:
    virtual std::u16string GetCaption() = 0;
    virtual bool IsTopLevel() = 0;
    virtual std::vector<ControlEntry*> GetControls() = 0;
    virtual void SetValue(const std::u16string& name, const std::u16string& value) = 0;
    virtual std::u16string GetValue(const std::u16string& name) = 0;
    virtual void Apply() = 0;
    virtual void Cancel() = 0;
    virtual void RestoreDefaults() = 0;
    virtual bool IsModified() = 0;
    virtual std::u16string GetSavedValue(const std::u16string& name) = 0;
    virtual std::u16string GetDefaultValue(const std::u16string& name) = 0;
    // Reads the page's texts again, in the current language; only while no change is pending.
    virtual void Retranslate() = 0;
};
