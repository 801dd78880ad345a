#pragma once

#include <string>

// Accepts or refuses the text an edit control would hold after a keystroke.
class IValidate
{
public:
    virtual ~IValidate() = default;
    // `typing` is true while the user is still typing, so the text may be incomplete.
    virtual bool Check(const std::u16string& text, bool typing) const = 0;
    // The definition the validator was made from.
    virtual std::u16string GetRule() const = 0;
};
