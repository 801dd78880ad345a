#pragma once

#include "WinDefs.h"

#include <cstdint>
#include <string>

class CWnd;

// The look of a journal view; its name is a language text.
class IJournalStyle
{
public:
    virtual std::u16string GetName() = 0;
    // The string identifier of the name, which the journal settings store.
    virtual std::int32_t GetNameId() = 0;

protected:
    virtual ~IJournalStyle() = default;
};

// A way of presenting the journal inside the journal window.
class IJournalView
{
public:
    virtual ~IJournalView() = default;
    virtual IJournalStyle* GetStyle() = 0;
    virtual void Create(CWnd* parent) = 0;
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
};
