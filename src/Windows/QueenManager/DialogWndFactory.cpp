#include "DialogWndFactory.h"

#include "ChangeGLWnd.h"
#include "ChangeQBWnd.h"
#include "GLWin.h"
#include "QBWnd.h"

#include <functional>

std::unique_ptr<IDialogWnd> CreateDialogWnd(int code, CWnd* parent)
{
    static const std::function<std::unique_ptr<IDialogWnd>()> kMakers[] = {
        [] { return std::make_unique<CQBWnd>(); },
        [] { return std::make_unique<CGLWin>(); },
        [] { return std::make_unique<CChangeQBWnd>(true); },
        [] { return std::make_unique<CChangeQBWnd>(false); },
        [] { return std::make_unique<CChangeGLWnd>(CChangeGLWnd::MoveToFamily); },
        [] { return std::make_unique<CChangeGLWnd>(CChangeGLWnd::ChangeMother); },
    };
    if (code < 0 || code >= static_cast<int>(std::size(kMakers)))
        return nullptr;
    std::unique_ptr<IDialogWnd> pane = kMakers[code]();
    pane->Create(parent);
    return pane;
}
