#include "InfoDrawer.h"

#include "Bitmap.h"
#include "Brush.h"
#include "BufferedPaint.h"
#include "ButtonDraw.h"
#include "Dc.h"
#include "FontHelper.h"
#include "Pen.h"
#include "StringIds.h"
#include "Tr.h"
#include "WinMessages.h"

#include <algorithm>

namespace {
constexpr int kPictureWidth = 31;
constexpr int kPictureHeight = 46;
constexpr int kButtonWidth = 100;
constexpr int kTextIndent = 36;
constexpr int kCardPicture = 116;
}

struct CInfoDrawer::Card
{
    std::vector<InfoLine> lines;
    bool selected = false;
    std::unique_ptr<CButtonDraw> button;
    std::intptr_t data = 0;
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;

    bool Contains(int px, int py) const { return px >= x && px < x + width && py >= y && py < y + height; }
};

CInfoDrawer::CInfoDrawer(CWnd* owner)
    : CDrawer(owner)
{
}

CInfoDrawer::~CInfoDrawer() = default;

int CInfoDrawer::AddCard(std::intptr_t data)
{
    auto card = std::make_unique<Card>();
    card->data = data;
    card->button = std::make_unique<CButtonDraw>(Tr(StringId::QueenCardButton), 0, this);
    card->button->SetWidth(kButtonWidth);
    m_cards.push_back(std::move(card));
    return static_cast<int>(m_cards.size()) - 1;
}

void CInfoDrawer::AddLine(int card, const InfoLine& line)
{
    if (card >= 0 && card < static_cast<int>(m_cards.size()))
        m_cards[static_cast<std::size_t>(card)]->lines.push_back(line);
}

void CInfoDrawer::Layout(int width)
{
    const int cardWidth = std::max(width, MinimumCardWidth);
    for (const auto& card : m_cards) {
        card->width = cardWidth;
        int height = 0;
        for (InfoLine& line : card->lines) {
            auto font = CreateFontHelper(line.bold, line.face, line.fontHeight, line.italic, false);
            const CSize size = MeasureText(line.text, cardWidth - 136, font.get());
            line.width = size.cx;
            line.height = size.cy;
            height += size.cy;
        }
        card->height = std::max(height, kPictureHeight) + 5;
        card->button->SetPosition(card->x + cardWidth - kButtonWidth, card->y);
        card->button->SetHeight(card->lines.empty() ? 0 : card->lines.front().height);
    }
}

int CInfoDrawer::GetTotalHeight() const
{
    int total = 0;
    for (const auto& card : m_cards)
        total += card->height;
    return total;
}

std::intptr_t CInfoDrawer::Data(int card) const
{
    return m_cards[static_cast<std::size_t>(card)]->data;
}

const std::vector<InfoLine>& CInfoDrawer::Lines(int card) const
{
    return m_cards[static_cast<std::size_t>(card)]->lines;
}

POINT CInfoDrawer::CardOrigin(int card) const
{
    const Card& found = *m_cards[static_cast<std::size_t>(card)];
    return { found.x, found.y };
}

int CInfoDrawer::CardHeight(int card) const
{
    return m_cards[static_cast<std::size_t>(card)]->height;
}

int CInfoDrawer::CardWidth(int card) const
{
    return m_cards[static_cast<std::size_t>(card)]->width;
}

CButtonDraw* CInfoDrawer::Button(int card) const
{
    return m_cards[static_cast<std::size_t>(card)]->button.get();
}

void CInfoDrawer::Clear()
{
    m_cards.clear();
    m_selected = -1;
}

CInfoDrawer::Card* CInfoDrawer::CardAt(int x, int y) const
{
    for (const auto& card : m_cards) {
        if (card->Contains(x, y))
            return card.get();
    }
    return nullptr;
}

