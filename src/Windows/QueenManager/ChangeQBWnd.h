#pragma once

#include "DialogWnd.h"
#include "QueenProposal.h"

#include <memory>
#include <vector>

class CButton;
class CComboBox;
class CDateTimeCtrl;
class CEdit;
class CStatic;

// The queen manager's pane that adds a queen (to the colony and with the mother the tree
// proposes, each when its box is ticked) or changes the one set.
class CChangeQBWnd : public CDialogWnd
{
public:
    static constexpr UINT Id = 1036;
    static constexpr RECT Place { 519, 11, 845, 385 };
    static constexpr UINT IdName = 2001;
    static constexpr UINT IdDate = 2002;
    static constexpr UINT IdBreed = 2003;
    static constexpr UINT IdAlive = 2004;
    static constexpr UINT IdFert = 2005;
    static constexpr UINT IdDescription = 2006;
    static constexpr UINT IdTakeFamily = 2007;
    static constexpr UINT IdTakeMother = 2008;

    explicit CChangeQBWnd(bool add);
    ~CChangeQBWnd() override;

    BOOL Create(CWnd* parent) override;
    void SetQueen(std::int32_t idQueenBee) override;
    void SetSelection(const QueenTreeItem& item) override;
    std::int32_t Commit() override;

private:
    void Paint(CDC*, const CRect&) override {}
    // A label at the left of the row and the control's place to its right.
    RECT AddRow(int row, std::int32_t labelId);

    bool m_add;
    std::int32_t m_idQueenBee = 0;
    QueenProposal m_proposal;
    std::vector<std::unique_ptr<CStatic>> m_labels;
    std::unique_ptr<CEdit> m_name;
    std::unique_ptr<CDateTimeCtrl> m_date;
    std::unique_ptr<CComboBox> m_breed;
    std::unique_ptr<CButton> m_alive;
    std::unique_ptr<CEdit> m_fert;
    std::unique_ptr<CEdit> m_description;
    std::unique_ptr<CButton> m_takeFamily;
    std::unique_ptr<CButton> m_takeMother;
};
