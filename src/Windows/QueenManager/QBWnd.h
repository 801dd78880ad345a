#pragma once

#include "DialogWnd.h"

#include <memory>

// The queen manager's pane of a queen's details, with her marking colour as a dot in the top
// right corner.
class CQBWnd : public CDialogWnd
{
public:
    static constexpr UINT Id = 1036;
    static constexpr RECT Place { 519, 11, 845, 385 };
    // The marking dot in client coordinates from the right edge: inset and diameter.
    static constexpr int DotInset = 6;
    static constexpr int DotSize = 16;

    CQBWnd();
    ~CQBWnd() override;

    void SetQueen(std::int32_t idQueenBee) override;

private:
    void Paint(CDC* dc, const CRect& client) override;

    std::int32_t m_idQueenBee = 0;
    std::unique_ptr<CFont> m_nameFont;
    std::unique_ptr<CFont> m_stateFont;
    std::unique_ptr<CFont> m_labelFont;
    std::unique_ptr<CFont> m_valueFont;
};
