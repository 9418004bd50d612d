#include "translations.h"

#include "qtcompat.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

// The catalogues are linked in from a static library, whose resource the
// linker would otherwise leave out; the macro cannot stand in a namespace.
static void initTranslationResource()
{
    Q_INIT_RESOURCE(karvo_translations);
}

namespace Karvo {

namespace {

const QString karvoCatalogues = QStringLiteral(":/i18n");
const QString karvoTranslatorName = QStringLiteral("karvo_translator");
const QString qtTranslatorName = QStringLiteral("qt_translator");

// The catalogue name for one UI language: Chinese by script, since zh-HK
// and zh-Hant read Traditional like zh-TW, zh-SG Simplified like zh-CN;
// every other language by its language alone (de-AT reads de).
QString catalogueLanguage(const QString &uiLanguage)
{
    const QLocale locale(uiLanguage);
    if (locale.language() == QLocale::Chinese)
        return locale.script() == QLocale::TraditionalHanScript ? QStringLiteral("zh_TW") : QStringLiteral("zh_CN");
    return locale.name().section(QLatin1Char('_'), 0, 0);
}

QString catalogue(const QString &directory, const QString &name, const QString &language)
{
    return directory + QLatin1Char('/') + name + QLatin1Char('_') + language + QStringLiteral(".qm");
}

void install(QCoreApplication &app, const QString &file, const QString &objectName)
{
    // QTranslator::load() would go on to shorter names (qtbase_zh, qtbase),
    // and so to another language, when the file is missing.
    if (!QFile::exists(file))
        return;
    auto *translator = new QTranslator(&app);
    translator->setObjectName(objectName);
    if (translator->load(file))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

QString translationLanguage(const QStringList &uiLanguages)
{
    initTranslationResource();
    for (const QString &uiLanguage : uiLanguages) {
        const QLocale locale(uiLanguage);
        // The C locale is also what QLocale makes of a tag it does not know.
        if (locale.language() == QLocale::C)
            continue;
        // Someone who prefers English to the languages after it reads the
        // texts as written, not a translation further down the list.
        if (locale.language() == QLocale::English)
            return QString();
        const QString language = catalogueLanguage(uiLanguage);
        if (QFile::exists(catalogue(karvoCatalogues, QStringLiteral("karvo"), language)))
            return language;
    }
    return QString();
}

QString installTranslators(QCoreApplication &app, const QLocale &locale)
{
    for (QTranslator *old : app.findChildren<QTranslator *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (old->objectName() == karvoTranslatorName || old->objectName() == qtTranslatorName) {
            QCoreApplication::removeTranslator(old);
            delete old;
        }
    }

    const QString language = translationLanguage(locale.uiLanguages());
    if (language.isEmpty())
        return language;
    install(app, catalogue(karvoCatalogues, QStringLiteral("karvo"), language), karvoTranslatorName);
    // Qt's catalogue for the same language, so that the standard buttons
    // match the rest of the window rather than the next language the user
    // listed.
    install(app, catalogue(qtTranslationsPath(), QStringLiteral("qtbase"), language), qtTranslatorName);
    return language;
}

} // namespace Karvo
