#pragma once

#include "Settings.h"

// Whether the tasks a split, a requeening or a treatment implies are offered once it is saved, and
// how many days after it each falls.
class CFollowUpSettings : public CSettings
{
public:
    CFollowUpSettings();

protected:
    ValueMap LoadSavedValues() override;
    ValueMap GetDefaultValues() override;
    PropertyMap GetControlProperties() override;
    std::vector<ControlDescription> GetControlDescriptions() override;
};
