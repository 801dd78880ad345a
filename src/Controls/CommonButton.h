#pragma once

#include "Button.h"
#include "CommonControl.h"

class CCommonButton : public CCommonKeys<CButton>
{
};
