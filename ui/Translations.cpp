// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Whether English comes before the language in the user's list: the user
// would rather read the untranslated texts.
bool EnglishFirst(const QStringList& languages, QLocale::Language language)
{
    for (const QString& name : languages) {
        const QLocale::Language listed = QLocale(name).language();
        if (listed == language)
            return false;
        if (listed == QLocale::English)
            return true;
    }
    return false;
}

} // namespace

QString InstallTranslations(QCoreApplication* application)
{
    // QLocale() holds the user's list of languages: LANGUAGE, then LC_ALL,
    // LC_MESSAGES or LANG.
    const QLocale user;
    auto* catalogue = new QTranslator(application);
    if (!catalogue->load(user, QStringLiteral("tovrin"), QStringLiteral("_"), QStringLiteral(":/translations")) ||
        EnglishFirst(user.uiLanguages(), QLocale(catalogue->language()).language())) {
        delete catalogue;
        return QString();
    }
    QCoreApplication::installTranslator(catalogue);

    // Qt's texts in the language of the catalogue, not in a language of the
    // list that Tovrin lacks: one language in every window.
    const QLocale language(catalogue->language());
    auto* qt = new QTranslator(application);
    if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return catalogue->language();
}
