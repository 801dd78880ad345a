#include "JournalVisualComponent.h"

#include "LauncherIds.h"
#include "StringIds.h"

CJournalVisualComponent::CJournalVisualComponent(IJournalComponent& journal)
    : CVisualComponent({ kJournalButtonBitmap, StringId::JournalName, PictureAtLeft, IdJournalButton,
        [](int clientWidth) { return RECT { 195, 130, clientWidth - 20, 210 }; } })
    , m_window(journal)
{
}
