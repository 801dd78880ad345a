#pragma once

#include "IValidate.h"

// A mask with one character per position: "*" takes a digit, "#" a letter, and every mask
// character (these two included) takes itself. Partial input passes as far as it goes.
class CSimbolsValidate : public IValidate
{
public:
    explicit CSimbolsValidate(std::u16string mask) : m_mask(std::move(mask)) {}

    bool Check(const std::u16string& text, bool typing) const override;
    std::u16string GetRule() const override { return m_mask; }

private:
    std::u16string m_mask;
};
