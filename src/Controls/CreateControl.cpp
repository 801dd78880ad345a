#include "CreateControl.h"

#include "ButtonControl.h"
#include "CheckBoxControl.h"
#include "ComboBoxControl.h"
#include "DateTimeControl.h"
#include "EditDoubleControl.h"
#include "EditNumberControl.h"
#include "ListBoxControl.h"
#include "StaticControl.h"

#include <functional>
#include <map>

namespace {
using Maker = std::function<std::unique_ptr<IControl>(const ControlEntry&)>;

template <class Control>
Maker Make()
{
    return [](const ControlEntry& entry) {
        return std::make_unique<Control>(entry.description.name, entry.value, entry.properties);
    };
}

const std::map<std::u16string, Maker>& Makers()
{
    static const std::map<std::u16string, Maker> makers {
        { u"static", Make<CStaticControl>() },
        { u"button", Make<CButtonControl>() },
        { u"check_box", Make<CCheckBoxControl>() },
        { u"edit", Make<CEditControl>() },
        { u"edit_number", Make<CEditNumberControl>() },
        { u"edit_double", Make<CEditDoubleControl>() },
        { u"combo_box", Make<CComboBoxControl>() },
        { u"list_box", Make<CListBoxControl>() },
        { u"date_ctrl", Make<CDateTimeControl>() },
    };
    return makers;
}
}

std::unique_ptr<IControl> CreateControl(const ControlEntry& entry, CWnd* parent, UINT id)
{
    const auto maker = Makers().find(entry.description.type);
    if (maker == Makers().end())
        return nullptr;
    std::unique_ptr<IControl> control = maker->second(entry);
    const ControlDescription& d = entry.description;
    control->Create(d.x, d.y, d.width, d.height, d.style, d.caption, parent, id);
    return control;
}
