#pragma once

#include "PrintablePage.h"

#include <memory>

// A page of the journal window that can go on paper: it hands out what it shows as a printable
// page, which reads the page's grids and drawers while it prints.
class IPrintableView
{
public:
    virtual ~IPrintableView() = default;
    virtual std::unique_ptr<IPrintablePage> PrintablePage() = 0;
};
