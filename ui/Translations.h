// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the windows: the user's, where Tovrin has a catalogue
// for it, else English.
#pragma once

#include <QString>

class QCoreApplication;

// Installs the catalogue of the first of the user's languages (LANGUAGE,
// then the locale) that Tovrin speaks, unless English comes before it, and
// Qt's own texts (standard buttons, the file dialog) in the same language.
// Call it before any window is made.  Returns the language installed, such
// as "de", or an empty string for English.
QString InstallTranslations(QCoreApplication* application);
