#include "ChangeGLWnd.h"

#include "Font.h"
#include "FontHelper.h"
#include "JournalHandlers.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "StringIds.h"
#include "Tr.h"

namespace {
constexpr int kLineSpace = 10;

std::u16string FamilyName(std::int32_t idFamily, std::int32_t noneText)
{
    const CPointFamilyCache::Family* family = GetPointFamilyCache()->FindFamily(idFamily);
    return family ? family->name : Tr(noneText);
}

std::u16string QueenName(std::int32_t idQueenBee, std::int32_t noneText)
{
    const CQueenBeeCache::QueenBee* queen = GetQueenBeeCache()->FindQueenBee(idQueenBee);
    return queen ? queen->name : Tr(noneText);
}
}

CChangeGLWnd::CChangeGLWnd(Mode mode)
    : CDialogWnd(Place, Id)
    , m_mode(mode)
    , m_titleFont(CreateFontHelper(true, u"Arial", 20, true, false))
    , m_lineFont(CreateFontHelper(false, u"Arial", 16, true, false))
{
}

CChangeGLWnd::~CChangeGLWnd() = default;

void CChangeGLWnd::SetQueen(std::int32_t idQueenBee)
{
    m_idQueenBee = idQueenBee;
    Invalidate();
}

void CChangeGLWnd::SetSelection(const QueenTreeItem& item)
{
    m_proposal = ProposeFor(item, m_idQueenBee);
    Invalidate();
}

std::int32_t CChangeGLWnd::Commit()
{
    if (!GetQueenBeeCache()->FindQueenBee(m_idQueenBee))
        return 0;
    CQueenHandler& queens = GetJournalHandlers()->queens;
    if (m_mode == MoveToFamily)
        queens.SetFamily(m_idQueenBee, m_proposal.idFamily);
    else
        queens.SetParent(m_idQueenBee, m_proposal.idMother);
    return m_idQueenBee;
}

void CChangeGLWnd::Paint(CDC* dc, const CRect& client)
{
    const CQueenBeeCache::QueenBee* queen = GetQueenBeeCache()->FindQueenBee(m_idQueenBee);
    if (!queen) {
        DrawCentred(dc, client, Tr(StringId::NoQueenChosen), m_titleFont.get());
        return;
    }
    const bool move = m_mode == MoveToFamily;
    const std::u16string title = Tr(move ? StringId::MoveQueenToFamily : StringId::ChangeQueenMother) + u" - " + queen->name;
    const std::u16string current = move
        ? Tr(StringId::CurrentFamilyLabel) + u" " + FamilyName(queen->id_family, StringId::QueenWithoutFamily)
        : Tr(StringId::CurrentMotherLabel) + u" " + QueenName(queen->id_parent_queen_bee, StringId::QueenWithoutMother);
    const std::u16string proposed = move
        ? Tr(StringId::NewFamilyLabel) + u" " + FamilyName(m_proposal.idFamily, StringId::NoFamilyChosen)
        : Tr(StringId::NewMotherLabel) + u" " + QueenName(m_proposal.idMother, StringId::NoMotherChosen);
    int top = DrawBlock(dc, client, title, m_titleFont.get(), client.top + kLineSpace, DT_CENTER) + kLineSpace;
    top = DrawBlock(dc, client, current, m_lineFont.get(), top, DT_LEFT) + kLineSpace;
    DrawBlock(dc, client, proposed, m_lineFont.get(), top, DT_LEFT);
}
