#include "widgets/twips.h"

#include <QTest>

using zentadial::twipsToPixels;

static_assert(twipsToPixels(1440, 96.0) == 96, "usable in constant expressions");

class TestTwips : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void converts_data();
    void converts();
};

void TestTwips::converts_data() {
    QTest::addColumn<int>("twips");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("pixels");

    QTest::newRow("one pixel at 96 dpi") << 15 << 96.0 << 1;
    QTest::newRow("just under half a pixel rounds down") << 7 << 96.0 << 0;
    QTest::newRow("just over half a pixel rounds up") << 8 << 96.0 << 1;
    QTest::newRow("exact half rounds up") << 45 << 112.0 << 4; // 3.5
    QTest::newRow("window width at 96 dpi") << 3285 << 96.0 << 219;
    QTest::newRow("window width at 120 dpi") << 3285 << 120.0 << 274;  // 273.75
    QTest::newRow("window height at 144 dpi") << 4515 << 144.0 << 452; // 451.5
    QTest::newRow("zero") << 0 << 96.0 << 0;
    QTest::newRow("negative rounds away from zero") << -8 << 96.0 << -1;
}

void TestTwips::converts() {
    QFETCH(int, twips);
    QFETCH(double, dpi);
    QFETCH(int, pixels);
    QCOMPARE(twipsToPixels(twips, dpi), pixels);
}

QTEST_APPLESS_MAIN(TestTwips)
#include "tst_twips.moc"
