// One keystroke in the active MJD field, until the other three fields hold
// their new texts, against the least any linked field could cost: three bare
// QLineEdit::setText calls. Both run in the same process, interleaved.

#include "bench/bench_stats.h"
#include "converter/form1.h"
#include "tests/support/fake_seams.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>

using namespace zentadial;

namespace {

using Timer = std::chrono::steady_clock;

double microsecondsSince(Timer::time_point start) {
    return std::chrono::duration<double, std::micro>(Timer::now() - start).count();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int keystrokes = argc > 1 ? std::max(100, std::atoi(argv[1])) : 5000;

    test::FakeDesktop desktop;
    Form1 form(desktop.seams(), RegionalForm::englishUnitedStates());
    form.show();
    auto* mjd = form.findChild<QLineEdit*>(QStringLiteral("txtMJD"));
    auto* julian = form.findChild<QLineEdit*>(QStringLiteral("txtJulian"));
    if (mjd == nullptr || julian == nullptr) {
        std::fprintf(stderr, "the converter window has no txtMJD or txtJulian\n");
        return 1;
    }
    QTest::mouseClick(mjd, Qt::LeftButton);
    mjd->selectAll();
    QTest::keyClicks(mjd, QStringLiteral("53005.5"));

    QWidget plainWindow;
    std::array<QLineEdit*, 3> plain{new QLineEdit(&plainWindow), new QLineEdit(&plainWindow),
                                    new QLineEdit(&plainWindow)};
    plainWindow.show();
    const std::array<QString, 2> texts{QStringLiteral("2453006.01"), QStringLiteral("2453006")};

    std::vector<double> keystrokeTimes;
    std::vector<double> setTextTimes;
    int failures = 0;
    for (int i = 0; i < keystrokes; ++i) {
        // A digit, then its removal: the MJD stays near 53005.5 throughout.
        const bool typeDigit = i % 2 == 0;
        const QString julianBefore = julian->text();
        auto start = Timer::now();
        if (typeDigit) {
            QTest::keyClick(mjd, Qt::Key_1);
        } else {
            QTest::keyClick(mjd, Qt::Key_Backspace);
        }
        keystrokeTimes.push_back(microsecondsSince(start));
        failures += julian->text() == julianBefore ? 1 : 0;

        start = Timer::now();
        for (QLineEdit* edit : plain) {
            edit->setText(texts[static_cast<std::size_t>(i % 2)]);
        }
        setTextTimes.push_back(microsecondsSince(start));
    }
    if (failures > 0) {
        std::fprintf(stderr, "%d keystrokes left the JD field as it was\n", failures);
        return 1;
    }

    const double keyMedian = bench::median(keystrokeTimes);
    const double keyP99 = bench::quantile(keystrokeTimes, 0.99);
    const double setMedian = bench::median(setTextTimes);
    const double setP99 = bench::quantile(setTextTimes, 0.99);
    std::printf("keystroke in txtMJD: median %.1f us, p99 %.1f us (%d keystrokes)\n", keyMedian,
                keyP99, keystrokes);
    std::printf("three QLineEdit::setText: median %.1f us, p99 %.1f us\n", setMedian, setP99);
    std::printf("keystroke: median ratio %.1f, p99 ratio %.1f (keystroke / three setText)\n",
                keyMedian / setMedian, keyP99 / setP99);
    return 0;
}
