#include "DialogWnd.h"

#include "BufferedPaint.h"
#include "Cursor.h"
#include "Dc.h"
#include "Dialog.h"
#include "FontHelper.h"
#include "WindowClass.h"

CDialogWnd::CDialogWnd(const RECT& place, UINT id, DWORD extraStyle)
    : m_place(place)
    , m_id(id)
    , m_extraStyle(extraStyle)
{
}

BOOL CDialogWnd::Create(CWnd* parent)
{
    // The places are pixels of the dialog at the font it was designed with, whose base units are
    // 6 x 13; where the font measures otherwise the dialog's own units scale them, so that the panes
    // keep clear of the buttons laid out in dialog units below them.
    CRect place = m_place;
    if (auto* dialog = dynamic_cast<CDialog*>(parent)) {
        RECT units { 0, 0, 4, 8 };
        dialog->MapDialogRect(&units);
        place = CRect(m_place.left * units.right / 6, m_place.top * units.bottom / 13, m_place.right * units.right / 6,
            m_place.bottom * units.bottom / 13);
    }
    const std::u16string windowClass = AfxRegisterWndClass(0, LoadCursor(IDC_ARROW));
    return CreateEx(0, windowClass, u"", WS_CHILD | WS_VISIBLE | WS_BORDER | m_extraStyle, place, parent, m_id);
}

BOOL CDialogWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CDialogWnd::OnPaint()
{
    PaintBuffered(this, RGB(255, 255, 255), [this](CDC& memory, const RECT& client) {
        memory.SetBkMode(TRANSPARENT);
        memory.SetTextColor(RGB(0, 0, 0));
        CFont* oldFont = memory.GetCurrentFont();
        Paint(&memory, client);
        memory.SelectObject(oldFont);
    });
}

int CDialogWnd::DrawBlock(CDC* dc, const CRect& client, const std::u16string& text, CFont* font, int top, UINT align)
{
    const CSize size = MeasureText(text, client.Width(), font);
    dc->SelectObject(font);
    RECT place { client.left, top, client.right, top + size.cy };
    dc->DrawText(text, &place, align | DT_WORDBREAK | DT_NOPREFIX);
    return top + size.cy;
}

void CDialogWnd::DrawCentred(CDC* dc, const CRect& client, const std::u16string& text, CFont* font)
{
    const CSize size = MeasureText(text, client.Width(), font);
    dc->SelectObject(font);
    RECT place { client.left + (client.Width() - size.cx) / 2, client.top + (client.Height() - size.cy) / 2, 0, 0 };
    place.right = place.left + size.cx;
    place.bottom = place.top + size.cy;
    dc->DrawText(text, &place, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
}
