#include "JournalPages.h"

std::vector<PageFactory> JournalPageFactories()
{
    return {};
}
