#pragma once

#include "IDialogWnd.h"

// The colony and the mother that a selection of the queen manager's tree proposes for a queen:
// a colony proposes itself, a queen her colony and herself as mother. A mother that would make
// the queen her own ancestor is never proposed.
struct QueenProposal
{
    std::int32_t idFamily = 0;
    std::int32_t idMother = 0;
};

QueenProposal ProposeFor(const QueenTreeItem& item, std::int32_t idQueenBee);
