#include "FolderOpener.h"

#include "QtBridge.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
FolderOpenResponder* g_responder = nullptr;
}

bool OpenFolderInFileManager(const std::u16string& folder)
{
    return OpenDocument(folder);
}

bool OpenDocument(const std::u16string& file)
{
    if (FolderOpenResponder* responder = FolderOpenResponder::Current()) {
        responder->Respond(file);
        return true;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(file)));
}

FolderOpenResponder::FolderOpenResponder()
    : m_previous(g_responder)
{
    g_responder = this;
}

FolderOpenResponder::~FolderOpenResponder()
{
    g_responder = m_previous;
}

FolderOpenResponder* FolderOpenResponder::Current()
{
    return g_responder;
}
