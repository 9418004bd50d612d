// Puts Karvo's texts, and Qt's own (standard buttons, file dialogs), in the
// user's language. Needs Qt Core only, so that a command line without a
// QApplication translates its texts the same way.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace Karvo {

// The language of Karvo's translation to use for a list of UI languages,
// best first, as QLocale::uiLanguages() gives them ("de-AT", "zh-Hant-HK"):
// "de", "zh_TW", ... or an empty string when the texts stay in English,
// the language they are written in.
QString translationLanguage(const QStringList &uiLanguages);

// Installs on app the translators for locale's UI languages, replacing any
// installed by an earlier call, and returns translationLanguage()'s answer.
// Call it right after creating the application object.
QString installTranslators(QCoreApplication &app, const QLocale &locale = QLocale::system());

} // namespace Karvo
