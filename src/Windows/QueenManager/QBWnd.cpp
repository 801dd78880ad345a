#include "QBWnd.h"

#include "Calendar.h"
#include "Dc.h"
#include "Font.h"
#include "FontHelper.h"
#include "MarkingColour.h"
#include "QueenBeeCache.h"
#include "StringIds.h"
#include "Tr.h"

#include <utility>
#include <vector>

namespace {
constexpr int kFieldSpace = 5;

}

CQBWnd::CQBWnd()
    : CDialogWnd(Place, Id)
    , m_nameFont(CreateFontHelper(true, u"Arial", 20, true, false))
    , m_stateFont(CreateFontHelper(true, u"Arial", 18, false, false))
    , m_labelFont(CreateFontHelper(true, u"Arial", 16, false, false))
    , m_valueFont(CreateFontHelper(false, u"Arial", 16, false, false))
{
}

CQBWnd::~CQBWnd() = default;

void CQBWnd::SetQueen(std::int32_t idQueenBee)
{
    m_idQueenBee = idQueenBee;
    Invalidate();
}

void CQBWnd::Paint(CDC* dc, const CRect& client)
{
    const CQueenBeeCache::QueenBee* queen = GetQueenBeeCache()->FindQueenBee(m_idQueenBee);
    if (!queen) {
        DrawCentred(dc, client, Tr(StringId::NoQueenChosen), m_nameFont.get());
        return;
    }
    std::vector<std::pair<std::int32_t, std::u16string>> fields {
        { StringId::QueenDescriptionLabel, queen->description },
        { StringId::QueenFertLabel, queen->fert },
        { StringId::QueenBreedLabel, Tr(StringId::BreedNone + queen->breed) },
        { StringId::QueenBirthDateLabel, FormatDateText(queen->date) },
    };
    if (const CQueenBeeCache::QueenBee* mother = GetQueenBeeCache()->FindQueenBee(queen->id_parent_queen_bee))
        fields.emplace_back(StringId::QueenMotherLabel, mother->name);

    int top = DrawBlock(dc, client, queen->name, m_nameFont.get(), client.top, DT_CENTER);
    top = DrawBlock(dc, client, Tr(queen->is_dead ? StringId::QueenDeadState : StringId::QueenAliveState),
        m_stateFont.get(), top, DT_CENTER);
    for (const auto& [label, value] : fields) {
        top = DrawBlock(dc, client, Tr(label), m_labelFont.get(), top, DT_LEFT);
        top = DrawBlock(dc, client, value, m_valueFont.get(), top, DT_CENTER) + kFieldSpace;
    }
    const RECT dot { client.right - DotInset - DotSize, client.top + DotInset, client.right - DotInset,
        client.top + DotInset + DotSize };
    DrawMarkingDot(dc, dot, YearOf(queen->date));
}
