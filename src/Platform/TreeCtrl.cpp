#include "TreeCtrl.h"

#include "ControlKinds.h"
#include "NativeWindow.h"
#include "QtBridge.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QIcon>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace {
QTreeWidgetItem* ItemOf(HTREEITEM handle)
{
    return reinterpret_cast<QTreeWidgetItem*>(handle);
}

HTREEITEM HandleOf(QTreeWidgetItem* item)
{
    return reinterpret_cast<HTREEITEM>(item);
}

class TreeWindow;

// The desktop orders labels without regard to case.
class TreeItem : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override
    {
        return text(0).compare(other.text(0), Qt::CaseInsensitive) < 0;
    }
};

// Label edits ask the parent before the new text is taken.
class LabelDelegate : public QStyledItemDelegate
{
public:
    explicit LabelDelegate(TreeWindow* tree) : m_tree(tree) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    bool committed = false;

private:
    TreeWindow* m_tree;
};

class TreeWindow : public NativeWindow
{
public:
    using NativeWindow::NativeWindow;

    QWidget* MakeWidget(QWidget* parent, const CREATESTRUCT& create) override
    {
        auto* tree = new BridgedArea<QTreeWidget>(parent);
        tree->setHeaderHidden(true);
        tree->setColumnCount(1);
        tree->setFocusPolicy(create.style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
        tree->setSelectionMode(QAbstractItemView::SingleSelection);
        tree->setRootIsDecorated(create.style & TVS_LINESATROOT);
        tree->setItemsExpandable(true);
        tree->setAllColumnsShowFocus(create.style & TVS_FULLROWSELECT);
        tree->setExpandsOnDoubleClick(true);
        if (!(create.dwExStyle & WS_EX_CLIENTEDGE) && !(create.style & WS_BORDER))
            tree->setFrameShape(QFrame::NoFrame);
        delegate = new LabelDelegate(this);
        // A view does not own its delegate: the tree does, so it goes with the tree.
        delegate->setParent(tree);
        tree->setItemDelegate(delegate);
        tree->setEditTriggers(create.style & TVS_EDITLABELS
                ? QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed
                : QAbstractItemView::NoEditTriggers);
        QObject::connect(tree, &QTreeWidget::itemSelectionChanged, tree, [this] { SelectionChanged(); });
        QObject::connect(delegate, &QAbstractItemDelegate::closeEditor, tree, [this] {
            if (!delegate->committed)
                EndLabelEdit(nullptr, nullptr);
            delegate->committed = false;
            editing = nullptr;
        });
        return tree;
    }

    QWidget* InputWidget() const override { return Tree() ? Tree()->viewport() : nullptr; }
    QTreeWidget* Tree() const { return static_cast<QTreeWidget*>(widget.data()); }

    QTreeWidgetItem* Selected() const
    {
        const QList<QTreeWidgetItem*> items = Tree()->selectedItems();
        return items.isEmpty() ? nullptr : items.first();
    }

    // Selects the item (null: nothing) without telling the parent.
    void ShowSelected(QTreeWidgetItem* item)
    {
        if (item) {
            Tree()->setCurrentItem(item);
            item->setSelected(true);
            Tree()->scrollToItem(item);
        } else {
            Tree()->clearSelection();
        }
    }

    void SelectionChanged()
    {
        QTreeWidgetItem* now = Selected();
        if (quiet || now == lastSelected)
            return;
        AnnounceSelection(now, byProgram ? TVC_UNKNOWN : (QApplication::mouseButtons() != Qt::NoButton ? TVC_BYMOUSE : TVC_BYKEYBOARD));
    }

    // TVN_SELCHANGED from the last announced selection to `now`.
    void AnnounceSelection(QTreeWidgetItem* now, UINT action)
    {
        NMTREEVIEW change;
        change.hdr.hwndFrom = owner;
        change.hdr.idFrom = static_cast<UINT_PTR>(id);
        change.hdr.code = TVN_SELCHANGED;
        change.action = action;
        change.itemOld.hItem = HandleOf(lastSelected);
        change.itemOld.lParam = lastSelected ? static_cast<LPARAM>(lastSelected->data(0, Qt::UserRole).toULongLong()) : 0;
        change.itemNew.hItem = HandleOf(now);
        change.itemNew.lParam = now ? static_cast<LPARAM>(now->data(0, Qt::UserRole).toULongLong()) : 0;
        lastSelected = now;
        SendToParent(WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&change));
    }

