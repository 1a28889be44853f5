#include "help/form2.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using zentadial::Form2;
using zentadial::helpWindow;
using zentadial::showHelpWindow;

namespace {

const QString sep = QStringLiteral("\n\n\r");

const QStringList expectedParagraphs = {
    QStringLiteral("This program converts dates between Julian Date, Modified Julian Date (MJD), "
                   "Epoch, and Date."),
    QStringLiteral("If you wish, you can enter your time zone and press NOW.  It will compute the "
                   "dates in the four time formats based on your computer's internal clock.  It "
                   "does not take daylight savings into account, so for example if you live in "
                   "California, choose -8 during standard time, and -7 during daylight savings.  "),
    QStringLiteral("This program can also be used to modify the date in an .scn file or group of "
                   ".scn files for Orbiter."),
    QStringLiteral("To modify a single .scn file, click the option that says 'Convert Single "
                   "File', press the 'Change' button, choose your file, then press the 'Convert "
                   "File' button."),
    QStringLiteral("To modify a group of files, choose the option that says 'Convert Folder', "
                   "then press 'Change', choose your folder and press the 'Convert Folder' "
                   "button."),
    QStringLiteral("This program will change the date in your specified .scn file(s) to the date "
                   "you have selected."),
};

// Follows the six, unchanged, as a paragraph of its own.
const QString addedParagraph = QStringLiteral(
    "Scale sets the time scale of the MJD, Julian Date and Epoch; the date stays in GMT. Click or "
    "tab into any field and type: the other three follow it. 'Preview\u2026' opens a table of "
    "what a conversion would change, and 'Undo Last Conversion' puts back the files of the last "
    "conversion.");

QString classicText() {
    return expectedParagraphs.join(sep);
}

QString expectedText() {
    return classicText() % sep % addedParagraph;
}

// A language whose texts are longer or shorter than English by a factor.
class StretchingTranslator final : public QTranslator {
public:
    explicit StretchingTranslator(double factor) : factor_(factor) {}
    [[nodiscard]] QString translate(const char*, const char* sourceText, const char*,
                                    int) const override {
        const QString source = QString::fromUtf8(sourceText);
        QString stretched;
        while (stretched.size() < qsizetype(double(source.size()) * factor_)) {
            stretched += source % QLatin1Char(' ');
        }
        return stretched.left(qsizetype(double(source.size()) * factor_));
    }
    [[nodiscard]] bool isEmpty() const override { return false; }

private:
    double factor_;
};

QString labelText(const Form2* window) {
    const auto* label = window->findChild<QLabel*>(QStringLiteral("Label1"));
    return label ? label->text() : QString();
}

QList<Form2*> openHelpWindows() {
    QList<Form2*> found;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<Form2*>(w); form && form->isVisible()) {
            found.append(form);
        }
    }
    return found;
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void paragraphs_data();
    void paragraphs();
    void wholeText();
    void layout();
    void fitsInAnyLanguage_data();
    void fitsInAnyLanguage();
    void painting();

    void pressAgain_data();
    void pressAgain();
    void reopenAfterClose_data();
    void reopenAfterClose();
    void modelessBesideMainWindow();
    void outlivesMainWindow();
};

void TestHelp::cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        w->close();
    }
    flushDeletes();
    QVERIFY(!helpWindow());
}

void TestHelp::paragraphs_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<qsizetype>("length");
    QTest::newRow("1 what it converts") << 0 << qsizetype(93);
    QTest::newRow("2 time zone, double blanks") << 1 << qsizetype(306);
    QTest::newRow("3 scenario files") << 2 << qsizetype(100);
    QTest::newRow("4 single file") << 3 << qsizetype(162);
    QTest::newRow("5 folder") << 4 << qsizetype(152);
    QTest::newRow("6 result") << 5 << qsizetype(95);
    QTest::newRow("7 scale, fields, preview and undo") << 6 << qsizetype(279);
}

