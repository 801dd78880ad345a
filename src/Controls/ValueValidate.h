#pragma once

#include "IValidate.h"

// A range "minimum maximum" compared in whole hundredths. A maximum of -1 lifts the upper
// limit and admits negative values; the minimum is not enforced while the user types, so that
// 1 can still grow into 15 when the minimum is 10.
class CValueValidate : public IValidate
{
public:
    explicit CValueValidate(std::u16string range) : m_range(std::move(range)) {}

    bool Check(const std::u16string& text, bool typing) const override;
    std::u16string GetRule() const override { return m_range; }

private:
    std::u16string m_range;
};
