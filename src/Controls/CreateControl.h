#pragma once

#include "ControlEntry.h"
#include "IControl.h"

#include <memory>

// Makes the control of the entry's type ("static", "button", "check_box", "edit", "edit_number",
// "edit_double", "combo_box", "list_box", "date_ctrl", compared exactly) as a child of the parent
// with the id; null for any other type.
std::unique_ptr<IControl> CreateControl(const ControlEntry& entry, CWnd* parent, UINT id);
