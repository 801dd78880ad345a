#pragma once

#include "EmptyViewJournal.h"

#include <memory>

class CFont;

// The family tree tab with a site or nothing selected: it asks for a colony.
class CColonyTreeHintView : public CEmptyViewJournal
{
public:
    explicit CColonyTreeHintView(JournalState* state);
    ~CColonyTreeHintView() override;

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;

protected:
    void OnPaint() override;

private:
    std::unique_ptr<CFont> m_font;
};
