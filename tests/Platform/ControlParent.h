#pragma once

#include "Notify.h"
#include "RecordingWindow.h"
#include "ScrollBar.h"
#include "TreeCtrl.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// A parent that records the commands, notifications and scroll requests of its controls.
class CControlParent : public CRecordingWindow
{
public:
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        commands.push_back({ LOWORD(wParam), HIWORD(wParam) });
        return TRUE;
    }
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override
    {
        const auto* header = reinterpret_cast<NMHDR*>(lParam);
        notifications.push_back(header->code);
        if (header->code == TVN_SELCHANGED)
            selectionChanges.push_back(*reinterpret_cast<const NMTREEVIEW*>(lParam));
        if (header->code == TVN_ENDLABELEDIT) {
            const auto* info = reinterpret_cast<const NMTVDISPINFO*>(lParam);
            labels.push_back(info->item.pszText ? std::u16string(info->item.pszText) : u"<cancelled>");
            *result = acceptLabels ? TRUE : FALSE;
        }
        if (answer)
            *result = answer(*header);
        return TRUE;
    }
    // A line down moves the bar one step, as the program's pages do.
    void OnVScroll(UINT code, UINT position, CScrollBar* bar) override
    {
        scrolls.push_back({ code, position });
        if (bar && code == SB_LINEDOWN)
            bar->SetScrollPos(bar->GetScrollPos() + 1);
    }

    std::vector<UINT> ScrollCodes() const
    {
        std::vector<UINT> codes;
        for (const auto& scroll : scrolls)
            codes.push_back(scroll.first);
        return codes;
    }

    std::vector<std::pair<UINT, UINT>> commands;
    std::vector<UINT> notifications;
    std::vector<NMTREEVIEW> selectionChanges;
    std::vector<std::u16string> labels;
    std::vector<std::pair<UINT, UINT>> scrolls;
    bool acceptLabels = true;
    // The result of every notification, when set.
    std::function<LRESULT(const NMHDR&)> answer;
};
