#include "Dc.h"

#include "Bitmap.h"
#include "Brush.h"
#include "DcState.h"
#include "Font.h"
#include "NativeWindow.h"
#include "Pen.h"
#include "GdiAccess.h"
#include "QtBridge.h"
#include "Rgn.h"

#include <QApplication>

#include <vector>

namespace {
CPen* StockPen(int object)
{
    return dynamic_cast<CPen*>(GetStockObject(object));
}
CBrush* StockBrush(int object)
{
    return dynamic_cast<CBrush*>(GetStockObject(object));
}

// The lengths of the runs of pixels on and off (alternating, on first) of a one-pixel styled
// pen, as the desktop draws them; empty for a solid pen.
const std::vector<int>& PenPattern(int style)
{
    static const std::vector<int> solid;
    static const std::vector<int> dot { 3, 3 };
    static const std::vector<int> dash { 18, 6 };
    static const std::vector<int> dashDot { 9, 6, 3, 6 };
    switch (style) {
    case PS_DOT: return dot;
    case PS_DASH: return dash;
    case PS_DASHDOT: return dashDot;
    default: return solid;
    }
}

bool PatternOn(const std::vector<int>& pattern, int phase)
{
    if (pattern.empty())
        return true;
    int period = 0;
    for (int run : pattern)
        period += run;
    int offset = phase % period;
    for (std::size_t run = 0; run < pattern.size(); ++run) {
        if (offset < pattern[run])
            return run % 2 == 0;
        offset -= pattern[run];
    }
    return false;
}
}

const QFont& DefaultDcFont()
{
    static const QFont font = [] {
        LOGFONTW system;
        system.lfHeight = 16;
        system.lfWeight = FW_NORMAL;
        const char16_t face[] = u"MS Sans Serif";
        std::copy(std::begin(face), std::end(face), system.lfFaceName);
        return MakeQFont(system);
    }();
    return font;
}

CGdiObject* GetStockObject(int object)
{
    struct Stock
    {
        CBrush white { RGB(255, 255, 255) };
        CBrush lightGray { RGB(192, 192, 192) };
        CBrush gray { RGB(128, 128, 128) };
        CBrush black { RGB(0, 0, 0) };
        CBrush null;
        CPen whitePen { PS_SOLID, 1, RGB(255, 255, 255) };
        CPen blackPen { PS_SOLID, 1, RGB(0, 0, 0) };
        CPen nullPen { PS_NULL, 1, 0 };
        CFont systemFont;
        CFont guiFont;
        Stock()
        {
            null.CreateNullBrush();
            LOGFONTW system;
            system.lfHeight = 16;
            const char16_t face[] = u"MS Sans Serif";
            std::copy(std::begin(face), std::end(face), system.lfFaceName);
            systemFont.CreateFontIndirect(&system);
            LOGFONTW gui = system;
            gui.lfHeight = -11;
            guiFont.CreateFontIndirect(&gui);
        }
    };
    static Stock stock;
    switch (object) {
    case WHITE_BRUSH: return &stock.white;
    case LTGRAY_BRUSH: return &stock.lightGray;
    case GRAY_BRUSH: return &stock.gray;
    case BLACK_BRUSH: return &stock.black;
    case NULL_BRUSH: return &stock.null;
    case WHITE_PEN: return &stock.whitePen;
    case BLACK_PEN: return &stock.blackPen;
    case NULL_PEN: return &stock.nullPen;
    case SYSTEM_FONT: return &stock.systemFont;
    case DEFAULT_GUI_FONT: return &stock.guiFont;
    default: return nullptr;
    }
}

