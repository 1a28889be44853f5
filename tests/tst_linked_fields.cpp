#include "core/field_agreement.h"
#include "core/linked_fields.h"
#include "support/exact_compare.h"
#include "support/regional_forms.h"

#include <QTest>
#include <array>

using namespace zentadial;

namespace {

using test::germanForm;

// The texts the four fields end with when `text` is typed into `source`.
std::array<QString, 4> afterEntry(Field source, const QString& text, const RegionalForm& form) {
    const FieldTexts fields = fieldsAfterEntry(source, text.toStdString(), form);
    std::array<QString, 4> shown;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        shown[i] = QString::fromStdString(fields.texts[i]);
    }
    return shown;
}

} // namespace

class TestLinkedFields : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fillsTheOtherFields_data();
    void fillsTheOtherFields();
    void writesInHandlerOrder_data();
    void writesInHandlerOrder();
    void neverWritesTheEditedField();
    void fieldsOutOfStep_data();
    void fieldsOutOfStep();
};

void TestLinkedFields::fillsTheOtherFields_data() {
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("mjd");
    QTest::addColumn<QString>("epoch");
    QTest::addColumn<QString>("julian");
    // Whether the four fields then show one instant that a scenario may get.
    QTest::addColumn<bool>("agreed");

    const int date = int(Field::Date);
    const int mjd = int(Field::Mjd);
    const int epoch = int(Field::Epoch);
    const int julian = int(Field::Julian);
    // clang-format off
    QTest::newRow("J2000 from MJD") << mjd << "51544.5" << false
        << "1/1/2000 12:00:00 PM" << "51544.5" << "2000" << "2451545" << true;
    QTest::newRow("epoch 2004") << epoch << "2004" << false
        << "1/1/2004 12:00:00 PM" << "53005.5" << "2004" << "2453006" << true;
    QTest::newRow("evening date, epoch from MJD text") << date << "1/1/2004 6:00:00 PM" << false
        << "1/1/2004 6:00:00 PM" << "53005.75" << "2004.0006844627" << "2453006.25" << true;
    QTest::newRow("midnight date") << date << "1/1/2004" << false
        << "1/1/2004" << "53005" << "2003.99863107461" << "2453005.5" << true;
    QTest::newRow("date with seconds") << date << "3/21/2006 6:30:15 AM" << false
        << "3/21/2006 6:30:15 AM" << "53815.2710069444" << "2006.21703218876" << "2453815.77100694" << true;
    QTest::newRow("MJD 0") << mjd << "0" << false
        << "11/17/1858" << "0" << "1858.87885010267" << "2400000.5" << true;
    QTest::newRow("date not a date empties") << date << "abc" << false
        << "abc" << "" << "" << "" << false;
    QTest::newRow("empty date empties") << date << "" << false << "" << "" << "" << "" << false;
    QTest::newRow("empty MJD keeps JD of MJD 0") << mjd << "" << false
        << "" << "" << "" << "2400000.5" << false;
    QTest::newRow("MJD with trailing letter") << mjd << "53005x" << false
        << "" << "53005x" << "" << "2400000.5" << false;
    QTest::newRow("JD with trailing letter is read") << julian << "2453005.5x" << false
        << "1/1/2004" << "53005" << "2003.99863107461" << "2453005.5x" << false;
    // Out of the date range the date field is emptied, not shown as day 0.
    QTest::newRow("empty JD before year 100") << julian << "" << false
        << "" << "-2400000.5" << "-4711.96440793977" << "" << false;
    QTest::newRow("empty epoch before year 100") << epoch << "" << false
        << "" << "-678955.5" << "" << "1721045" << false;
    QTest::newRow("MJD past year 9999") << mjd << "3000000" << false
        << "" << "3000000" << "10072.431211499" << "5400000.5" << false;
    QTest::newRow("last day whose sum stayed in range") << date << "11/18/9958" << false
        << "11/18/9958" << "2958465" << "9958.71457905544" << "5358465.5" << true;
    // cMJD covers the whole date range rather than failing from 9958 on.
    QTest::newRow("first day past the old cMJD limit") << date << "11/19/9958" << false
        << "11/19/9958" << "2958466" << "9958.71731690623" << "5358466.5" << true;
    QTest::newRow("before 1899") << date << "12/29/1899 6:00:00 PM" << false
        << "12/29/1899 6:00:00 PM" << "15017.75" << "1899.99520876112" << "2415018.25" << true;
    // A decimal comma is read back as a decimal comma.
    QTest::newRow("comma MJD") << mjd << "53005,75" << true
        << "01.01.2004 18:00:00" << "53005,75" << "2004,0006844627" << "2453006,25" << true;
    QTest::newRow("comma date") << date << "01.01.2004 18:00:00" << true
        << "01.01.2004 18:00:00" << "53005,75" << "2004,0006844627" << "2453006,25" << true;
    QTest::newRow("comma JD") << julian << "2453006,25" << true
        << "01.01.2004 18:00:00" << "53005,75" << "2004,0006844627" << "2453006,25" << true;
    QTest::newRow("comma epoch") << epoch << "2004" << true
        << "01.01.2004 12:00:00" << "53005,5" << "2004" << "2453006" << true;
    // clang-format on
}

