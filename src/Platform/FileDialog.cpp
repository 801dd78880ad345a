#include "FileDialog.h"

#include "QtBridge.h"
#include "Registry.h"
#include "Wnd.h"

#include <QApplication>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace {
FileDialogResponder* g_responder = nullptr;

// "Text (*.txt)|*.txt|All (*.*)|*.*||" becomes "Text (*.txt);;All (*.*)" with the patterns
// of each description.
QString QtFilter(const std::u16string& filter)
{
    const QStringList parts = ToQString(filter).split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        const QString patterns = QString(parts[i + 1]).replace(u';', u' ');
        entries << (parts[i].contains(u'(') ? parts[i] : parts[i] + QStringLiteral(" (") + patterns + u')');
    }
    return entries.join(QStringLiteral(";;"));
}

constexpr char16_t kDialogsKey[] = u"Software\\Tolvik\\FileDialogs";
constexpr char16_t kLastFolder[] = u"last_folder";

// Where a dialog starts: the last folder used, else the user's documents folder.
QString StartFolder()
{
    const QString last = ToQString(ReadRegistryString(kLastFolder, kDialogsKey));
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// A bare file name is offered in the start folder; a path keeps its own folder.
std::u16string InStartFolder(const std::u16string& fileName)
{
    const QString name = ToQString(fileName);
    if (!QFileInfo(name).path().isEmpty() && QFileInfo(name).path() != QStringLiteral("."))
        return fileName;
    return FromQString(name.isEmpty() ? StartFolder() : QDir(StartFolder()).filePath(name));
}

void RememberFolder(const std::u16string& folder)
{
    if (!folder.empty())
        WriteRegistryString(folder, kDialogsKey, kLastFolder);
}

std::u16string WithDefaultExtension(std::u16string path, const std::u16string& extension)
{
    if (path.empty() || extension.empty() || !QFileInfo(ToQString(path)).suffix().isEmpty())
        return path;
    return path + u'.' + extension;
}
}

CFileDialog::CFileDialog(bool openFileDialog, std::u16string defaultExtension, std::u16string fileName,
    std::u16string filter, CWnd* parent)
    : m_open(openFileDialog)
    , m_defaultExtension(std::move(defaultExtension))
    , m_fileName(std::move(fileName))
    , m_filter(std::move(filter))
    , m_parent(parent)
{
}

int CFileDialog::DoModal()
{
    ReleaseCapture();
    std::u16string chosen;
    const std::u16string start = InStartFolder(m_fileName);
    if (FileDialogResponder* responder = FileDialogResponder::Current()) {
        chosen = responder->Respond({ m_open ? FileDialogResponder::Kind::OpenFile : FileDialogResponder::Kind::SaveFile,
            start, m_filter, m_title });
    } else if (QApplication::instance()) {
        QWidget* parent = ParentWidgetOf(m_parent);
        const QString title = ToQString(m_title);
        chosen = FromQString(m_open ? QFileDialog::getOpenFileName(parent, title, ToQString(start), QtFilter(m_filter))
                                    : QFileDialog::getSaveFileName(parent, title, ToQString(start), QtFilter(m_filter)));
    }
    m_path = m_open ? chosen : WithDefaultExtension(chosen, m_defaultExtension);
    if (!m_path.empty())
        RememberFolder(FromQString(QFileInfo(ToQString(m_path)).absolutePath()));
    return m_path.empty() ? IDCANCEL : IDOK;
}

CFolderPickerDialog::CFolderPickerDialog(std::u16string initialFolder, CWnd* parent)
    : m_initialFolder(std::move(initialFolder))
    , m_parent(parent)
{
}

int CFolderPickerDialog::DoModal()
{
    ReleaseCapture();
    const std::u16string start = m_initialFolder.empty() ? FromQString(StartFolder()) : m_initialFolder;
    if (FileDialogResponder* responder = FileDialogResponder::Current())
        m_path = responder->Respond({ FileDialogResponder::Kind::Folder, start, {}, m_title });
    else if (QApplication::instance())
        m_path = FromQString(QFileDialog::getExistingDirectory(ParentWidgetOf(m_parent), ToQString(m_title), ToQString(start)));
    RememberFolder(m_path);
    return m_path.empty() ? IDCANCEL : IDOK;
}

FileDialogResponder::FileDialogResponder()
    : m_previous(g_responder)
{
    g_responder = this;
}

FileDialogResponder::~FileDialogResponder()
{
    g_responder = m_previous;
}

FileDialogResponder* FileDialogResponder::Current()
{
    return g_responder;
}

std::u16string FileDialogResponder::Respond(Call call)
{
    m_calls.push_back(std::move(call));
    if (m_answers.empty())
        return {};
    std::u16string answer = std::move(m_answers.front());
    m_answers.pop_front();
    return answer;
}
