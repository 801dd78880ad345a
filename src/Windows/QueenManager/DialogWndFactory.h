#pragma once

#include "IDialogWnd.h"

#include <memory>

// The panes of the queen manager by code: 0 details, 1 genealogy, 2 add a queen, 3 change a queen,
// 4 move a queen to another colony, 5 give a queen another mother. The pane's window is made in
// the parent; an unknown code gives null.
std::unique_ptr<IDialogWnd> CreateDialogWnd(int code, CWnd* parent);
