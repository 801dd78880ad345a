#include "ComboBox.h"

#include "ControlKinds.h"
#include "ListSearch.h"
#include "NativeWindow.h"
#include "QtBridge.h"

#include <QComboBox>
#include <QLineEdit>

namespace {
const char16_t* TextOf(LPARAM lParam)
{
    return lParam ? reinterpret_cast<const char16_t*>(lParam) : u"";
}

class ComboWindow : public NativeWindow
{
public:
    using NativeWindow::NativeWindow;

    QWidget* MakeWidget(QWidget* parent, const CREATESTRUCT& create) override
    {
        auto* combo = new Bridged<QComboBox>(parent);
        combo->setFocusPolicy(create.style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
        combo->setEditable((create.style & 3) != CBS_DROPDOWNLIST);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMaxVisibleItems(std::max(1, create.cy / std::max(1, combo->sizeHint().height()) + 1));
        height = combo->sizeHint().height();
        QObject::connect(combo, qOverload<int>(&QComboBox::activated), combo, [this] { Notify(CBN_SELCHANGE); });
        if (QLineEdit* edit = combo->lineEdit())
            QObject::connect(edit, &QLineEdit::textEdited, combo, [this] { Notify(CBN_EDITCHANGE); });
        return combo;
    }

    int FixedHeight() const override { return height; }

    QStringList Entries() const
    {
        QStringList entries;
        for (int i = 0; i < Combo()->count(); ++i)
            entries << Combo()->itemText(i);
        return entries;
    }

    QComboBox* Combo() const { return static_cast<QComboBox*>(widget.data()); }

    LRESULT ClassProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        QComboBox* combo = Combo();
        if (!combo)
            return NativeWindow::ClassProc(message, wParam, lParam);
        const int index = static_cast<int>(static_cast<std::intptr_t>(wParam));
        const bool valid = index >= 0 && index < combo->count();
        switch (message) {
        case CB_ADDSTRING: {
            const QString text = QString::fromUtf16(TextOf(lParam));
            const int at = style & CBS_SORT ? ListSearch::SortedIndex(Entries(), text) : combo->count();
            Insert(combo, at, text);
            return at;
        }
        case CB_INSERTSTRING: {
            const int at = index < 0 || index > combo->count() ? combo->count() : index;
            Insert(combo, at, QString::fromUtf16(TextOf(lParam)));
            return at;
        }
        case CB_DELETESTRING:
            if (!valid)
                return CB_ERR;
            combo->removeItem(index);
            return combo->count();
        case CB_RESETCONTENT: {
            const QString edited = combo->isEditable() ? combo->lineEdit()->text() : QString();
            combo->clear();
            if (combo->isEditable())
                combo->lineEdit()->setText(edited);
            return 0;
        }
        case CB_GETCOUNT: return combo->count();
        case CB_GETCURSEL: return combo->currentIndex();
        case CB_SETCURSEL:
            combo->setCurrentIndex(valid ? index : -1);
            return valid ? index : CB_ERR;
        case CB_FINDSTRING:
        case CB_FINDSTRINGEXACT:
            return ListSearch::Find(Entries(), index, QString::fromUtf16(TextOf(lParam)), message == CB_FINDSTRINGEXACT);
        case CB_SELECTSTRING: {
            const int found = ListSearch::Find(Entries(), index, QString::fromUtf16(TextOf(lParam)), false);
            if (found >= 0)
                combo->setCurrentIndex(found);
            return found;
        }
        case CB_GETLBTEXTLEN: return valid ? combo->itemText(index).size() : CB_ERR;
        case CB_GETLBTEXT: {
            if (!valid)
                return CB_ERR;
            const QString text = combo->itemText(index);
            auto* buffer = reinterpret_cast<char16_t*>(lParam);
            std::copy_n(reinterpret_cast<const char16_t*>(text.utf16()), text.size(), buffer);
            buffer[text.size()] = 0;
            return text.size();
        }
        case CB_SETITEMDATA:
            if (!valid)
                return CB_ERR;
            combo->setItemData(index, QVariant::fromValue<qulonglong>(static_cast<qulonglong>(lParam)));
            return 0;
        case CB_GETITEMDATA:
            return valid ? static_cast<LRESULT>(combo->itemData(index).toULongLong()) : CB_ERR;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            NativeWindow::ClassProc(message, wParam, lParam);
            Notify(message == WM_SETFOCUS ? CBN_SETFOCUS : CBN_KILLFOCUS);
            return 0;
        default:
            return NativeWindow::ClassProc(message, wParam, lParam);
        }
    }

