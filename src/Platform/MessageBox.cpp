#include "MessageBox.h"

#include "QtBridge.h"
#include "Wnd.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MessageBoxResponder* g_responder = nullptr;

int FirstButton(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return IDYES;
    default:
        return IDOK;
    }
}
}

MessageBoxResponder::MessageBoxResponder()
    : m_previous(g_responder)
{
    g_responder = this;
}

MessageBoxResponder::~MessageBoxResponder()
{
    g_responder = m_previous;
}

MessageBoxResponder* MessageBoxResponder::Current()
{
    return g_responder;
}

int MessageBoxResponder::Respond(const std::u16string& text, const std::u16string& caption, UINT type)
{
    m_calls.push_back({ text, caption, type });
    if (m_answers.empty())
        return FirstButton(type);
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

int MessageBoxW(CWnd* owner, const std::u16string& text, const std::u16string& caption, UINT type)
{
    ReleaseCapture();
    if (MessageBoxResponder* responder = MessageBoxResponder::Current())
        return responder->Respond(text, caption, type);
    if (!QApplication::instance())
        return FirstButton(type);

    QMessageBox box(ParentWidgetOf(owner));
    box.setText(ToQString(text));
    box.setWindowTitle(ToQString(caption));
    switch (type & MB_ICONMASK) {
    case MB_ICONERROR: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONWARNING: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MB_YESNOCANCEL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    if (type & MB_DEFBUTTON2 && box.button(QMessageBox::No))
        box.setDefaultButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return IDCANCEL;
    }
}

int AfxMessageBox(const std::u16string& text, UINT type)
{
    return MessageBoxW(nullptr, text, ApplicationTitle(), type);
}
