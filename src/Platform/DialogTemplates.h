#pragma once

#include "Dialog.h"

// The dialog templates of the executable, by resource number.
constexpr UINT IDD_HOUSING = 112;
constexpr UINT IDD_HOUSING_MANAGER = 115;
constexpr UINT IDD_BQ_MANAGER = 117;
constexpr UINT IDD_ADD_HOUSING = 118;
constexpr UINT IDD_COLUMN = 119;
constexpr UINT IDD_BACKUPS = 125;
constexpr UINT IDD_ABOUT = 126;

// The template of that number, or null when the executable has none.
const DialogTemplate* FindDialogTemplate(UINT id);
