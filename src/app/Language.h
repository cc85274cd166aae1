#pragma once
// The language of the desktop program's interface: Polish unless the user chose English
// ("Język / Language" in the "Pomoc" menu, kept for the next start) or started it with
// --lang en. The system's locale does not choose it: the program's users are Polish
// engineers whose desktops may run in any locale.

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace velt {

enum class InterfaceLanguage { Polish, English };

/// --lang pl|en of `arguments`, else the language kept in the settings, else Polish.
InterfaceLanguage chosenLanguage(const QStringList& arguments);

/// The language kept for the next start.
InterfaceLanguage keptLanguage();
void keepLanguage(InterfaceLanguage language);

/// Installs the program's translation (none for Polish, its source language) and Qt's own
/// for `language` on `application`, so that file dialogs and standard buttons match it.
void installTranslations(QCoreApplication& application, InterfaceLanguage language);

/// The language installed on the running application.
InterfaceLanguage currentLanguage();

/// The arguments without "--lang" and its value.
QStringList withoutLanguageArguments(const QStringList& arguments);

} // namespace velt