    // Returns whether the parent takes the text (null text: the edit was cancelled).
    bool EndLabelEdit(QTreeWidgetItem* item, const std::u16string* text)
    {
        NMTVDISPINFO info;
        info.hdr.hwndFrom = owner;
        info.hdr.idFrom = static_cast<UINT_PTR>(id);
        info.hdr.code = TVN_ENDLABELEDIT;
        QTreeWidgetItem* target = item ? item : editing;
        info.item.hItem = HandleOf(target);
        info.item.lParam = target ? static_cast<LPARAM>(target->data(0, Qt::UserRole).toULongLong()) : 0;
        info.item.pszText = text ? text->c_str() : nullptr;
        return SendToParent(WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&info)) != 0 && text;
    }

    bool quiet = false;
    bool byProgram = false;
    QTreeWidgetItem* lastSelected = nullptr;
    QTreeWidgetItem* editing = nullptr;
    LabelDelegate* delegate = nullptr;
};

QWidget* LabelDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QTreeWidgetItem* item = m_tree->Tree()->itemFromIndex(index);
    m_tree->editing = item;
    NMTVDISPINFO info;
    info.hdr.hwndFrom = m_tree->owner;
    info.hdr.idFrom = static_cast<UINT_PTR>(m_tree->id);
    info.hdr.code = TVN_BEGINLABELEDIT;
    info.item.hItem = HandleOf(item);
    info.item.lParam = item ? static_cast<LPARAM>(item->data(0, Qt::UserRole).toULongLong()) : 0;
    // The parent returns TRUE to keep the label from being edited.
    if (m_tree->SendToParent(WM_NOTIFY, static_cast<WPARAM>(m_tree->id), reinterpret_cast<LPARAM>(&info)))
        return nullptr;
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void LabelDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    auto* self = const_cast<LabelDelegate*>(this);
    self->committed = true;
    const auto* line = qobject_cast<QLineEdit*>(editor);
    const std::u16string text = line ? FromQString(line->text()) : std::u16string();
    QTreeWidgetItem* item = m_tree->Tree()->itemFromIndex(index);
    if (m_tree->EndLabelEdit(item, &text))
        model->setData(index, ToQString(text));
}

TreeWindow* Kind(const CWnd* window)
{
    return window ? dynamic_cast<TreeWindow*>(window->Native()) : nullptr;
}

// After the siblings that do not sort behind the item.
int SortedPlace(const QList<QTreeWidgetItem*>& siblings, const QTreeWidgetItem& item)
{
    int place = 0;
    while (place < siblings.size() && !(item < *siblings[place]))
        ++place;
    return place;
}

QList<QTreeWidgetItem*> Children(QTreeWidget* tree, QTreeWidgetItem* parent)
{
    QList<QTreeWidgetItem*> children;
    const int count = parent ? parent->childCount() : tree->topLevelItemCount();
    for (int i = 0; i < count; ++i)
        children << (parent ? parent->child(i) : tree->topLevelItem(i));
    return children;
}

bool IsWithin(const QTreeWidgetItem* item, const QTreeWidgetItem* branch)
{
    for (; item; item = item->parent()) {
        if (item == branch)
            return true;
    }
    return false;
}

// Where the desktop moves the selection when the item goes: its next sibling, else its
// previous sibling, else its parent.
QTreeWidgetItem* Neighbour(QTreeWidget* tree, QTreeWidgetItem* item)
{
    const QList<QTreeWidgetItem*> siblings = Children(tree, item->parent());
    const qsizetype index = siblings.indexOf(item);
    if (index + 1 < siblings.size())
        return siblings[index + 1];
    if (index > 0)
        return siblings[index - 1];
    return item->parent();
}
}

std::unique_ptr<NativeWindow> MakeTreeWindow(CWnd* owner)
{
    return std::make_unique<TreeWindow>(owner);
}

BOOL CTreeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(u"SysTreeView32", u"", style, rect, parent, id);
}

