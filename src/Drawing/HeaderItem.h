#pragma once

#include "EditorItem.h"

#include <memory>

class CFont;

// A form's centred title; it takes no keys and has no value.
class CHeaderItem : public CEditorItem
{
public:
    explicit CHeaderItem(std::u16string caption);
    ~CHeaderItem() override;

    void Measure() override;
    void Draw(CDC* dc) override;

private:
    std::unique_ptr<CFont> m_font;
};
