#include "IQueenBeeStore.h"

namespace {
IQueenBeeStore* g_store = nullptr;
}

IQueenBeeStore* GetQueenBeeStore()
{
    return g_store;
}

void SetQueenBeeStore(IQueenBeeStore* store)
{
    g_store = store;
}
