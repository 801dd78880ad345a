#include "AddChangeFamilyView.h"

#include "EditItem.h"
#include "IJournalComponent.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"
#include "ViewSetting.h"

namespace {
constexpr int kFamilyTypes = 14;
}

CAddChangeFamilyView::CAddChangeFamilyView(JournalState* state, IJournalComponent& journal)
    : CAddChangeView(state, journal, { EventFamilyViewSettingsChanged })
{
}

void CAddChangeFamilyView::BuildForm()
{
    ClearForm();
    AddTitle();
    AddField(KeyName, StringId::FamilyNameField, EditText);
    AddChoice(KeyType, StringId::FamilyTypeField, StringId::FamilyTypeNone, kFamilyTypes,
        !IsViewSettingChecked(StringId::FamilyViewSettingsTitle, u"check_type"));
    AddField(KeyNote, StringId::NoteField, EditText,
        !IsViewSettingChecked(StringId::FamilyViewSettingsTitle, u"check_note"));
    AddUserFields(OwnerKind::Colony, KeyUserFields, m_idRecord);
}

FamilyData CAddChangeFamilyView::TypedFamily() const
{
    FamilyData family;
    family.name = Value(KeyName);
    family.type = WToI(Value(KeyType));
    family.note = Value(KeyNote);
    family.values = UserFieldValues();
    return family;
}

void CAddFamilyView::Prepare()
{
    m_state->page = PageAddColony;
}

bool CAddFamilyView::Accepts(int, int, int action)
{
    return action == ActionAddColony;
}

std::u16string CAddFamilyView::GetTitle()
{
    return Tr(StringId::AddFamily);
}

bool CAddFamilyView::Save()
{
    if (!NameGiven(KeyName))
        return false;
    FamilyData family = TypedFamily();
    family.id_point = TargetId();
    m_newFamily = Journal().AddFamily(family);
    return m_newFamily != 0;
}

void CChangeFamilyView::Prepare()
{
    m_state->page = PageChangeColony;
}

bool CChangeFamilyView::Accepts(int, int, int action)
{
    return action == ActionChangeColony;
}

void CChangeFamilyView::LoadValues()
{
    const CPointFamilyCache::Family* family = GetPointFamilyCache()->FindFamily(TargetId());
    m_idRecord = family ? family->id_record : 0;
    if (!family)
        return;
    SetValue(KeyName, family->name);
    SetValue(KeyType, IntToText(family->type));
    SetValue(KeyNote, family->note);
}

std::u16string CChangeFamilyView::GetTitle()
{
    return Tr(StringId::ChangeFamily);
}

bool CChangeFamilyView::Save()
{
    if (!NameGiven(KeyName))
        return false;
    FamilyData family = TypedFamily();
    family.id_family = TargetId();
    return Journal().UpdateFamily(family);
}
