#include "Wnd.h"

#include "QtBridge.h"

#include <QWidget>

class CNativeWindow : public QWidget
{
};

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    delete m_native;
}

QWidget* ParentWidgetOf(CWnd* window)
{
    return window ? window->Native() : nullptr;
}
