// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

class QTranslator;

// Installs the catalogue of the user's language into the running
// application, for Mondrel, Relievo and Tallowin alike. The languages are the
// locale's interface languages: LANGUAGE first (a list such as "de:fr"), else
// LC_ALL, LC_MESSAGES or LANG. English, the language the texts are written
// in, ends the search: a user who lists it before German reads English.
// Does nothing before the application object exists.
void InstallTranslations();

// The same for a list of interface languages; returns the translator it
// installed (owned by the application), or nullptr when the texts stay
// English.
QTranslator* InstallTranslations(const QStringList& uiLanguages);

// The catalogue's language found for a list of interface languages ("de" for
// {"de-AT", "en"}), or an empty string when the texts stay English.
QString TranslationLanguage(const QStringList& uiLanguages);
