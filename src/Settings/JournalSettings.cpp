#include "JournalSettings.h"

#include "HousingCache.h"
#include "IJournalComponent.h"
#include "IJournalView.h"
#include "ListValue.h"
#include "Registry.h"
#include "SettingsKeys.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"
#include "ViewSetting.h"

namespace {
constexpr char16_t kSuffixes[] = { u'h', u'f' };

// One item per type; the number is the key plus one, so that no type has the number 0.
std::vector<std::u16string> TypeListStrings(char16_t suffix)
{
    const auto& types = suffix == u'h' ? GetHousingCache()->HousingTypes() : GetHousingCache()->FrameTypes();
    std::vector<std::u16string> listStrings;
    for (const auto& [id, name] : types)
        listStrings.push_back(ListValue::ListString(name, id + 1));
    return listStrings;
}
}

CJournalSettings::CJournalSettings(IJournalComponent* journal)
    : CSettings(StringId::JournalName, kJournalSettingsKey, true)
    , m_journal(journal)
{
    Build();
}

CJournalSettings::Dictionary CJournalSettings::DictionaryOf(char16_t suffix)
{
    const std::u16string s(1, suffix);
    return { u"edit_type" + s, u"list_type" + s, u"add_type" + s, u"delete_type" + s };
}

CSettings::ValueMap CJournalSettings::LoadSavedValues()
{
    ValueMap values { { u"static_header", GetCaption() },
        { u"static_style", Tr(StringId::JournalStyleLabel) }, { u"static_header2", Tr(StringId::AdditionalHeader) },
        { u"static_typeh", Tr(StringId::HousingTypesLabel) }, { u"static_typef", Tr(StringId::FrameTypesLabel) } };
    values[kStartFromLastSetting] = ReadRegistryString(kStartFromLastSetting, kJournalSettingsKey);
    const std::u16string style = ReadRegistryString(u"combo_style", kJournalSettingsKey);
    values[u"combo_style"] = style.empty() ? std::u16string() : Tr(WToI(style));
    for (char16_t suffix : kSuffixes) {
        const Dictionary dictionary = DictionaryOf(suffix);
        values[dictionary.add] = kButtonDisable;
        values[dictionary.remove] = kButtonDisable;
        values[dictionary.list] = ListValue::FromListStrings(TypeListStrings(suffix)).Format();
    }
    return values;
}

CSettings::ValueMap CJournalSettings::GetDefaultValues()
{
    ValueMap defaults { { kStartFromLastSetting, kChecked } };
    const std::vector<std::u16string> views = m_journal ? m_journal->GetViewNames() : std::vector<std::u16string>();
    if (!views.empty())
        defaults[u"combo_style"] = views.front();
    return defaults;
}

CSettings::PropertyMap CJournalSettings::GetControlProperties()
{
    PropertyMap properties { { u"static_header", { { u"type", u"header" } } },
        { u"static_header2", { { u"type", u"header" } } } };
    ControlProperties& styles = properties[u"combo_style"];
    if (m_journal)
        for (const std::u16string& view : m_journal->GetViewNames())
            styles.emplace_back(u"ComboString", view);
    for (char16_t suffix : kSuffixes) {
        const Dictionary d = DictionaryOf(suffix);
        properties[d.add] = { { u"dependents", d.add }, { u"dependents", d.list }, { u"dependents", d.edit },
            { u"dependents", d.remove } };
        properties[d.remove] = { { u"dependents", d.list }, { u"dependents", d.remove } };
        properties[d.edit] = { { u"dependents", d.add } };
        ControlProperties list { { u"dependents", d.add }, { u"dependents", d.remove } };
        for (const std::u16string& listString : TypeListStrings(suffix))
            list.emplace_back(u"ListString", listString);
        properties[d.list] = std::move(list);
    }
    return properties;
}

std::vector<ControlDescription> CJournalSettings::GetControlDescriptions()
{
    std::vector<ControlDescription> controls {
        { u"static", 10, 0, 415, 23, kStyleHeader, GetCaption(), u"static_header" },
        { u"static", 10, 30, 415, 15, kStylePlain, Tr(StringId::JournalStyleLabel), u"static_style" },
        { u"combo_box", 10, 45, 415, 20, kStyleDropDownList, u"", u"combo_style" },
        { u"check_box", 10, 72, 415, 20, kStylePlain, Tr(StringId::StartFromLastRecord), kStartFromLastSetting },
        { u"static", 10, 100, 415, 23, kStyleHeader, Tr(StringId::AdditionalHeader), u"static_header2" },
    };
    const std::int32_t labels[] = { StringId::HousingTypesLabel, StringId::FrameTypesLabel };
    for (int i = 0; i < 2; ++i) {
        const Dictionary d = DictionaryOf(kSuffixes[i]);
        // Both dictionaries fit whole in the form of the settings window under a title bar.
        const std::int32_t top = 126 + 130 * i;
        controls.push_back({ u"static", 10, top, 415, 15, kStylePlain, Tr(labels[i]), u"static_type" + std::u16string(1, kSuffixes[i]) });
        controls.push_back({ u"edit", 10, top + 15, 330, 20, kStyleBorderedField, u"", d.edit });
        controls.push_back({ u"list_box", 10, top + 40, 330, 85, kStyleBorderedList, u"", d.list });
        controls.push_back({ u"button", 345, top + 13, 80, 25, kStyleCentredButton, Tr(StringId::ButtonAdd), d.add });
        controls.push_back({ u"button", 345, top + 40, 80, 25, kStyleCentredButton, Tr(StringId::ButtonDelete), d.remove });
    }
    return controls;
}

