#pragma once

#include "WinDefs.h"

#include <cstdint>

class CWnd;

// What the queen manager's tree has selected. Its item data packs the kind with only the low 16
// bits of the id, so the full id travels beside it.
struct QueenTreeItem
{
    enum Kind : std::int32_t { None = 0, Point = 1, Family = 2, Queen = 3 };

    std::uintptr_t data = 0;
    std::int32_t id = 0;

    std::int32_t GetKind() const { return static_cast<std::int32_t>(data & 0xFFFF); }
};

// The item data of a tree entry: the low 16 bits of the id times 65536, plus the kind.
std::uintptr_t QueenTreeData(std::int32_t id, std::int32_t kind);

// A pane of the queen manager dialog.
class IDialogWnd
{
public:
    virtual ~IDialogWnd() = default;
    // Makes the pane's window at its place in the dialog.
    virtual BOOL Create(CWnd* parent) = 0;
    virtual CWnd& Window() = 0;
    // The queen shown or edited; an unknown id shows as none.
    virtual void SetQueen(std::int32_t idQueenBee) = 0;
    virtual void SetSelection(const QueenTreeItem& item) = 0;
    // Applies the pane's changes; returns the queen they concern, or 0 when nothing was stored.
    virtual std::int32_t Commit() = 0;
};