COLORREF GetSysColor(int index)
{
    const QPalette palette = QApplication::palette();
    switch (index) {
    case COLOR_WINDOW: return FromQColor(palette.color(QPalette::Base));
    case COLOR_WINDOWTEXT: return FromQColor(palette.color(QPalette::Text));
    case COLOR_HIGHLIGHT: return FromQColor(palette.color(QPalette::Highlight));
    case COLOR_HIGHLIGHTTEXT: return FromQColor(palette.color(QPalette::HighlightedText));
    case COLOR_BTNFACE: return FromQColor(palette.color(QPalette::Button));
    case COLOR_BTNSHADOW: return FromQColor(palette.color(QPalette::Mid));
    case COLOR_GRAYTEXT: return FromQColor(palette.color(QPalette::Disabled, QPalette::Text));
    case COLOR_BTNTEXT: return FromQColor(palette.color(QPalette::ButtonText));
    case COLOR_BTNHIGHLIGHT: return FromQColor(palette.color(QPalette::Light));
    case COLOR_3DDKSHADOW: return FromQColor(palette.color(QPalette::Shadow));
    default: return 0;
    }
}

DcState::DcState()
    : defaultImage(1, 1, QImage::Format_RGB32)
{
    defaultImage.fill(Qt::white);
    pen = StockPen(BLACK_PEN);
    brush = StockBrush(WHITE_BRUSH);
    font = nullptr;
    qfont = DefaultDcFont();
}

DcState::~DcState()
{
    DetachBitmap();
    EndOwnPainter();
}

QImage* DcState::Target()
{
    if (!memory)
        return nullptr;
    return bitmap ? &GdiAccess::Image(*bitmap) : &defaultImage;
}

const QImage* DcState::Target() const
{
    return const_cast<DcState*>(this)->Target();
}

void DcState::BeginOnTarget()
{
    EndOwnPainter();
    QImage* target = Target();
    if (!target || target->isNull())
        return;
    ownPainter = std::make_unique<QPainter>(target);
    painter = ownPainter.get();
    size = target->size();
    ApplyFont();
}

void DcState::EndOwnPainter()
{
    if (ownPainter) {
        ownPainter->end();
        ownPainter.reset();
        painter = nullptr;
    }
}

void DcState::DetachBitmap()
{
    if (bitmap) {
        EndOwnPainter();
        bitmap->SetSelectedInto(nullptr);
        bitmap = nullptr;
    }
}

void DcState::ApplyFont()
{
    if (painter)
        painter->setFont(qfont);
}

bool DcState::PenVisible() const
{
    return pen && pen->IsCreated() && pen->GetStyle() != PS_NULL;
}

bool DcState::OnePixelPen() const
{
    return pen && pen->GetWidth() <= 1;
}

QColor DcState::PenColor() const
{
    return ToQColor(pen ? pen->GetColor() : 0);
}

QPen DcState::QtPen() const
{
    QPen qtPen(PenColor());
    qtPen.setWidth(pen ? std::max(1, pen->GetWidth()) : 1);
    qtPen.setCapStyle(Qt::RoundCap);
    qtPen.setJoinStyle(Qt::RoundJoin);
    return qtPen;
}

void DcState::PenLine(QPoint from, QPoint to, bool withLast)
{
    if (!painter || !PenVisible())
        return;
    if (!OnePixelPen()) {
        painter->setPen(QtPen());
        painter->drawLine(from, to);
        painter->setPen(Qt::NoPen);
        return;
    }
    const std::vector<int>& pattern = PenPattern(pen->GetStyle());
    const QColor color = PenColor();
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    if (pattern.empty() && (dx == 0 || dy == 0)) {
        const int extra = withLast ? 1 : 0;
        if (dy == 0 && dx != 0) {
            const int left = sx > 0 ? from.x() : to.x() + (withLast ? 0 : 1);
            painter->fillRect(QRect(left, from.y(), dx + extra, 1), color);
        } else if (dx == 0 && dy != 0) {
            const int top = sy > 0 ? from.y() : to.y() + (withLast ? 0 : 1);
            painter->fillRect(QRect(from.x(), top, 1, -dy + extra), color);
        } else if (withLast) {
            painter->fillRect(QRect(from, QSize(1, 1)), color);
        }
        return;
    }
    int error = dx + dy;
    QPoint point = from;
    while (true) {
        const bool last = point == to;
        if (last && !withLast)
            break;
        if (PatternOn(pattern, dashPhase))
            painter->fillRect(QRect(point, QSize(1, 1)), color);
        ++dashPhase;
        if (last)
            break;
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            point.rx() += sx;
        }
        if (doubled <= dx) {
            error += dx;
            point.ry() += sy;
        }
    }
}

