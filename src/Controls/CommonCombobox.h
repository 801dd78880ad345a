#pragma once

#include "ComboBox.h"
#include "CommonControl.h"

class CCommonCombobox : public CCommonKeys<CComboBox>
{
};
