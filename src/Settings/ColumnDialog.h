#pragma once

#include "Dialog.h"

#include <cstdint>
#include <string>

// Asks for a user column: its name and its type (1 text, 2 whole number, 3 decimal number,
// 4 yes/no, 5 date).
class CColumnDialog : public CDialog
{
public:
    enum class Mode { Add, Change };

    CColumnDialog(Mode mode, CWnd* parent, std::u16string name = {}, std::int32_t type = 1);

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    const std::u16string& Name() const { return m_name; }
    std::int32_t Type() const { return m_type; }

    static constexpr UINT IdType = 1001;
    static constexpr UINT IdName = 1002;
    static constexpr UINT IdNameLabel = 1004;
    static constexpr UINT IdTypeLabel = 1006;

private:
    Mode m_mode;
    std::u16string m_name;
    std::int32_t m_type;
};