void CJournalSettings::SetValue(const std::u16string& name, const std::u16string& value)
{
    CSettings::SetValue(name, value);
    for (char16_t suffix : kSuffixes)
        OnDictionaryValue(DictionaryOf(suffix), name, value);
}

void CJournalSettings::OnDictionaryValue(const Dictionary& d, const std::u16string& name, const std::u16string& value)
{
    if (name == d.edit) {
        CSettings::SetValue(d.add, value.empty() ? kButtonDisable : kButtonUp);
    } else if (name == d.add && value == kButtonDown) {
        ListValue list = ListValue::Parse(GetValue(d.list));
        list.items.push_back({ GetValue(d.edit), 0, kMarkAdd });
        list.current = list.items.back().name;
        CSettings::SetValue(d.list, list.Format());
        CSettings::SetValue(d.remove, kButtonUp);
        CSettings::SetValue(d.add, kButtonDisable);
        CSettings::SetValue(d.edit, u"");
    } else if (name == d.list) {
        CSettings::SetValue(d.remove, ListValue::Parse(value).CurrentIndex() ? kButtonUp : kButtonDisable);
    } else if (name == d.remove && value == kButtonDown) {
        ListValue list = ListValue::Parse(GetValue(d.list));
        if (const auto index = list.CurrentIndex()) {
            // A type added since the last apply was never stored: it simply goes.
            if (list.items[*index].mark == kMarkAdd)
                list.items.erase(list.items.begin() + static_cast<std::ptrdiff_t>(*index));
            else
                list.items[*index].mark = kMarkDelete;
        }
        list.current.clear();
        CSettings::SetValue(d.list, list.Format());
        CSettings::SetValue(d.remove, kButtonDisable);
    }
}

bool CJournalSettings::IsModified()
{
    if (IsPending(u"combo_style") || IsPending(kStartFromLastSetting))
        return true;
    for (char16_t suffix : kSuffixes) {
        const Dictionary d = DictionaryOf(suffix);
        if (IsPending(d.list) && ListValue::Parse(Pending()[d.list]).HasMarked())
            return true;
    }
    return false;
}

void CJournalSettings::ApplyDictionary(const Dictionary& d, bool housingTypes)
{
    if (!IsPending(d.list))
        return;
    ListValue list = ListValue::Parse(Pending()[d.list]);
    if (m_journal) {
        // What the file refused leaves the list as the journal has it: a type it kept stays, one it
        // did not add goes.
        for (ListValue::Item& item : list.items) {
            if (item.mark != kMarkDelete)
                continue;
            const std::int32_t idType = item.number - 1;
            if (!(housingTypes ? m_journal->DeleteHousingType(idType) : m_journal->DeleteFrameType(idType)))
                item.mark = kMarkExist;
        }
        for (ListValue::Item& item : list.items) {
            if (item.mark != kMarkAdd)
                continue;
            const std::int32_t idType = housingTypes ? m_journal->AddHousingType(item.name) : m_journal->AddFrameType(item.name);
            if (idType < 0)
                item.mark = kMarkDelete;
            else
                item.number = idType + 1;
        }
    }
    list.Settle();
    Pending().erase(d.list);
    SetSavedValue(d.list, list.Format());
}

void CJournalSettings::Apply()
{
    ApplyDictionary(DictionaryOf(u'h'), true);
    ApplyDictionary(DictionaryOf(u'f'), false);
    for (char16_t suffix : kSuffixes) {
        const Dictionary d = DictionaryOf(suffix);
        for (const std::u16string& name : { d.add, d.edit, d.remove })
            Pending().erase(name);
    }
    CSettings::Apply();
}

CSettings::PreparedValue CJournalSettings::PrepareValue(const std::u16string& name, const std::u16string& value)
{
    if (name != u"combo_style" || !m_journal)
        return CSettings::PrepareValue(name, value);
    IJournalView* view = m_journal->FindView(value);
    return { view ? IntToText(view->GetStyle()->GetNameId()) : std::u16string(), true };
}