HTREEITEM CTreeCtrl::InsertItem(const std::u16string& text, HTREEITEM parent, HTREEITEM after)
{
    TreeWindow* tree = Kind(this);
    if (!tree)
        return nullptr;
    QTreeWidgetItem* parentItem = parent == TVI_ROOT || !parent ? nullptr : ItemOf(parent);
    const QList<QTreeWidgetItem*> siblings = Children(tree->Tree(), parentItem);
    auto* item = new TreeItem(QStringList(ToQString(text)));
    int place = static_cast<int>(siblings.size());
    if (after == TVI_FIRST)
        place = 0;
    else if (after == TVI_SORT)
        place = SortedPlace(siblings, *item);
    else if (after != TVI_LAST && after)
        place = static_cast<int>(siblings.indexOf(ItemOf(after))) + 1;
    item->setFlags(item->flags() | (GetStyle() & TVS_EDITLABELS ? Qt::ItemIsEditable : Qt::NoItemFlags));
    if (parentItem)
        parentItem->insertChild(place, item);
    else
        tree->Tree()->insertTopLevelItem(place, item);
    return HandleOf(item);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM handle)
{
    TreeWindow* tree = Kind(this);
    if (!tree)
        return FALSE;
    if (!handle || handle == TVI_ROOT)
        return DeleteAllItems();
    QTreeWidgetItem* item = ItemOf(handle);
    QTreeWidgetItem* selected = tree->Selected();
    const bool holdsSelection = selected && IsWithin(selected, item);
    QTreeWidgetItem* kept = holdsSelection ? Neighbour(tree->Tree(), item) : selected;
    tree->quiet = true;
    delete item;
    // Qt picks its own item when the current one goes; the desktop's choice is `kept`.
    if (tree->Selected() != kept)
        tree->ShowSelected(kept);
    tree->quiet = false;
    if (holdsSelection) {
        // The old item is gone, so the notice names none.
        tree->lastSelected = nullptr;
        tree->AnnounceSelection(kept, TVC_UNKNOWN);
    }
    return TRUE;
}

BOOL CTreeCtrl::DeleteAllItems()
{
    TreeWindow* tree = Kind(this);
    if (!tree)
        return FALSE;
    tree->quiet = true;
    tree->Tree()->clear();
    tree->lastSelected = nullptr;
    tree->quiet = false;
    return TRUE;
}

UINT CTreeCtrl::GetCount() const
{
    TreeWindow* tree = Kind(this);
    if (!tree)
        return 0;
    UINT count = 0;
    for (QTreeWidgetItemIterator it(tree->Tree()); *it; ++it)
        ++count;
    return count;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, std::uintptr_t data)
{
    if (!Kind(this) || !item)
        return FALSE;
    ItemOf(item)->setData(0, Qt::UserRole, QVariant::fromValue<qulonglong>(data));
    return TRUE;
}

std::uintptr_t CTreeCtrl::GetItemData(HTREEITEM item) const
{
    return Kind(this) && item ? static_cast<std::uintptr_t>(ItemOf(item)->data(0, Qt::UserRole).toULongLong()) : 0;
}

std::u16string CTreeCtrl::GetItemText(HTREEITEM item) const
{
    return Kind(this) && item ? FromQString(ItemOf(item)->text(0)) : std::u16string();
}

BOOL CTreeCtrl::SetItemText(HTREEITEM item, const std::u16string& text)
{
    if (!Kind(this) || !item)
        return FALSE;
    ItemOf(item)->setText(0, ToQString(text));
    return TRUE;
}

BOOL CTreeCtrl::SetItemTextColor(HTREEITEM item, COLORREF colour)
{
    if (!Kind(this) || !item)
        return FALSE;
    ItemOf(item)->setForeground(0, ToQColor(colour));
    return TRUE;
}

BOOL CTreeCtrl::SetItemMark(HTREEITEM item, COLORREF colour)
{
    if (!Kind(this) || !item)
        return FALSE;
    if (colour == CLR_NONE) {
        ItemOf(item)->setIcon(0, QIcon());
        return TRUE;
    }
    constexpr int kMarkSize = 12;
    QPixmap mark(kMarkSize, kMarkSize);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(ToQColor(colour).darker(130));
    painter.setBrush(ToQColor(colour));
    painter.drawEllipse(QRectF(1.5, 1.5, kMarkSize - 3, kMarkSize - 3));
    painter.end();
    // The mark keeps its colour on the selected row too.
    QIcon icon(mark);
    icon.addPixmap(mark, QIcon::Selected);
    ItemOf(item)->setIcon(0, icon);
    return TRUE;
}

HTREEITEM CTreeCtrl::GetSelectedItem() const
{
    TreeWindow* tree = Kind(this);
    return tree ? HandleOf(tree->Selected()) : nullptr;
}

