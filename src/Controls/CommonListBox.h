#pragma once

#include "ListBox.h"
#include "CommonControl.h"

class CCommonListBox : public CCommonKeys<CListBox>
{
};