void TestLinkedFields::fillsTheOtherFields() {
    QFETCH(int, source);
    QFETCH(QString, entry);
    QFETCH(bool, german);
    const RegionalForm form = german ? germanForm() : RegionalForm::englishUnitedStates();
    const std::array<QString, 4> fields = afterEntry(static_cast<Field>(source), entry, form);
    QTEST(fields[0], "date");
    QTEST(fields[1], "mjd");
    QTEST(fields[2], "epoch");
    QTEST(fields[3], "julian");
    const std::expected<double, FieldDisagreement> agreed =
        agreedMjd(fieldsAfterEntry(static_cast<Field>(source), entry.toStdString(), form), form);
    QTEST(agreed.has_value(), "agreed");
}

void TestLinkedFields::writesInHandlerOrder_data() {
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QList<int>>("order");
    const int d = int(Field::Date);
    const int m = int(Field::Mjd);
    const int e = int(Field::Epoch);
    const int j = int(Field::Julian);
    QTest::newRow("date") << d << "1/1/2004" << QList<int>{m, e, j};
    QTest::newRow("date not a date") << d << "x" << QList<int>{m, e, j, m, e, j};
    QTest::newRow("MJD") << m << "1" << QList<int>{d, e, j};
    QTest::newRow("MJD not a number") << m << "x" << QList<int>{d, e, j, d, e};
    QTest::newRow("epoch") << e << "1" << QList<int>{d, m, j};
    QTest::newRow("julian") << j << "1" << QList<int>{m, e, d};
}

void TestLinkedFields::writesInHandlerOrder() {
    QFETCH(int, source);
    QFETCH(QString, entry);
    QFETCH(QList<int>, order);
    const auto form = RegionalForm::englishUnitedStates();
    const std::string text = entry.toStdString();
    const FieldWrites writes = entryWrites(static_cast<Field>(source), text, form);
    QList<int> written;
    for (const FieldWrite& write : writes) {
        written.append(int(write.field));
    }
    QCOMPARE(written, order);
}

void TestLinkedFields::neverWritesTheEditedField() {
    const auto form = RegionalForm::englishUnitedStates();
    for (const char* text : {"", "x", "1", "-1e300", "1e400", "53005.5"}) {
        for (const FieldWrite& w : dateEntryWrites(text, form)) {
            QVERIFY(w.field != Field::Date);
        }
        for (const FieldWrite& w : mjdEntryWrites(text, form)) {
            QVERIFY(w.field != Field::Mjd);
        }
        for (const FieldWrite& w : epochEntryWrites(text, form)) {
            QVERIFY(w.field != Field::Epoch);
        }
        for (const FieldWrite& w : julianEntryWrites(text, form)) {
            QVERIFY(w.field != Field::Julian);
        }
    }
}

// Four texts as a failed step or an edit that ran no recompute leave them:
// the refusal names the first field that reads as nothing, then the first
// empty one, then the first out of step with the MJD.
void TestLinkedFields::fieldsOutOfStep_data() {
    QTest::addColumn<QStringList>("fields"); // date, MJD, Epoch, Julian Date
    QTest::addColumn<int>("field");          // -1: they agree
    QTest::addColumn<int>("problem");
    const int date = int(Field::Date);
    const int epoch = int(Field::Epoch);
    const int julian = int(Field::Julian);
    const int empty = int(FieldProblem::Empty);
    const int unreadable = int(FieldProblem::Unreadable);
    const int outOfStep = int(FieldProblem::OutOfStep);
    // clang-format off
    QTest::newRow("within the date's second")
        << QStringList{"1/1/2000 12:00:00 PM", "51544.500005", "2000.00000001369", "2451545.000005"}
        << -1 << 0;
    QTest::newRow("date a second later")
        << QStringList{"1/1/2000 12:00:01 PM", "51544.5", "2000", "2451545"} << date << outOfStep;
    QTest::newRow("date of another day")
        << QStringList{"1/2/2000 12:00:00 PM", "51544.5", "2000", "2451545"} << date << outOfStep;
    QTest::newRow("epoch of another year")
        << QStringList{"1/1/2000 12:00:00 PM", "51544.5", "2001", "2451545"} << epoch << outOfStep;
    QTest::newRow("JD a minute off")
        << QStringList{"1/1/2000 12:00:00 PM", "51544.5", "2000", "2451545.0007"} << julian << outOfStep;
    QTest::newRow("letters in the JD read as 0 by the fields")
        << QStringList{"", "-2400000.5", "-4711.96440793977", "abc"} << julian << unreadable;
    QTest::newRow("blank epoch")
        << QStringList{"1/1/2000 12:00:00 PM", "51544.5", "  ", "2451545"} << epoch << empty;
    // clang-format on
}

void TestLinkedFields::fieldsOutOfStep() {
    QFETCH(QStringList, fields);
    QFETCH(int, field);
    QFETCH(int, problem);
    FieldTexts texts;
    for (std::size_t i = 0; i < texts.texts.size(); ++i) {
        texts.texts[i] = fields[qsizetype(i)].toStdString();
    }
    const auto form = RegionalForm::englishUnitedStates();
    const std::expected<double, FieldDisagreement> agreed = agreedMjd(texts, form);
    if (field < 0) {
        QVERIFY(agreed.has_value());
        QCOMPARE_EXACT(*agreed, 51544.500005);
    } else {
        QVERIFY(!agreed.has_value());
        QCOMPARE(agreed.error(), (FieldDisagreement{static_cast<Field>(field),
                                                    static_cast<FieldProblem>(problem)}));
    }
}

QTEST_GUILESS_MAIN(TestLinkedFields)
#include "tst_linked_fields.moc"
