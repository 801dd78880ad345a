#pragma once

#include "DateTimeCtrl.h"
#include "CommonControl.h"

class CCommonDateTimeCtrl : public CCommonKeys<CDateTimeCtrl>
{
};
