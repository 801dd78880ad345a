#include "WinApp.h"

#include "NativeWindow.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QStyleFactory>

// The program's pictures live in the platform library, which is static.
static void InitResources()
{
    Q_INIT_RESOURCE(tolvik);
}


namespace {
CWinApp* g_app = nullptr;
bool g_quitRequested = false;
int g_quitCode = 0;

int g_argc = 1;
char g_argv0[] = "tolvik";
char* g_argv[] = { g_argv0, nullptr };
}

void EnsureToolkit()
{
    if (QApplication::instance())
        return;
    // The plain Unix event dispatcher copes with a message loop re-entered after a fault.
    if (qEnvironmentVariableIsEmpty("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    // Lives until the process ends: tearing the toolkit down during static destruction is unsafe.
    static QApplication* application = new QApplication(g_argc, g_argv);
    (void)application;
    QApplication::setQuitOnLastWindowClosed(false);
    // Ties the windows to the desktop entry, by its name and by their class.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tolvik.tolvik"));
    // One look on every desktop, which the painted controls copy.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);
    InitResources();
}

CWinApp::CWinApp()
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

bool CWinApp::InitInstance()
{
    EnsureToolkit();
    return true;
}

int CWinApp::Run()
{
    EnsureToolkit();
    ResetDispatchState();
    while (!g_quitRequested) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    g_quitRequested = false;
    return g_quitCode;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWinApp* AfxGetThread()
{
    return g_app;
}

int AfxWinMain()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    EnsureToolkit();
    // A start that InitInstance refused ran no session: scripts and desktops must see it failed.
    if (!app->InitInstance())
        return 1;
    return app->Run();
}

void PostToLoop(std::function<void()> action)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(action), Qt::QueuedConnection);
}

void PostQuitMessage(int exitCode)
{
    g_quitRequested = true;
    g_quitCode = exitCode;
    if (QAbstractEventDispatcher* dispatcher = QCoreApplication::eventDispatcher())
        dispatcher->wakeUp();
}
