#include "ToolkitLanguage.h"

#include "QtBridge.h"
#include "WinApp.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {
std::unique_ptr<QTranslator> g_translator;
}

void UseToolkitLanguage(const std::u16string& locale)
{
    EnsureToolkit();
    if (g_translator) {
        QCoreApplication::removeTranslator(g_translator.get());
        g_translator.reset();
    }
    const QLocale language(ToQString(locale));
    QLocale::setDefault(language);
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(translator.get()))
        g_translator = std::move(translator);
}
