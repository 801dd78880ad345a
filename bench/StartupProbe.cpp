// Runs the program's own start-up in the working directory and, once the launcher is up and
// painted, prints the seconds since TOLVIK_EXEC_NS (the script's clock at exec, in nanoseconds)
// and the resident memory, then quits. Used by scripts/measure-startup.sh.

#include "EntryPoint.h"
#include "MessageBox.h"
#include "UiTest.h"
#include "WinApp.h"
#include "Wnd.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {
long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::stol(line.substr(6));
    }
    return 0;
}

void Report()
{
    UiTest::ProcessEvents();
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const long long execNs = std::atoll(std::getenv("TOLVIK_EXEC_NS") ? std::getenv("TOLVIK_EXEC_NS") : "0");
    const double seconds = (std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() - execNs) / 1e9;
    CWinApp* app = AfxGetApp();
    const bool shown = app && app->m_pMainWnd && app->m_pMainWnd->IsWindowVisible();
    if (shown)
        std::printf("launcher visible after %.3f s, resident %.1f MB\n", seconds, ResidentKb() / 1024.0);
    else
        std::printf("no launcher\n");
    std::fflush(stdout);
    PostQuitMessage(shown ? 0 : 1);
}
}

int main()
{
    // A message box would wait for a user who is not there; a journal that needs one is no measure.
    MessageBoxResponder boxes;
    EnsureToolkit();
    UiTest::RunFromLoop(Report);
    return RunTolvik();
}