CDC::CDC()
    : m_state(std::make_unique<DcState>())
{
}

CDC::~CDC() = default;

BOOL CDC::CreateCompatibleDC(CDC*)
{
    m_state->DetachBitmap();
    m_state->EndOwnPainter();
    m_state->memory = true;
    m_state->BeginOnTarget();
    return TRUE;
}

void GdiAccess::AttachPainter(CDC& dc, QPainter* painter, const QSize& size)
{
    DcState& state = dc.State();
    state.EndOwnPainter();
    state.memory = false;
    state.painter = painter;
    state.size = size;
    state.ApplyFont();
}

CPen* CDC::SelectObject(CPen* pen)
{
    CPen* previous = m_state->pen;
    if (pen)
        m_state->pen = pen;
    return previous;
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    CBrush* previous = m_state->brush;
    if (brush)
        m_state->brush = brush;
    return previous;
}

CFont* CDC::SelectObject(CFont* font)
{
    CFont* previous = m_state->font ? m_state->font : dynamic_cast<CFont*>(GetStockObject(SYSTEM_FONT));
    if (font) {
        m_state->font = font;
        m_state->qfont = font->IsCreated() ? GdiAccess::Font(*font) : DefaultDcFont();
        m_state->ApplyFont();
    }
    return previous;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    if (!m_state->memory || !bitmap || !bitmap->IsCreated())
        return nullptr;
    CBitmap* previous = m_state->bitmap;
    if (bitmap->SelectedInto() && bitmap->SelectedInto() != this)
        bitmap->SelectedInto()->State().DetachBitmap();
    m_state->DetachBitmap();
    m_state->bitmap = bitmap;
    bitmap->SetSelectedInto(this);
    m_state->BeginOnTarget();
    return previous;
}

CGdiObject* CDC::SelectObject(CGdiObject* object)
{
    if (auto* pen = dynamic_cast<CPen*>(object))
        return SelectObject(pen);
    if (auto* brush = dynamic_cast<CBrush*>(object))
        return SelectObject(brush);
    if (auto* font = dynamic_cast<CFont*>(object))
        return SelectObject(font);
    if (auto* bitmap = dynamic_cast<CBitmap*>(object))
        return SelectObject(bitmap);
    return nullptr;
}

CGdiObject* CDC::SelectStockObject(int object)
{
    return SelectObject(GetStockObject(object));
}

CFont* CDC::GetCurrentFont() const
{
    return m_state->font;
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    std::swap(m_state->textColor, color);
    return color;
}

COLORREF CDC::SetBkColor(COLORREF color)
{
    std::swap(m_state->bkColor, color);
    return color;
}

int CDC::SetBkMode(int mode)
{
    std::swap(m_state->bkMode, mode);
    return mode;
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom)
{
    if (QPainter* painter = m_state->Painter())
        painter->setClipRect(QRect(left, top, right - left, bottom - top), painter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    return SIMPLEREGION;
}

int CDC::SaveDC()
{
    if (QPainter* painter = m_state->Painter())
        painter->save();
    m_state->savedCount.push_back(1);
    return static_cast<int>(m_state->savedCount.size());
}

BOOL CDC::RestoreDC(int)
{
    if (m_state->savedCount.empty())
        return FALSE;
    m_state->savedCount.pop_back();
    if (QPainter* painter = m_state->Painter())
        painter->restore();
    return TRUE;
}

CPaintDC::CPaintDC(CWnd* window)
{
    NativeWindow* native = window ? window->Native() : nullptr;
    if (native && native->painter) {
        GdiAccess::AttachPainter(*this, native->painter, native->ClientRect().size());
        m_ps_rcPaint = FromQRect(native->paintRect);
    }
}

CClientDC::CClientDC(CWnd* window)
{
    NativeWindow* native = window ? window->Native() : nullptr;
    if (native && native->painter)
        GdiAccess::AttachPainter(*this, native->painter, native->ClientRect().size());
    else
        CreateCompatibleDC(nullptr);
}
