#include "AddChangeQueenBeeView.h"

#include "Calendar.h"
#include "EditItem.h"
#include "JournalHandlers.h"
#include "MessageBox.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

namespace {
// No breed (code 0) and the breeds 1 to 33.
constexpr int kBreedChoices = 34;
constexpr char16_t kLiving[] = u"+";
}

CAddChangeQueenBeeView::CAddChangeQueenBeeView(JournalState* state, IJournalComponent& journal)
    : CAddChangeView(state, journal, {})
{
}

void CAddChangeQueenBeeView::BuildForm()
{
    ClearForm();
    AddTitle();
    AddField(KeyName, StringId::QueenNameLabel, EditText);
    AddField(KeyDate, StringId::QueenBirthDateLabel, EditDate);
    AddChoice(KeyBreed, StringId::QueenBreedLabel, StringId::BreedNone, kBreedChoices);
    AddField(KeyLiving, StringId::QueenAliveLabel, EditCheckMark);
    AddField(KeyFert, StringId::QueenFertLabel, EditText);
    AddField(KeyDescription, StringId::QueenDescriptionLabel, EditText);
}

std::u16string CAddChangeQueenBeeView::GetTitle()
{
    return Tr(StringId::AddQueenBee);
}

CQueenBeeCache::QueenBee CAddChangeQueenBeeView::TypedQueen(CQueenBeeCache::QueenBee queen) const
{
    queen.breed = WToI(Value(KeyBreed));
    queen.is_dead = Value(KeyLiving) != kLiving;
    queen.date = ParseDateText(Value(KeyDate));
    queen.name = Value(KeyName);
    queen.fert = Value(KeyFert);
    queen.description = Value(KeyDescription);
    return queen;
}

void CAddQueenBeeView::Prepare()
{
    m_state->page = PageAddQueen;
}

bool CAddQueenBeeView::Accepts(int, int, int action)
{
    return action == ActionAddQueen;
}

void CAddQueenBeeView::LoadValues()
{
    SetValue(KeyLiving, kLiving);
}

bool CAddQueenBeeView::Save()
{
    // The colony may have been deleted while the form stayed open.
    if (!GetPointFamilyCache()->FindFamily(TargetId())) {
        AfxMessageBox(Tr(StringId::OwnerColonyGone), MB_OK | MB_ICONWARNING);
        return false;
    }
    CQueenBeeCache::QueenBee queen;
    queen.id_family = TargetId();
    return GetJournalHandlers()->queens.Add(TypedQueen(queen)) != 0;
}

void CChangeQueenBeeView::Prepare()
{
    m_state->page = PageChangeQueen;
}

bool CChangeQueenBeeView::Accepts(int, int, int action)
{
    return action == ActionChangeQueen;
}

void CChangeQueenBeeView::LoadValues()
{
    const CQueenBeeCache::QueenBee* queen = GetQueenBeeCache()->FindQueenBee(TargetId());
    if (!queen)
        return;
    SetValue(KeyName, queen->name);
    SetValue(KeyDate, FormatDateText(queen->date));
    SetValue(KeyBreed, IntToText(queen->breed));
    SetValue(KeyLiving, queen->is_dead ? u"-" : kLiving);
    SetValue(KeyFert, queen->fert);
    SetValue(KeyDescription, queen->description);
}

bool CChangeQueenBeeView::Save()
{
    const CQueenBeeCache::QueenBee* queen = GetQueenBeeCache()->FindQueenBee(TargetId());
    return queen && GetJournalHandlers()->queens.Change(TypedQueen(*queen));
}
