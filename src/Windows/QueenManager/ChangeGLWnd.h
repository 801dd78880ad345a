#pragma once

#include "DialogWnd.h"
#include "QueenProposal.h"

#include <memory>

// The queen manager's pane that moves a queen to the colony the tree proposes (mode 1) or gives
// her the mother it proposes (mode 2).
class CChangeGLWnd : public CDialogWnd
{
public:
    enum Mode { MoveToFamily = 1, ChangeMother = 2 };
    static constexpr UINT Id = 1033;
    static constexpr RECT Place { 193, 11, 510, 385 };

    explicit CChangeGLWnd(Mode mode);
    ~CChangeGLWnd() override;

    void SetQueen(std::int32_t idQueenBee) override;
    void SetSelection(const QueenTreeItem& item) override;
    std::int32_t Commit() override;

    const QueenProposal& Proposal() const { return m_proposal; }

private:
    void Paint(CDC* dc, const CRect& client) override;

    Mode m_mode;
    std::int32_t m_idQueenBee = 0;
    QueenProposal m_proposal;
    std::unique_ptr<CFont> m_titleFont;
    std::unique_ptr<CFont> m_lineFont;
};