bool CInfoDrawer::OnMouse(UINT message, int x, int y)
{
    Card* selected = m_selected >= 0 ? m_cards[static_cast<std::size_t>(m_selected)].get() : nullptr;
    if (message == WM_MOUSELEAVE) {
        if (selected)
            selected->button->OnMouse(WM_MOUSELEAVE, x, y, 0);
        return true;
    }
    if (message == WM_LBUTTONDOWN) {
        if (selected) {
            selected->selected = false;
            selected->button->SetFocus(false);
        }
        m_selected = -1;
        if (Card* hit = CardAt(x, y)) {
            hit->selected = true;
            hit->button->SetFocus(true);
            hit->button->OnMouse(message, x, y, 0);
            m_selected = static_cast<int>(std::find_if(m_cards.begin(), m_cards.end(),
                                              [hit](const auto& card) { return card.get() == hit; })
                - m_cards.begin());
        }
        return true;
    }
    if (message == WM_MOUSEMOVE) {
        if (selected && !selected->Contains(x, y))
            selected->button->OnMouse(WM_MOUSELEAVE, x, y, 0);
        if (Card* hit = CardAt(x, y)) {
            const RECT& button = hit->button->Rect();
            const bool inButton = x >= button.left && x < button.right && y >= button.top && y < button.bottom;
            hit->button->OnMouse(inButton ? WM_MOUSEMOVE : WM_MOUSELEAVE, x, y, 0);
        }
        return true;
    }
    if (message == WM_LBUTTONUP && selected)
        return selected->button->OnMouse(message, x, y, 0);
    return false;
}

void CInfoDrawer::PaintCard(CDC* dc, Card& card, bool withButton)
{
    const int x = card.x;
    const int y = card.y;
    const RECT text { x + kPictureWidth, y, x + kPictureWidth + card.width, y + card.height };
    dc->FillSolidRect(&text, card.selected ? RGB(200, 200, 200) : RGB(255, 255, 255));
    const RECT strip { x, y + kPictureHeight, x + kPictureWidth, y + card.height };
    dc->FillSolidRect(&strip, RGB(255, 255, 255));
    CBitmap picture;
    if (picture.LoadBitmap(kCardPicture))
        dc->DrawState(CPoint(x, y), CSize(kPictureWidth, kPictureHeight), &picture, DST_BITMAP | DSS_NORMAL);
    CBrush black(RGB(0, 0, 0));
    const RECT frame { x, y, x + card.width - 1, y + card.height };
    dc->FrameRect(&frame, &black);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(RGB(0, 0, 0));
    int lineTop = y + 2;
    for (const InfoLine& line : card.lines) {
        auto font = CreateFontHelper(line.bold, line.face, line.fontHeight, line.italic, false);
        CFont* oldFont = dc->SelectObject(font.get());
        RECT rect { x + kTextIndent, lineTop, x + kTextIndent + line.width, lineTop + line.height };
        dc->DrawText(line.text, &rect, DT_WORDBREAK | DT_NOPREFIX);
        dc->SelectObject(oldFont);
        lineTop += line.height;
    }
    if (withButton)
        card.button->Draw(dc);
}

void CInfoDrawer::PaintCards(CDC* dc, int left, int top, int first, int last)
{
    for (int index = first; index < last; ++index) {
        Card& card = *m_cards[static_cast<std::size_t>(index)];
        card.x = left;
        card.y = top;
        card.button->SetPosition(card.x + card.width - kButtonWidth, top);
        top += card.height;
        // Paper has nothing to press.
        PaintCard(dc, card, false);
    }
}

void CInfoDrawer::Draw(CDC* dc, int left, int top, int right, int bottom)
{
    PaintOffScreen(dc, CRect(left, top, right, bottom), GetSysColor(COLOR_BTNFACE), [this](CDC& memory) {
        int y = m_topOffset;
        for (const auto& card : m_cards) {
            card->x = m_left;
            card->y = y;
            card->button->SetPosition(card->x + card->width - kButtonWidth, y);
            y += card->height;
            PaintCard(&memory, *card, true);
        }
    });
}
