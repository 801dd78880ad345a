#pragma once

#include "Settings.h"

// The mite threshold of each counting method in each month, the months in two blocks of six.
// Applying tells the pages that mark colonies by their counts.
class CMiteThresholdSettings : public CSettings
{
public:
    CMiteThresholdSettings();

protected:
    ValueMap LoadSavedValues() override;
    ValueMap GetDefaultValues() override;
    PropertyMap GetControlProperties() override;
    std::vector<ControlDescription> GetControlDescriptions() override;
    void OnApplied() override;
};
