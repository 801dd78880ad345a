#pragma once

#include "Component.h"

// The settings of the program: its pages and the settings window.
class CSettingsComponent : public CComponent
{
public:
    CSettingsComponent();

    void Create() override;
};
