// Karvo's translators: which catalogue a list of UI languages picks, and that
// the catalogues installed, Karvo's embedded one and Qt's, translate. Runs on
// a QCoreApplication, as a command line would.
#include "translations.h"

#include <QtTest>

class TstTranslations : public QObject
{
    Q_OBJECT

private slots:
    void pickLanguage_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("language");

        const QString none;
        QTest::newRow("de-AT reads de") << QStringList {"de-AT"} << "de";
        QTest::newRow("zh-TW") << QStringList {"zh-TW"} << "zh_TW";
        QTest::newRow("zh-HK reads Traditional") << QStringList {"zh-HK"} << "zh_TW";
        QTest::newRow("zh alone reads Simplified") << QStringList {"zh"} << "zh_CN";
        QTest::newRow("zh-SG reads Simplified") << QStringList {"zh-SG"} << "zh_CN";
        QTest::newRow("untranslated ones skipped") << QStringList {"it", "pt-BR", "fr"} << "fr";
        QTest::newRow("unknown tag skipped") << QStringList {"xx", "de"} << "de";
        QTest::newRow("English before German") << QStringList {"en-US", "de"} << none;
        QTest::newRow("only untranslated") << QStringList {"it-IT"} << none;
        QTest::newRow("empty list") << QStringList() << none;
    }

    void pickLanguage()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, language);
        QCOMPARE(Karvo::translationLanguage(uiLanguages), language);
    }

    void install_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("language");

        const QList<QPair<const char *, QString>> rows {{"de_AT", "de"}, {"zh_HK", "zh_TW"}, {"zh_SG", "zh_CN"},
            {"ja_JP", "ja"}, {"ko_KR", "ko"}, {"ru_RU", "ru"}, {"fr_FR", "fr"}, {"es_ES", "es"}};
        for (const auto &row : rows)
            QTest::newRow(row.first) << QLocale(QString::fromLatin1(row.first)) << row.second;
        QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << QString();
        QTest::newRow("it_IT") << QLocale(QLocale::Italian, QLocale::Italy) << QString();
    }

    // After German, so that the English rows also show that a second call
    // takes the first call's translators away.
    void install()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, language);

        QCOMPARE(Karvo::installTranslators(*QCoreApplication::instance(), QLocale(QLocale::German)), QString("de"));
        QCOMPARE(Karvo::installTranslators(*QCoreApplication::instance(), locale), language);

        const QString ours = QCoreApplication::translate("KvMainWindow", "Back");
        const QString qts = QCoreApplication::translate("QPlatformTheme", "Cancel");
        if (language.isEmpty()) {
            QCOMPARE(ours, QString("Back"));
            QCOMPARE(qts, QString("Cancel"));
        } else {
            QVERIFY2(ours != "Back", "Karvo's catalogue is not embedded or not installed");
            QVERIFY2(qts != "Cancel", "Qt's qtbase catalogue is missing: install " KARVO_QT_TRANSLATIONS_PACKAGE);
        }
    }
};

QTEST_GUILESS_MAIN(TstTranslations)
#include "tst_translations.moc"