    void SetText(const std::u16string& value) override
    {
        NativeWindow::SetText(value);
        if (QComboBox* combo = Combo(); combo && combo->isEditable())
            combo->lineEdit()->setText(ToQString(value));
    }

    std::u16string Text() const override
    {
        QComboBox* combo = Combo();
        if (!combo)
            return text;
        return FromQString(combo->isEditable() ? combo->lineEdit()->text() : combo->currentText());
    }

private:
    static void Insert(QComboBox* combo, int at, const QString& text)
    {
        const int current = combo->currentIndex();
        const QString edited = combo->isEditable() ? combo->lineEdit()->text() : QString();
        combo->insertItem(at, text);
        // Adding entries neither selects one nor changes the typed text.
        combo->setCurrentIndex(current < 0 ? -1 : (at <= current ? current + 1 : current));
        if (combo->isEditable())
            combo->lineEdit()->setText(edited);
    }

    int height = -1;
};
}

std::unique_ptr<NativeWindow> MakeComboWindow(CWnd* owner)
{
    return std::make_unique<ComboWindow>(owner);
}

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(u"COMBOBOX", u"", style, rect, parent, id);
}

int CComboBox::AddString(const std::u16string& text)
{
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CComboBox::InsertString(int index, const std::u16string& text)
{
    return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())));
}

int CComboBox::DeleteString(int index)
{
    return static_cast<int>(SendMessage(CB_DELETESTRING, static_cast<WPARAM>(index)));
}

void CComboBox::ResetContent()
{
    SendMessage(CB_RESETCONTENT);
}

int CComboBox::GetCount() const
{
    return static_cast<int>(const_cast<CComboBox*>(this)->SendMessage(CB_GETCOUNT));
}

int CComboBox::GetCurSel() const
{
    return IsCreated() ? static_cast<int>(const_cast<CComboBox*>(this)->SendMessage(CB_GETCURSEL)) : CB_ERR;
}

int CComboBox::SetCurSel(int index)
{
    return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)));
}

int CComboBox::FindString(int after, const std::u16string& prefix) const
{
    return static_cast<int>(const_cast<CComboBox*>(this)->SendMessage(CB_FINDSTRING, static_cast<WPARAM>(after),
        reinterpret_cast<LPARAM>(prefix.c_str())));
}

int CComboBox::FindStringExact(int after, const std::u16string& text) const
{
    return static_cast<int>(const_cast<CComboBox*>(this)->SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(after),
        reinterpret_cast<LPARAM>(text.c_str())));
}

int CComboBox::SelectString(int after, const std::u16string& prefix)
{
    return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(after), reinterpret_cast<LPARAM>(prefix.c_str())));
}

void CComboBox::GetLBText(int index, std::u16string& text) const
{
    auto* self = const_cast<CComboBox*>(this);
    const LRESULT length = self->SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length < 0) {
        text.clear();
        return;
    }
    text.assign(static_cast<std::size_t>(length) + 1, u'\0');
    self->SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
}

int CComboBox::SetItemData(int index, std::uintptr_t data)
{
    return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
}

std::uintptr_t CComboBox::GetItemData(int index) const
{
    return static_cast<std::uintptr_t>(const_cast<CComboBox*>(this)->SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)));
}
