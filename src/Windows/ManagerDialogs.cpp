#include "ManagerDialogs.h"

// The hive and queen manager dialogs are built on their own branch; these open them once it is merged.
void OpenHousingManager(CWnd*)
{
}

void OpenQueenManager(CWnd*)
{
}