void TestHelp::paragraphs() {
    QFETCH(int, index);
    QFETCH(qsizetype, length);
    showHelpWindow();
    // The length checks the expected text itself, before it is the oracle.
    const QStringList expected = QStringList(expectedParagraphs) << addedParagraph;
    QCOMPARE(expected.at(index).size(), length);
    const QStringList parts = labelText(helpWindow()).split(sep);
    QCOMPARE(parts.size(), 7);
    QCOMPARE(parts.at(index), expected.at(index));
}

void TestHelp::wholeText() {
    showHelpWindow();
    QCOMPARE(classicText().size(), 923);
    const QString text = labelText(helpWindow());
    QCOMPARE(text, expectedText());
    QVERIFY(text.startsWith(classicText() % sep));
    // The second paragraph's closing blanks run straight into the separator.
    QVERIFY(text.contains(QStringLiteral("daylight savings.  \n\n\rThis program can also")));
}

void TestHelp::layout() {
    showHelpWindow();
    Form2* window = helpWindow();
    QVERIFY(window);
    QCOMPARE(window->objectName(), QStringLiteral("Form2"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Help"));
    const auto* label = window->findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(label);
    QVERIFY(label->wordWrap());
    QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QCOMPARE(label->font().pointSizeF(), 9.75);
    QCOMPARE(label->font().weight(), QFont::Normal);
    QCOMPARE(label->font().family(), QApplication::font().family());
    QCOMPARE(window->minimumSize(), window->maximumSize());

    if (window->logicalDpiX() != 96 || window->logicalDpiY() != 96) {
        QSKIP("pixel sizes below are for 96 dpi");
    }
    // The classic box, taller by what the text needs beyond it.
    QCOMPARE(window->width(), 507);
    QCOMPARE(label->geometry().topLeft(), QPoint(16, 16));
    QCOMPARE(label->width(), 473);
    QVERIFY(label->height() >= 393);
    QCOMPARE(window->height(), label->geometry().bottom() + 1 + 14);
}

void TestHelp::fitsInAnyLanguage_data() {
    QTest::addColumn<double>("lengthFactor");
    QTest::newRow("as long as English") << 1.0;
    QTest::newRow("half as long again") << 1.5;
    QTest::newRow("twice as long") << 2.0;
    QTest::newRow("a third shorter") << 0.66;
}

void TestHelp::fitsInAnyLanguage() {
    QFETCH(double, lengthFactor);
    StretchingTranslator stretching(lengthFactor);
    QCoreApplication::installTranslator(&stretching);
    showHelpWindow();
    Form2* window = helpWindow();
    QCoreApplication::removeTranslator(&stretching);
    auto* label = window->findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(label);

    QLabel reference;
    reference.setFont(label->font());
    reference.setWordWrap(true);
    reference.setText(label->text().replace(QStringLiteral("\n\n\r"), QStringLiteral("\n\n")));
    // Never cut off, never smaller than the classic box, and inside the window.
    QVERIFY2(reference.heightForWidth(label->width()) <= label->height(),
             qPrintable(QString::number(reference.heightForWidth(label->width()))));
    QVERIFY(label->height() >= zentadial::twipsToPixels(5895, window->logicalDpiY()));
    QVERIFY(window->rect().contains(label->geometry()));
}

void TestHelp::painting() {
    showHelpWindow();
    auto* label = helpWindow()->findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(label);

    // The same paragraphs with plain LF LF breaks: what the help text should look like.
    QLabel reference;
    reference.setFont(label->font());
    reference.setAlignment(label->alignment());
    reference.setWordWrap(true);
    reference.setText(
        (QStringList(expectedParagraphs) << addedParagraph).join(QStringLiteral("\n\n")));
    reference.resize(label->size());

    // All seven paragraphs fit; none is cut off at the bottom of the label.
#ifdef Q_OS_WIN
    if (::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr) {
        QSKIP("Wine draws with wider stand-ins for Windows' own fonts");
    }
#endif
    QVERIFY2(reference.heightForWidth(label->width()) <= label->height(),
             qPrintable(QString::number(reference.heightForWidth(label->width()))));

    // One is a child widget and one a window, so their grabs differ in format only.
    const QImage shown = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage wanted = reference.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), wanted.size());
    // No blank or box where each CR stands, and no paragraph shifted off its line.
    QVERIFY(shown == wanted);
}

