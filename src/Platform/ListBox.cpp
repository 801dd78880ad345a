#include "ListBox.h"

#include "ControlKinds.h"
#include "Dc.h"
#include "ListSearch.h"
#include "NativeWindow.h"
#include "GdiDefs.h"
#include "OwnerDraw.h"
#include "GdiAccess.h"
#include "QtBridge.h"

#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {
const char16_t* TextOf(LPARAM lParam)
{
    return lParam ? reinterpret_cast<const char16_t*>(lParam) : u"";
}

class ListWindow;

// Owner-drawn items: each paint is a WM_DRAWITEM to the parent.
class OwnerDrawDelegate : public QStyledItemDelegate
{
public:
    explicit OwnerDrawDelegate(ListWindow* list) : m_list(list) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    ListWindow* m_list;
};

class ListWindow : public NativeWindow
{
public:
    using NativeWindow::NativeWindow;

    QWidget* MakeWidget(QWidget* parent, const CREATESTRUCT& create) override
    {
        auto* list = new BridgedArea<QListWidget>(parent);
        list->setFocusPolicy(create.style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
        list->setSelectionMode(
            create.style & LBS_MULTIPLESEL ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
        list->setUniformItemSizes(true);
        if (!(create.dwExStyle & WS_EX_CLIENTEDGE) && !(create.style & WS_BORDER))
            list->setFrameShape(QFrame::NoFrame);
        if (create.style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE))
            list->setItemDelegate(new OwnerDrawDelegate(this));
        // The selection, not Qt's current row: focus alone moves the current row, not the selection.
        QObject::connect(list, &QListWidget::itemSelectionChanged, list, [this] {
            QListWidgetItem* now = SelectedItem();
            if (now == selected)
                return;
            selected = now;
            if (!quiet && style & LBS_NOTIFY)
                Notify(LBN_SELCHANGE);
        });
        QObject::connect(list, &QListWidget::itemDoubleClicked, list, [this] {
            if (style & LBS_NOTIFY)
                Notify(LBN_DBLCLK);
        });
        return list;
    }

    QWidget* InputWidget() const override { return List() ? List()->viewport() : nullptr; }
    QListWidget* List() const { return static_cast<QListWidget*>(widget.data()); }
    QListWidgetItem* SelectedItem() const
    {
        const QList<QListWidgetItem*> items = List()->selectedItems();
        return items.isEmpty() ? nullptr : items.first();
    }
    bool OwnerDrawn() const { return style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE); }

