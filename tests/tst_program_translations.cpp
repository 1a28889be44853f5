#include "translations/program_translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTest>

using zentadial::ProgramTranslations;

class TestProgramTranslations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void chosenFromLocale_data();
    void chosenFromLocale();
};

void TestProgramTranslations::chosenFromLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    // Qt's own word on its standard buttons, as its dialogs show it.
    QTest::addColumn<QString>("cancel");
    QTest::newRow("Japanese") << "ja_JP"
                              << "ja" << QStringLiteral("キャンセル");
    QTest::newRow("German") << "de_DE"
                            << "de"
                            << "Abbrechen";
    QTest::newRow("German of Austria: the German catalogue") << "de_AT"
                                                             << "de"
                                                             << "Abbrechen";
    QTest::newRow("Swiss French: the French catalogue") << "fr_CH"
                                                        << "fr"
                                                        << "Annuler";
    QTest::newRow("Italian") << "it_IT"
                             << "it"
                             << "Annulla";
    QTest::newRow("Spanish of Mexico") << "es_MX"
                                       << "es"
                                       << "Cancelar";
    QTest::newRow("English: the source, nothing installed") << "en_US"
                                                            << ""
                                                            << "Cancel";
    QTest::newRow("C locale: English") << "C"
                                       << ""
                                       << "Cancel";
    // Qt speaks Brazilian Portuguese, the program does not: one language, English.
    QTest::newRow("Portuguese: English, Qt's buttons too") << "pt_BR"
                                                           << ""
                                                           << "Cancel";
}

void TestProgramTranslations::chosenFromLocale() {
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QFETCH(QString, cancel);
    {
        const ProgramTranslations translations{QLocale(locale)};
        QCOMPARE(translations.language(), language);
        QCOMPARE(translations.qtInstalled(), !language.isEmpty());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    }
    // Gone with the object: the next window starts from English again.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

QTEST_MAIN(TestProgramTranslations)
#include "tst_program_translations.moc"
