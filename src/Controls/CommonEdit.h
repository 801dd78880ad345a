#pragma once

#include "Edit.h"
#include "CommonControl.h"

class CCommonEdit : public CCommonKeys<CEdit>
{
};
