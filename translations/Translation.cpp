// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations/Translation.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFileInfo>
#include <QtCore/QLibraryInfo>
#include <QtCore/QLocale>
#include <QtCore/QStringList>
#include <QtCore/QTranslator>

namespace {

// The catalogues are compiled into every program, so a build tree, a
// package and a Tallowin folder all carry them.
const char* const kFolder = ":/translations/";

QString CatalogueFor(const QString& language)
{
    return QStringLiteral("%1mondrel_%2.qm").arg(QLatin1String(kFolder), language);
}

}  // namespace

QString TranslationLanguage(const QStringList& uiLanguages)
{
    for (const QString& entry : uiLanguages) {
        // "de-AT", "de_AT.UTF-8", "de": the language part decides.
        const QString language = entry.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        if (language.isEmpty()) continue;
        const QString full = QString(language).replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString base = full.section(QLatin1Char('_'), 0, 0).toLower();
        if (base == QLatin1String("en") || base == QLatin1String("c") || base == QLatin1String("posix")) return {};
        if (QFileInfo::exists(CatalogueFor(full))) return full;
        if (QFileInfo::exists(CatalogueFor(base))) return base;
    }
    return {};
}

QTranslator* InstallTranslations(const QStringList& uiLanguages)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return nullptr;
    const QString language = TranslationLanguage(uiLanguages);
    if (language.isEmpty()) return nullptr;
    // Qt's own texts (the buttons of its message boxes and dialogs) come
    // from its catalogues where they are installed (qt6-translations-l10n).
    auto* qt = new QTranslator(app);
    if (!qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(qt))
        delete qt;
    auto* translator = new QTranslator(app);
    if (translator->load(CatalogueFor(language)) && QCoreApplication::installTranslator(translator)) return translator;
    delete translator;
    return nullptr;
}

void InstallTranslations()
{
    InstallTranslations(QLocale::system().uiLanguages());
}