    int ItemHeight()
    {
        if (itemHeight < 0) {
            MEASUREITEMSTRUCT measure;
            measure.CtlType = ODT_LISTBOX;
            measure.CtlID = static_cast<UINT>(id);
            measure.itemHeight = static_cast<UINT>(QFontMetrics(List()->font()).height());
            if (OwnerDrawn())
                SendToParent(WM_MEASUREITEM, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&measure));
            itemHeight = static_cast<int>(measure.itemHeight);
        }
        return itemHeight;
    }

    QStringList Entries() const
    {
        QStringList entries;
        for (int i = 0; i < List()->count(); ++i)
            entries << List()->item(i)->text();
        return entries;
    }

    LRESULT ClassProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        QListWidget* list = List();
        if (!list)
            return NativeWindow::ClassProc(message, wParam, lParam);
        const int index = static_cast<int>(static_cast<std::intptr_t>(wParam));
        const bool valid = index >= 0 && index < list->count();
        quiet = true;
        LRESULT result = 0;
        switch (message) {
        case LB_ADDSTRING:
        case LB_INSERTSTRING: {
            const QString text = QString::fromUtf16(TextOf(lParam));
            int at = list->count();
            if (message == LB_ADDSTRING && style & LBS_SORT)
                at = ListSearch::SortedIndex(Entries(), text);
            else if (message == LB_INSERTSTRING && index >= 0 && index <= list->count())
                at = index;
            list->insertItem(at, text);
            result = at;
            break;
        }
        case LB_DELETESTRING:
            if (valid)
                delete list->takeItem(index);
            result = valid ? list->count() : LB_ERR;
            break;
        case LB_RESETCONTENT: list->clear(); break;
        case LB_GETCOUNT: result = list->count(); break;
        case LB_GETCURSEL: result = list->currentItem() && list->currentItem()->isSelected() ? list->currentRow() : LB_ERR; break;
        case LB_SETCURSEL:
            if (valid)
                list->setCurrentRow(index);
            else
                list->setCurrentRow(-1);
            result = valid ? index : LB_ERR;
            break;
        case LB_SETSEL: {
            const int entry = static_cast<int>(lParam);
            for (int row = 0; row < list->count(); ++row) {
                if (entry == -1 || row == entry)
                    list->item(row)->setSelected(wParam != 0);
            }
            result = entry >= -1 && entry < list->count() ? 0 : LB_ERR;
            break;
        }
        case LB_GETSEL: result = valid ? (list->item(index)->isSelected() ? 1 : 0) : LB_ERR; break;
        case LB_GETSELCOUNT: result = list->selectedItems().size(); break;
        case LB_GETTEXTLEN: result = valid ? list->item(index)->text().size() : LB_ERR; break;
        case LB_GETTEXT:
            if (valid) {
                const QString text = list->item(index)->text();
                auto* buffer = reinterpret_cast<char16_t*>(lParam);
                std::copy_n(reinterpret_cast<const char16_t*>(text.utf16()), text.size(), buffer);
                buffer[text.size()] = 0;
                result = text.size();
            } else {
                result = LB_ERR;
            }
            break;
        case LB_FINDSTRING:
        case LB_FINDSTRINGEXACT:
            result = ListSearch::Find(Entries(), index, QString::fromUtf16(TextOf(lParam)), message == LB_FINDSTRINGEXACT);
            break;
        case LB_SETITEMDATA:
            if (valid)
                list->item(index)->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(static_cast<qulonglong>(lParam)));
            result = valid ? 0 : LB_ERR;
            break;
        case LB_GETITEMDATA: result = valid ? static_cast<LRESULT>(list->item(index)->data(Qt::UserRole).toULongLong()) : LB_ERR; break;
        case LB_SETITEMHEIGHT:
            itemHeight = static_cast<int>(LOWORD(static_cast<std::uintptr_t>(lParam)));
            list->doItemsLayout();
            break;
        case LB_GETITEMHEIGHT: result = ItemHeight(); break;
        case LB_GETTOPINDEX: {
            QListWidgetItem* top = list->itemAt(0, 0);
            result = top ? list->row(top) : 0;
            break;
        }
        case LB_GETITEMRECT:
            if (valid)
                *reinterpret_cast<RECT*>(lParam) = FromQRect(list->visualItemRect(list->item(index)));
            result = valid ? 1 : LB_ERR;
            break;
        case LB_ITEMFROMPOINT: {
            const QPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            QListWidgetItem* item = list->itemAt(point);
            if (item) {
                result = list->row(item);
            } else {
                const int last = std::max(0, list->count() - 1);
                result = static_cast<LRESULT>(MAKELONG(static_cast<std::uint32_t>(last), 1));
            }
            break;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            quiet = false;
            NativeWindow::ClassProc(message, wParam, lParam);
            Notify(message == WM_SETFOCUS ? LBN_SETFOCUS : LBN_KILLFOCUS);
            return 0;
        default:
            quiet = false;
            return NativeWindow::ClassProc(message, wParam, lParam);
        }
        selected = SelectedItem();
        quiet = false;
        return result;
    }

    bool quiet = false;
    // The selected item the parent knows of.
    QListWidgetItem* selected = nullptr;
    int itemHeight = -1;
};

void OwnerDrawDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    CDC dc;
    GdiAccess::AttachPainter(dc, painter, option.rect.size());
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_LISTBOX;
    item.CtlID = static_cast<UINT>(m_list->id);
    item.itemID = static_cast<UINT>(index.row());
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = (option.state & QStyle::State_Selected ? ODS_SELECTED : 0) | (option.state & QStyle::State_HasFocus ? ODS_FOCUS : 0);
    item.hwndItem = m_list->owner;
    item.hDC = &dc;
    item.rcItem = FromQRect(option.rect);
    item.itemData = static_cast<std::uintptr_t>(index.data(Qt::UserRole).toULongLong());
    painter->save();
    m_list->SendToParent(WM_DRAWITEM, static_cast<WPARAM>(m_list->id), reinterpret_cast<LPARAM>(&item));
    painter->restore();
}

QSize OwnerDrawDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), m_list->ItemHeight());
}

}

std::unique_ptr<NativeWindow> MakeListWindow(CWnd* owner)
{
    return std::make_unique<ListWindow>(owner);
}

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(u"LISTBOX", u"", style, rect, parent, id);
}

#define LIST_SEND(message, wParam, lParam) \
    static_cast<int>(const_cast<CListBox*>(this)->SendMessage(message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam)))

int CListBox::AddString(const std::u16string& text) { return LIST_SEND(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())); }
int CListBox::InsertString(int index, const std::u16string& text)
{
    return LIST_SEND(LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str()));
}
int CListBox::DeleteString(int index) { return LIST_SEND(LB_DELETESTRING, index, 0); }
void CListBox::ResetContent() { SendMessage(LB_RESETCONTENT); }
int CListBox::GetCount() const { return LIST_SEND(LB_GETCOUNT, 0, 0); }
int CListBox::GetCurSel() const { return IsCreated() ? LIST_SEND(LB_GETCURSEL, 0, 0) : LB_ERR; }
int CListBox::SetCurSel(int index) { return LIST_SEND(LB_SETCURSEL, index, 0); }
int CListBox::GetTextLen(int index) const { return LIST_SEND(LB_GETTEXTLEN, index, 0); }
bool CListBox::GetSel(int index) const { return LIST_SEND(LB_GETSEL, index, 0) > 0; }
int CListBox::SetSel(int index, bool select) { return LIST_SEND(LB_SETSEL, select ? 1 : 0, index); }
int CListBox::GetSelCount() const { return LIST_SEND(LB_GETSELCOUNT, 0, 0); }

int CListBox::GetText(int index, std::u16string& text) const
{
    const int length = GetTextLen(index);
    if (length < 0) {
        text.clear();
        return LB_ERR;
    }
    text.assign(static_cast<std::size_t>(length) + 1, u'\0');
    const_cast<CListBox*>(this)->SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return length;
}

int CListBox::FindString(int after, const std::u16string& prefix) const
{
    return LIST_SEND(LB_FINDSTRING, after, reinterpret_cast<LPARAM>(prefix.c_str()));
}
int CListBox::FindStringExact(int after, const std::u16string& text) const
{
    return LIST_SEND(LB_FINDSTRINGEXACT, after, reinterpret_cast<LPARAM>(text.c_str()));
}
int CListBox::SetItemData(int index, std::uintptr_t data) { return LIST_SEND(LB_SETITEMDATA, index, data); }
std::uintptr_t CListBox::GetItemData(int index) const
{
    return static_cast<std::uintptr_t>(const_cast<CListBox*>(this)->SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)));
}
int CListBox::SetItemHeight(int index, UINT height) { return LIST_SEND(LB_SETITEMHEIGHT, index, MAKELPARAM(height, 0)); }
int CListBox::GetItemHeight(int index) const { return LIST_SEND(LB_GETITEMHEIGHT, index, 0); }
int CListBox::GetItemRect(int index, RECT* rect) const { return LIST_SEND(LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(rect)); }

UINT CListBox::ItemFromPoint(CPoint point, BOOL& outside) const
{
    const auto result = static_cast<DWORD>(const_cast<CListBox*>(this)->SendMessage(LB_ITEMFROMPOINT, 0,
        MAKELPARAM(static_cast<std::uint16_t>(point.x), static_cast<std::uint16_t>(point.y))));
    outside = HIWORD(result) ? TRUE : FALSE;
    return LOWORD(result);
}
#undef LIST_SEND
