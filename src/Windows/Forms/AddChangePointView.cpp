#include "AddChangePointView.h"

#include "EditItem.h"
#include "IJournalComponent.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "Tr.h"
#include "ViewSetting.h"

CAddChangePointView::CAddChangePointView(JournalState* state, IJournalComponent& journal)
    : CAddChangeView(state, journal, { EventPointViewSettingsChanged })
{
}

void CAddChangePointView::BuildForm()
{
    ClearForm();
    AddTitle();
    AddField(KeyName, StringId::PointNameField, EditText);
    AddField(KeyNote, StringId::NoteField, EditText,
        !IsViewSettingChecked(StringId::PointViewSettingsTitle, u"check_note"));
    AddUserFields(OwnerKind::Site, KeyUserFields, m_idRecord);
}

PointData CAddChangePointView::TypedPoint() const
{
    PointData point;
    point.name = Value(KeyName);
    point.note = Value(KeyNote);
    point.values = UserFieldValues();
    return point;
}

void CAddPointView::Prepare()
{
    m_state->page = PageAddSite;
    m_state->recordId = 0;
}

bool CAddPointView::Accepts(int, int, int action)
{
    return action == ActionAddSite;
}

std::u16string CAddPointView::GetTitle()
{
    return Tr(StringId::AddPoint);
}

bool CAddPointView::Save()
{
    if (!NameGiven(KeyName))
        return false;
    PointData point = TypedPoint();
    return Journal().AddPoint(point) != 0;
}

void CChangePointView::Prepare()
{
    m_state->page = PageChangeSite;
}

bool CChangePointView::Accepts(int, int, int action)
{
    return action == ActionChangeSite;
}

void CChangePointView::LoadValues()
{
    const CPointFamilyCache::Point* point = GetPointFamilyCache()->FindPoint(TargetId());
    m_idRecord = point ? point->id_record : 0;
    if (!point)
        return;
    SetValue(KeyName, point->name);
    SetValue(KeyNote, point->note);
}

std::u16string CChangePointView::GetTitle()
{
    return Tr(StringId::ChangePoint);
}

bool CChangePointView::Save()
{
    if (!NameGiven(KeyName))
        return false;
    PointData point = TypedPoint();
    point.id_point = TargetId();
    return Journal().ChangePoint(point);
}
