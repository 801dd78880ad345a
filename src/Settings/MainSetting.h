#pragma once

#include "Settings.h"

// The language and the printer.
class CMainSetting : public CSettings
{
public:
    CMainSetting();

protected:
    ValueMap LoadSavedValues() override;
    ValueMap GetDefaultValues() override;
    PropertyMap GetControlProperties() override;
    std::vector<ControlDescription> GetControlDescriptions() override;
};
