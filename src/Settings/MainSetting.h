#pragma once

#include "Settings.h"

// The language, the printer and how many backups of the journal are kept.
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
