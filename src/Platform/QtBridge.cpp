#include "QtBridge.h"

#include "WinApp.h"

#include <QFile>

QString ToQString(const std::u16string& text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string FromQString(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

std::u16string ApplicationTitle()
{
    CWinApp* app = AfxGetApp();
    return app ? app->m_pszAppName : std::u16string(u"Tolvik");
}

QImage LoadResourceImage(ResourceKind kind, int number)
{
    EnsureToolkit();
    const char* folder = kind == ResourceKind::Bitmap ? "bitmaps" : kind == ResourceKind::Icon ? "icons" : "cursors";
    const QString path = QStringLiteral(":/%1/%2.png").arg(QLatin1String(folder)).arg(number);
    if (!QFile::exists(path))
        return QImage();
    return QImage(path);
}
