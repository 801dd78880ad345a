#pragma once

#include "Wnd.h"

// An edit control ("EDIT"): single line, or ES_MULTILINE; ES_NUMBER takes digits only;
// WS_EX_CLIENTEDGE gives it its sunken frame. Changes of the text send EN_CHANGE to the parent.
class CEdit : public CWnd
{
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Character positions; end -1 (or start 0, end -1) selects to the end.
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void GetSel(int& start, int& end) const;
    void ReplaceSel(const std::u16string& text, BOOL canUndo = FALSE);
    // The grey hint a single-line box shows while it is empty.
    void SetCueBanner(const std::u16string& text);
};
