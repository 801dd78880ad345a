#pragma once

#include "Dialog.h"

#include <cstdint>
#include <vector>

class CListBox;

// The tasks due today and those overdue, the oldest first, each with its colonies: "Done" marks
// the chosen one's occurrence done today, through the task handler.
class CDueTasksDialog : public CDialog
{
public:
    enum FieldId : UINT
    {
        IdList = 2301,
        IdDone = 2302,
    };

    explicit CDueTasksDialog(CWnd* parent);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    static DialogTemplate Template();
    CListBox* List();
    void Fill();

    // The tasks listed, by line.
    std::vector<std::int32_t> m_tasks;
};
