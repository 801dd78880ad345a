#include "ControlKinds.h"

#include "NativeWindow.h"

void RegisterBuiltInControls()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    RegisterControlClass(u"SCROLLBAR", MakeScrollBarWindow);
    RegisterControlClass(u"BUTTON", MakeButtonWindow);
    RegisterControlClass(u"STATIC", MakeStaticWindow);
    RegisterControlClass(u"EDIT", MakeEditWindow);
    RegisterControlClass(u"COMBOBOX", MakeComboWindow);
    RegisterControlClass(u"LISTBOX", MakeListWindow);
    RegisterControlClass(u"SysDateTimePick32", MakeDateWindow);
    RegisterControlClass(u"ToolbarWindow32", MakeToolBarWindow);
    RegisterControlClass(u"SysTabControl32", MakeTabWindow);
    RegisterControlClass(u"SysTreeView32", MakeTreeWindow);
    RegisterControlClass(u"#32770", MakeDialogWindow);
}