void TestHelp::pressAgain_data() {
    QTest::addColumn<bool>("minimiseFirst");
    QTest::newRow("while shown") << false;
    QTest::newRow("while minimised") << true;
}

void TestHelp::pressAgain() {
    QFETCH(bool, minimiseFirst);
    showHelpWindow();
    QPointer<Form2> first = helpWindow();
    QVERIFY(first);
    if (minimiseFirst) {
        first->showMinimized();
    }

    showHelpWindow();
    flushDeletes();
    QCOMPARE(helpWindow(), first.data());
    QCOMPARE(openHelpWindows().size(), 1);
    QVERIFY(first->isVisible());
    QVERIFY(!first->isMinimized());
    QCOMPARE(labelText(first), expectedText());
}

void TestHelp::reopenAfterClose_data() {
    QTest::addColumn<bool>("deletedBeforePress");
    QTest::newRow("pressed later") << true;
    QTest::newRow("pressed before the close has finished") << false;
}

void TestHelp::reopenAfterClose() {
    QFETCH(bool, deletedBeforePress);
    showHelpWindow();
    QPointer<Form2> first = helpWindow();
    QVERIFY(first);

    QVERIFY(first->close());
    QVERIFY(!helpWindow());
    if (deletedBeforePress) {
        flushDeletes();
        QVERIFY(!first);
    }

    showHelpWindow();
    flushDeletes();
    QVERIFY(!first);
    QPointer<Form2> second = helpWindow();
    QVERIFY(second);
    QVERIFY(second->isVisible());
    QCOMPARE(openHelpWindows().size(), 1);
    QCOMPARE(labelText(second), expectedText());
}

void TestHelp::modelessBesideMainWindow() {
    QWidget mainWindow;
    mainWindow.setWindowTitle(QStringLiteral("stand-in"));
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));

    showHelpWindow();
    Form2* help = helpWindow();
    QVERIFY(help);
    QVERIFY(help->isWindow());
    QCOMPARE(help->parentWidget(), nullptr);
    QCOMPARE(help->windowType(), Qt::Window);
    QCOMPARE(help->windowModality(), Qt::NonModal);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(QGuiApplication::modalWindow(), nullptr);

    QVERIFY(mainWindow.isEnabled());
    QVERIFY(mainWindow.isVisible());
    mainWindow.activateWindow();
    QVERIFY(help->isVisible());
}

void TestHelp::outlivesMainWindow() {
    // Qt reports the last window closing only from inside the application's own
    // event loop, so this test runs one, with a watchdog in case it never ends.
    QVERIFY(QGuiApplication::quitOnLastWindowClosed());
    auto* mainWindow = new QWidget;
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow->show();
    showHelpWindow();
    QPointer<Form2> help = helpWindow();
    QVERIFY(help);

    bool helpOpenAfterMainClosed = false;
    int lastClosedWhileHelpOpen = 0;
    int lastClosedAfterHelp = 0;
    QObject context;
    connect(qApp, &QGuiApplication::lastWindowClosed, &context, [&] {
        ++((help && help->isVisible()) ? lastClosedWhileHelpOpen : lastClosedAfterHelp);
    });
    QTimer::singleShot(0, &context, [&] { mainWindow->close(); });
    QTimer::singleShot(50, &context, [&] {
        helpOpenAfterMainClosed = help && help->isVisible();
        if (help) {
            help->close();
        }
    });
    QTimer::singleShot(5000, &context, [] { QCoreApplication::exit(2); });

    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(helpOpenAfterMainClosed);
    QCOMPARE(lastClosedWhileHelpOpen, 0);
    QCOMPARE(lastClosedAfterHelp, 1);
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
