#include "core/date_text.h"
#include "core/number_text.h"
#include "platform/locale_form.h"

#include <QLocale>
#include <QTest>
#include <random>

using namespace zentadial;

class TestLocaleForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void forms_data();
    void forms();
    void everyLocaleReadsBackItsOwnTexts();
};

void TestLocaleForm::forms_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("evening");
    QTest::addColumn<QString>("number");
    QTest::newRow("C stands for en-US") << QLocale::c() << "1/1/2004 6:00:00 PM"
                                        << "53005.75";
    QTest::newRow("en-US, four-digit year, no zone")
        << QLocale(QLocale::English, QLocale::UnitedStates) << "1/1/2004 6:00:00 PM"
        << "53005.75";
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "01.01.2004 18:00:00"
                            << "53005,75";
    QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << "01/01/2004 18:00:00"
                            << "53005,75";
}

void TestLocaleForm::forms() {
    QFETCH(QLocale, locale);
    const RegionalForm form = regionalFormFrom(locale);
    QTEST(QString::fromStdString(dateToText(37987.75, form)), "evening");
    QTEST(QString::fromStdString(numberToText(53005.75, form)), "number");
}

// Whatever the user's locale, the date field must read back what it shows,
// or a scenario rewrite would fail on the window's own text.
void TestLocaleForm::everyLocaleReadsBackItsOwnTexts() {
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    std::mt19937_64 random(20040101);
    std::uniform_real_distribution<double> serial(-657434.0, 2958465.9);
    QStringList failures;
    for (const QLocale& locale : locales) {
        const RegionalForm form = regionalFormFrom(locale);
        for (int i = 0; i < 40; ++i) {
            const double date = i == 0 ? 37987.75 : serial(random);
            const std::string text = dateToText(date, form);
            const Conv<SerialDate> back = dateFromText(text, form);
            const double expected =
                dateFromText(dateToText(date, RegionalForm{}), RegionalForm{}).value();
            if (!back || std::abs(*back - expected) > 1e-6) {
                failures.append(locale.name() + QStringLiteral(": ") +
                                QString::fromStdString(text));
                break;
            }
        }
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestLocaleForm)
#include "tst_locale_form.moc"
