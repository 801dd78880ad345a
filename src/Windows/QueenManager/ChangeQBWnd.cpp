#include "ChangeQBWnd.h"

#include "Button.h"
#include "Calendar.h"
#include "ComboBox.h"
#include "DateTimeCtrl.h"
#include "Edit.h"
#include "JournalHandlers.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "Static.h"
#include "StringIds.h"
#include "Tr.h"

#include <algorithm>

namespace {
constexpr int kLeft = 8;
constexpr int kLabelWidth = 100;
constexpr int kTop = 10;
constexpr int kRowStep = 30;
constexpr int kRowHeight = 22;
constexpr int kDescriptionHeight = 60;
constexpr int kBreedListHeight = 200;

}

CChangeQBWnd::CChangeQBWnd(bool add)
    : CDialogWnd(Place, Id)
    , m_add(add)
{
}

CChangeQBWnd::~CChangeQBWnd() = default;

RECT CChangeQBWnd::AddRow(int row, std::int32_t labelId)
{
    CRect client;
    GetClientRect(&client);
    const int top = kTop + row * kRowStep;
    auto label = std::make_unique<CStatic>();
    label->Create(Tr(labelId), WS_CHILD | WS_VISIBLE | SS_RIGHT | SS_CENTERIMAGE,
        RECT { kLeft, top, kLeft + kLabelWidth, top + kRowHeight }, this, 0xFFFF);
    label->SetFont(GetParent()->GetFont());
    m_labels.push_back(std::move(label));
    return RECT { kLeft * 2 + kLabelWidth, top, client.right - kLeft, top + kRowHeight };
}

BOOL CChangeQBWnd::Create(CWnd* parent)
{
    if (!CDialogWnd::Create(parent))
        return FALSE;
    CFont* font = parent->GetFont();
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    m_name = std::make_unique<CEdit>();
    m_name->Create(kChild | WS_BORDER | ES_AUTOHSCROLL, AddRow(0, StringId::QueenNameLabel), this, IdName);
    m_date = std::make_unique<CDateTimeCtrl>();
    m_date->Create(kChild, AddRow(1, StringId::QueenBirthDateLabel), this, IdDate);
    m_date->SetTime(CurrentTime());
    RECT breedPlace = AddRow(2, StringId::QueenBreedLabel);
    breedPlace.bottom += kBreedListHeight;
    m_breed = std::make_unique<CComboBox>();
    m_breed->Create(kChild | CBS_DROPDOWNLIST | WS_VSCROLL, breedPlace, this, IdBreed);
    for (std::int32_t breed = 0; breed < BreedCount; ++breed)
        m_breed->AddString(Tr(StringId::BreedNone + breed));
    m_breed->SetCurSel(0);
    m_alive = std::make_unique<CButton>();
    m_alive->Create(u"", kChild | BS_AUTOCHECKBOX, AddRow(3, StringId::QueenAliveLabel), this, IdAlive);
    m_alive->SetCheck(BST_CHECKED);
    m_fert = std::make_unique<CEdit>();
    m_fert->Create(kChild | WS_BORDER | ES_AUTOHSCROLL, AddRow(4, StringId::QueenFertLabel), this, IdFert);
    RECT descriptionPlace = AddRow(5, StringId::QueenDescriptionLabel);
    descriptionPlace.bottom = descriptionPlace.top + kDescriptionHeight;
    m_description = std::make_unique<CEdit>();
    m_description->Create(kChild | WS_BORDER | ES_MULTILINE, descriptionPlace, this, IdDescription);
    for (CWnd* control : { static_cast<CWnd*>(m_name.get()), static_cast<CWnd*>(m_date.get()),
             static_cast<CWnd*>(m_breed.get()), static_cast<CWnd*>(m_alive.get()), static_cast<CWnd*>(m_fert.get()),
             static_cast<CWnd*>(m_description.get()) })
        control->SetFont(font);
    if (m_add) {
        m_takeFamily = std::make_unique<CButton>();
        m_takeFamily->Create(u"", kChild | BS_AUTOCHECKBOX, AddRow(8, StringId::PlaceInFamilyButton), this, IdTakeFamily);
        m_takeMother = std::make_unique<CButton>();
        m_takeMother->Create(u"", kChild | BS_AUTOCHECKBOX, AddRow(9, StringId::RecordMotherButton), this, IdTakeMother);
        m_takeFamily->SetFont(font);
        m_takeMother->SetFont(font);
        SetSelection(QueenTreeItem {});
    }
    return TRUE;
}

void CChangeQBWnd::SetQueen(std::int32_t idQueenBee)
{
    m_idQueenBee = idQueenBee;
    const CQueenBeeCache::QueenBee* queen = GetQueenBeeCache()->FindQueenBee(idQueenBee);
    if (!queen || !IsCreated())
        return;
    m_name->SetWindowText(queen->name);
    m_date->SetTime(queen->date);
    m_breed->SetCurSel(queen->breed >= 0 && queen->breed < BreedCount ? queen->breed : 0);
    m_alive->SetCheck(queen->is_dead ? BST_UNCHECKED : BST_CHECKED);
    m_fert->SetWindowText(queen->fert);
    m_description->SetWindowText(queen->description);
}

void CChangeQBWnd::SetSelection(const QueenTreeItem& item)
{
    if (!m_add || !IsCreated())
        return;
    m_proposal = ProposeFor(item, 0);
    const CPointFamilyCache::Family* family = GetPointFamilyCache()->FindFamily(m_proposal.idFamily);
    const CQueenBeeCache::QueenBee* mother = GetQueenBeeCache()->FindQueenBee(m_proposal.idMother);
    m_takeFamily->SetWindowText(family ? family->name : Tr(StringId::QueenWithoutFamily));
    m_takeMother->SetWindowText(mother ? mother->name : Tr(StringId::QueenWithoutMother));
    m_takeFamily->SetCheck(family ? BST_CHECKED : BST_UNCHECKED);
    m_takeMother->SetCheck(mother ? BST_CHECKED : BST_UNCHECKED);
    m_takeFamily->EnableWindow(family != nullptr);
    m_takeMother->EnableWindow(mother != nullptr);
}

std::int32_t CChangeQBWnd::Commit()
{
    CQueenHandler& queens = GetJournalHandlers()->queens;
    CQueenBeeCache::QueenBee queen;
    queen.id_queen_bee = m_idQueenBee;
    queen.name = m_name->GetWindowText();
    m_date->GetTime(queen.date);
    queen.breed = std::max(m_breed->GetCurSel(), 0);
    queen.is_dead = m_alive->GetCheck() != BST_CHECKED;
    queen.fert = m_fert->GetWindowText();
    queen.description = m_description->GetWindowText();
    if (!m_add) {
        if (!GetQueenBeeCache()->FindQueenBee(m_idQueenBee))
            return 0;
        queens.Change(queen);
        return m_idQueenBee;
    }
    queen.id_family = m_takeFamily->GetCheck() == BST_CHECKED ? m_proposal.idFamily : 0;
    const std::int32_t idAdded = queens.Add(queen);
    if (idAdded != 0 && m_takeMother->GetCheck() == BST_CHECKED && m_proposal.idMother != 0)
        queens.SetParent(idAdded, m_proposal.idMother);
    return idAdded;
}
