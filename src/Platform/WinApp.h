#pragma once

#include <functional>
#include <string>

class CWnd;

// The application object of the windowing framework; one per process. InitInstance is the
// program's start-up hook and Run the message loop, which runs until PostQuitMessage.
class CWinApp
{
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance();
    // Processes messages until a quit message arrives; returns the quit message's exit code.
    virtual int Run();

    CWnd* m_pMainWnd = nullptr;
    std::u16string m_pszAppName = u"Tolvik";
};

CWinApp* AfxGetApp();
// The user-interface thread object; this program has one thread, so it is the application.
CWinApp* AfxGetThread();

// Creates the toolkit's application object if it does not exist yet (tests call it too).
void EnsureToolkit();

// The framework's main routine: InitInstance, then the message loop; 1 when InitInstance refused.
int AfxWinMain();

void PostQuitMessage(int exitCode);

// Runs the action on the message loop's thread when the loop next gets to it; callable from any
// thread, so work done beside the loop hands its result to the windows this way.
void PostToLoop(std::function<void()> action);
