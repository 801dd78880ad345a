#include "SettingsWithUserColumn.h"

#include "ColumnDialog.h"
#include "EventManager.h"
#include "IVisualComponent.h"
#include "IWnd.h"
#include "JournalHandlers.h"
#include "ListValue.h"
#include "Registry.h"
#include "SettingsKeys.h"
#include "StringIds.h"
#include "Tr.h"
#include "UserFieldStore.h"
#include "VisualManager.h"

#include <utility>

namespace {
constexpr char16_t kList[] = u"list_column_user";
constexpr char16_t kAdd[] = u"add_column";
constexpr char16_t kDelete[] = u"delete_column";

// The settings window, which the column dialog sits on; null while it is closed.
CWnd* SettingsWindow()
{
    IVisualComponent* settings = GetVisualManager()->FindComponent(StringId::MainSettingsTitle);
    return settings ? dynamic_cast<CWnd*>(settings->GetWindow()) : nullptr;
}
}

CSettingsWithUserColumn::CSettingsWithUserColumn(std::int32_t titleId, std::u16string keyPath, std::int32_t event)
    : CSettings(titleId, std::move(keyPath), false)
    , m_event(event)
{
}

CSettings::ValueMap CSettingsWithUserColumn::LoadSavedValues()
{
    ValueMap values { { u"static_header2", Tr(StringId::AdditionalHeader) },
        { u"static_header1", GetCaption() }, { u"static_view", Tr(StringId::ShownColumnsLabel) },
        { kAdd, kButtonUp }, { kDelete, kButtonDisable } };
    for (const CheckBox& box : GetCheckBoxes())
        values[box.name] = ReadRegistryString(box.name, KeyPath());
    values[kList] = ListValue::FromListStrings(StoredColumns()).Format();
    return values;
}

CSettings::ValueMap CSettingsWithUserColumn::GetDefaultValues()
{
    ValueMap values;
    for (const CheckBox& box : GetCheckBoxes())
        values[box.name] = box.checkedByDefault ? kChecked : kUnchecked;
    return values;
}

CSettings::PropertyMap CSettingsWithUserColumn::GetControlProperties()
{
    PropertyMap properties { { u"static_header1", { { u"type", u"header" } } },
        { u"static_header2", { { u"type", u"header" } } }, { kAdd, { { u"dependents", kList }, { u"dependents", kDelete } } },
        { kDelete, { { u"dependents", kList }, { u"dependents", kDelete } } } };
    ControlProperties& list = properties[kList];
    list.emplace_back(u"dependents", kDelete);
    for (const std::u16string& column : StoredColumns())
        list.emplace_back(u"ListString", column);
    return properties;
}

std::vector<std::u16string> CSettingsWithUserColumn::StoredColumns()
{
    std::vector<std::u16string> columns;
    for (const CUserFieldStore::Field& field : GetUserFieldStore()->Fields(GetTableKind()))
        columns.push_back(ListValue::ListString(field.name, field.type));
    return columns;
}

std::vector<ControlDescription> CSettingsWithUserColumn::GetControlDescriptions()
{
    const RECT area = GetUserColumnArea();
    std::vector<ControlDescription> controls {
        { u"static", area.left, area.top, 415, 23, kStyleHeader, Tr(StringId::AdditionalHeader), u"static_header2" },
        { u"list_box", area.left, area.top + 30, area.right - area.left, area.bottom - area.top, kStyleBorderedSortedList,
            u"", kList },
        { u"button", area.right + 5, area.top + 30, 80, 25, kStyleCentredButton, Tr(StringId::ButtonAdd), kAdd },
        { u"button", area.right + 5, area.top + 60, 80, 25, kStyleCentredButton, Tr(StringId::ButtonDelete), kDelete },
        { u"static", 10, 0, 415, 23, kStyleHeader, GetCaption(), u"static_header1" },
        { u"static", 10, 30, 415, 15, kStylePlain, Tr(StringId::ShownColumnsLabel), u"static_view" },
    };
    for (const CheckBox& box : GetCheckBoxes())
        controls.push_back({ u"check_box", box.x, box.y, box.width, 20, kStylePlain, Tr(box.captionId), box.name });
    return controls;
}

void CSettingsWithUserColumn::SetValue(const std::u16string& name, const std::u16string& value)
{
    CSettings::SetValue(name, value);
    if (name == kAdd && value == kButtonDown) {
        AddColumn();
        CSettings::SetValue(kAdd, kButtonUp);
    } else if (name == kDelete && value == kButtonDown) {
        ListValue list = ListValue::Parse(GetValue(kList));
        if (const auto index = list.CurrentIndex()) {
            // A column added since the last apply was never stored: it simply goes.
            if (list.items[*index].mark == kMarkAdd)
                list.items.erase(list.items.begin() + static_cast<std::ptrdiff_t>(*index));
            else
                list.items[*index].mark = kMarkDelete;
        }
        list.current.clear();
        CSettings::SetValue(kList, list.Format());
        CSettings::SetValue(kDelete, kButtonDisable);
    } else if (name == kList) {
        CSettings::SetValue(kDelete, ListValue::Parse(value).CurrentIndex() ? kButtonUp : kButtonDisable);
    } else {
        OnCheckBoxValue(name, value);
    }
}

void CSettingsWithUserColumn::OnCheckBoxValue(const std::u16string&, const std::u16string&)
{
}

void CSettingsWithUserColumn::AddColumn()
{
    CColumnDialog dialog(CColumnDialog::Mode::Add, SettingsWindow());
    if (dialog.DoModal() != IDOK)
        return;
    ListValue list = ListValue::Parse(GetValue(kList));
    list.items.push_back({ dialog.Name(), dialog.Type(), kMarkAdd });
    CSettings::SetValue(kList, list.Format());
}

bool CSettingsWithUserColumn::IsModified()
{
    for (const auto& [name, value] : Pending()) {
        if (name == kList) {
            if (ListValue::Parse(value).HasMarked())
                return true;
        } else if (name != kAdd && name != kDelete) {
            return true;
        }
    }
    return m_userFieldsApplied;
}

void CSettingsWithUserColumn::StoreUserFields()
{
    ListValue list = ListValue::Parse(Pending()[kList]);
    if (list.HasMarked()) {
        std::vector<std::u16string> removed;
        std::vector<CUserFieldStore::Field> added;
        for (const ListValue::Item& item : list.items) {
            if (item.mark == kMarkDelete)
                removed.push_back(item.name);
            else if (item.mark == kMarkAdd)
                added.push_back({ item.name, item.number });
        }
        // A change the file refused leaves the list as the journal has it.
        if (GetJournalHandlers()->userFields.Change(GetTableKind(), removed, added))
            m_userFieldsApplied = true;
        else
            list = ListValue::FromListStrings(StoredColumns());
    }
    list.Settle();
    SetSavedValue(kList, list.Format());
    Pending().erase(kList);
}

void CSettingsWithUserColumn::Apply()
{
    if (IsPending(kList))
        StoreUserFields();
    Pending().erase(kAdd);
    Pending().erase(kDelete);
    CSettings::Apply();
}

void CSettingsWithUserColumn::Cancel()
{
    CSettings::Cancel();
    m_userFieldsApplied = false;
}

void CSettingsWithUserColumn::OnApplied()
{
    GetEventManager()->Fire(m_event);
}
