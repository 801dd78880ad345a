#include "Edit.h"

#include "ControlKinds.h"
#include "NativeWindow.h"
#include "QtBridge.h"
#include "Text.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace {
class EditWindow : public NativeWindow
{
public:
    using NativeWindow::NativeWindow;

    QWidget* MakeWidget(QWidget* parent, const CREATESTRUCT& create) override
    {
        const Qt::Alignment alignment = create.style & ES_CENTER ? Qt::AlignHCenter
            : create.style & ES_RIGHT                             ? Qt::AlignRight
                                                                  : Qt::AlignLeft;
        const Qt::FocusPolicy policy = create.style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus;
        if (create.style & ES_MULTILINE) {
            auto* edit = new BridgedArea<QPlainTextEdit>(parent);
            multi = edit;
            edit->setPlainText(ToQString(ReplaceAll(create.lpszName, u"\r\n", u"\n")));
            edit->setReadOnly(create.style & ES_READONLY);
            edit->setFocusPolicy(policy);
            edit->setLineWrapMode(create.style & (WS_HSCROLL | ES_AUTOHSCROLL) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
            if (!(create.dwExStyle & WS_EX_CLIENTEDGE) && !(create.style & WS_BORDER))
                edit->setFrameShape(QFrame::NoFrame);
            QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this] { Notify(EN_CHANGE); });
            return edit;
        }
        auto* edit = new Bridged<QLineEdit>(ToQString(create.lpszName), parent);
        line = edit;
        edit->setAlignment(alignment | Qt::AlignVCenter);
        edit->setReadOnly(create.style & ES_READONLY);
        edit->setFocusPolicy(policy);
        edit->setFrame((create.dwExStyle & WS_EX_CLIENTEDGE) || (create.style & WS_BORDER));
        if (create.style & ES_PASSWORD)
            edit->setEchoMode(QLineEdit::Password);
        QObject::connect(edit, &QLineEdit::textChanged, edit, [this] { Notify(EN_CHANGE); });
        return edit;
    }

    QWidget* InputWidget() const override { return multi ? multi->viewport() : widget.data(); }

    LRESULT ClassProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_CHAR: {
            const auto ch = static_cast<char16_t>(wParam);
            // ES_NUMBER refuses typed characters other than digits.
            if (style & ES_NUMBER && ch >= 32 && (ch < u'0' || ch > u'9')) {
                SkipPendingDefault(owner, message);
                return 0;
            }
            break;
        }
        case WM_SETFOCUS:
            NativeWindow::ClassProc(message, wParam, lParam);
            Notify(EN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            NativeWindow::ClassProc(message, wParam, lParam);
            Notify(EN_KILLFOCUS);
            return 0;
        case EM_SETSEL: Select(static_cast<int>(wParam), static_cast<int>(lParam)); return 0;
        case EM_GETSEL: {
            int start = 0;
            int end = 0;
            Selection(start, end);
            if (wParam)
                *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(start);
            if (lParam)
                *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(end);
            return static_cast<LRESULT>(MAKELONG(static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end)));
        }
        case EM_REPLACESEL: {
            const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(lParam));
            if (line)
                line->insert(text);
            else if (multi)
                multi->insertPlainText(text);
            return 0;
        }
        case EM_LIMITTEXT:
            if (line)
                line->setMaxLength(wParam == 0 ? 32767 : static_cast<int>(wParam));
            return 0;
        case EM_SETCUEBANNER:
            if (line)
                line->setPlaceholderText(QString::fromUtf16(reinterpret_cast<const char16_t*>(lParam)));
            return TRUE;
        case EM_SETREADONLY:
            if (line)
                line->setReadOnly(wParam != 0);
            if (multi)
                multi->setReadOnly(wParam != 0);
            return TRUE;
        default:
            break;
        }
        return NativeWindow::ClassProc(message, wParam, lParam);
    }

    void SetText(const std::u16string& value) override
    {
        NativeWindow::SetText(value);
        if (line)
            line->setText(ToQString(value));
        else if (multi)
            multi->setPlainText(ToQString(ReplaceAll(value, u"\r\n", u"\n")));
    }

    std::u16string Text() const override
    {
        if (line)
            return FromQString(line->text());
        if (multi)
            return ReplaceAll(FromQString(multi->toPlainText()), u"\n", u"\r\n");
        return text;
    }

private:
    void Select(int start, int end)
    {
        if (line) {
            const int length = line->text().size();
            if (start < 0) {
                line->deselect();
                return;
            }
            if (end < 0 || end > length)
                end = length;
            line->setSelection(start, end - start);
        } else if (multi) {
            QTextCursor cursor = multi->textCursor();
            const int length = multi->toPlainText().size();
            cursor.setPosition(std::clamp(start, 0, length));
            cursor.setPosition(end < 0 ? length : std::clamp(end, 0, length), QTextCursor::KeepAnchor);
            multi->setTextCursor(cursor);
        }
    }

    void Selection(int& start, int& end) const
    {
        if (line) {
            if (line->hasSelectedText()) {
                start = line->selectionStart();
                end = line->selectionEnd();
            } else {
                start = end = line->cursorPosition();
            }
        } else if (multi) {
            const QTextCursor cursor = multi->textCursor();
            start = cursor.selectionStart();
            end = cursor.selectionEnd();
        }
    }

    QLineEdit* line = nullptr;
    QPlainTextEdit* multi = nullptr;
};
}

std::unique_ptr<NativeWindow> MakeEditWindow(CWnd* owner)
{
    return std::make_unique<EditWindow>(owner);
}

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(u"EDIT", u"", style, rect, parent, id);
}

void CEdit::SetSel(int start, int end, BOOL)
{
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
}

void CEdit::GetSel(int& start, int& end) const
{
    DWORD first = 0;
    DWORD last = 0;
    const_cast<CEdit*>(this)->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    start = static_cast<int>(first);
    end = static_cast<int>(last);
}

void CEdit::ReplaceSel(const std::u16string& text, BOOL)
{
    SendMessage(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void CEdit::SetCueBanner(const std::u16string& text)
{
    SendMessage(EM_SETCUEBANNER, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