BOOL CTreeCtrl::SelectItem(HTREEITEM item)
{
    TreeWindow* tree = Kind(this);
    if (!tree)
        return FALSE;
    tree->byProgram = true;
    tree->ShowSelected(ItemOf(item));
    tree->byProgram = false;
    return TRUE;
}

BOOL CTreeCtrl::SelectItemQuietly(HTREEITEM item)
{
    TreeWindow* tree = Kind(this);
    if (!tree)
        return FALSE;
    tree->quiet = true;
    tree->ShowSelected(ItemOf(item));
    tree->lastSelected = tree->Selected();
    tree->quiet = false;
    return TRUE;
}

HTREEITEM CTreeCtrl::GetRootItem() const
{
    TreeWindow* tree = Kind(this);
    return tree ? HandleOf(tree->Tree()->topLevelItem(0)) : nullptr;
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const
{
    TreeWindow* tree = Kind(this);
    if (!tree)
        return nullptr;
    if (!item || item == TVI_ROOT)
        return GetRootItem();
    return HandleOf(ItemOf(item)->child(0));
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM handle) const
{
    TreeWindow* tree = Kind(this);
    if (!tree || !handle)
        return nullptr;
    QTreeWidgetItem* item = ItemOf(handle);
    QTreeWidgetItem* parent = item->parent();
    const int index = parent ? parent->indexOfChild(item) : tree->Tree()->indexOfTopLevelItem(item);
    return HandleOf(parent ? parent->child(index + 1) : tree->Tree()->topLevelItem(index + 1));
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM item) const
{
    return Kind(this) && item ? HandleOf(ItemOf(item)->parent()) : nullptr;
}

HTREEITEM CTreeCtrl::GetFirstVisibleItem() const
{
    TreeWindow* tree = Kind(this);
    if (!tree)
        return nullptr;
    QTreeWidgetItem* top = tree->Tree()->itemAt(1, 1);
    return HandleOf(top ? top : tree->Tree()->topLevelItem(0));
}

BOOL CTreeCtrl::SetFirstVisibleItem(HTREEITEM item)
{
    TreeWindow* tree = Kind(this);
    if (!tree || !item)
        return FALSE;
    tree->Tree()->scrollToItem(ItemOf(item), QAbstractItemView::PositionAtTop);
    return TRUE;
}

BOOL CTreeCtrl::IsExpanded(HTREEITEM item) const
{
    return Kind(this) && item && ItemOf(item)->isExpanded() ? TRUE : FALSE;
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM item) const
{
    return Kind(this) && item && ItemOf(item)->childCount() > 0 ? TRUE : FALSE;
}

BOOL CTreeCtrl::Expand(HTREEITEM item, UINT code)
{
    if (!Kind(this) || !item)
        return FALSE;
    QTreeWidgetItem* target = ItemOf(item);
    const bool expand = code == TVE_EXPAND || (code == TVE_TOGGLE && !target->isExpanded());
    target->setExpanded(expand);
    return TRUE;
}

BOOL CTreeCtrl::SortChildren(HTREEITEM item)
{
    TreeWindow* tree = Kind(this);
    if (!tree)
        return FALSE;
    // One level only, as on the desktop: the grandchildren keep their order.
    QTreeWidgetItem* parent = !item || item == TVI_ROOT ? tree->Tree()->invisibleRootItem() : ItemOf(item);
    parent->sortChildren(0, Qt::AscendingOrder);
    return TRUE;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM item, RECT* rect, BOOL) const
{
    TreeWindow* tree = Kind(this);
    if (!tree || !item)
        return FALSE;
    const QRect area = tree->Tree()->visualItemRect(ItemOf(item));
    if (area.isEmpty())
        return FALSE;
    *rect = FromQRect(area);
    return TRUE;
}

HTREEITEM CTreeCtrl::HitTest(CPoint point, UINT* flags) const
{
    TreeWindow* tree = Kind(this);
    QTreeWidgetItem* item = tree ? tree->Tree()->itemAt(point.x, point.y) : nullptr;
    if (flags)
        *flags = item ? TVHT_ONITEM : TVHT_NOWHERE;
    return HandleOf(item);
}

BOOL CTreeCtrl::EditLabel(HTREEITEM item)
{
    TreeWindow* tree = Kind(this);
    if (!tree || !item)
        return FALSE;
    tree->Tree()->editItem(ItemOf(item), 0);
    return TRUE;
}
