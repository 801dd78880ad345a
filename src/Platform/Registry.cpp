#include "Registry.h"

#include "QtBridge.h"

#include <QFileInfo>
#include <QSettings>

#include <memory>
#include <utility>

namespace {
// Organisation and application of a key path: its last two parts.
std::pair<QString, QString> StoreNames(const std::u16string& keyPath)
{
    const QStringList parts = ToQString(keyPath).split(u'\\', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return { QStringLiteral("Tolvik"), QStringLiteral("Tolvik") };
    if (parts.size() == 1)
        return { parts.front(), parts.front() };
    return { parts[parts.size() - 2], parts.back() };
}

QString g_overrideFolder;

std::unique_ptr<QSettings> OpenStore(const std::u16string& keyPath)
{
    const auto [organisation, application] = StoreNames(keyPath);
    if (!g_overrideFolder.isEmpty())
        return std::make_unique<QSettings>(
            g_overrideFolder + u'/' + organisation + u'/' + application + QStringLiteral(".conf"), QSettings::NativeFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, organisation, application);
}
}

std::u16string ReadRegistryString(const std::u16string& valueName, const std::u16string& keyPath)
{
    const std::unique_ptr<QSettings> store = OpenStore(keyPath);
    const QString name = ToQString(valueName);
    // childKeys compares exactly, whatever the platform's native store does with case.
    if (!store->childKeys().contains(name, Qt::CaseSensitive))
        return {};
    QString value = store->value(name).toString();
    // A value written by another program may carry its terminating zero.
    if (value.endsWith(QChar(u'\0')))
        value.chop(1);
    return FromQString(value);
}

void WriteRegistryString(const std::u16string& value, const std::u16string& keyPath, const std::u16string& valueName)
{
    const std::unique_ptr<QSettings> store = OpenStore(keyPath);
    store->setAtomicSyncRequired(true);
    store->setValue(ToQString(valueName), ToQString(value));
    store->sync();
}

std::u16string RegistryFolder()
{
    return FromQString(QFileInfo(OpenStore(u"Software\\Tolvik\\MainSettings")->fileName()).absolutePath());
}

RegistryRootOverride::RegistryRootOverride(const std::u16string& folder)
    : m_folder(folder)
{
    g_overrideFolder = ToQString(folder);
}

RegistryRootOverride::~RegistryRootOverride()
{
    g_overrideFolder.clear();
}

std::u16string RegistryRootOverride::FileOf(const std::u16string& keyPath) const
{
    return FromQString(OpenStore(keyPath)->fileName());
}
