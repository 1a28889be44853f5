#include "help/form2.h"

#include "widgets/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QStyle>

namespace zentadial {

namespace {

const char* const paragraph1 = QT_TRANSLATE_NOOP(
    "zentadial::Form2",
    "This program converts dates between Julian Date, Modified Julian Date (MJD), Epoch, and "
    "Date.");
// The double blanks after each full stop, and the two that end it, belong to the text.
const char* const paragraph2 = QT_TRANSLATE_NOOP(
    "zentadial::Form2",
    "If you wish, you can enter your time zone and press NOW.  It will compute the dates in the "
    "four time formats based on your computer's internal clock.  It does not take daylight "
    "savings into account, so for example if you live in California, choose -8 during standard "
    "time, and -7 during daylight savings.  ");
const char* const paragraph3 = QT_TRANSLATE_NOOP(
    "zentadial::Form2",
    "This program can also be used to modify the date in an .scn file or group of .scn files for "
    "Orbiter.");
const char* const paragraph4 = QT_TRANSLATE_NOOP(
    "zentadial::Form2",
    "To modify a single .scn file, click the option that says 'Convert Single File', press the "
    "'Change' button, choose your file, then press the 'Convert File' button.");
const char* const paragraph5 = QT_TRANSLATE_NOOP(
    "zentadial::Form2",
    "To modify a group of files, choose the option that says 'Convert Folder', then press "
    "'Change', choose your folder and press the 'Convert Folder' button.");
const char* const paragraph6 = QT_TRANSLATE_NOOP(
    "zentadial::Form2",
    "This program will change the date in your specified .scn file(s) to the date you have "
    "selected.");

// LF LF CR: the CR is part of the text that the label holds, see HelpLabel.
const QString separator = QStringLiteral("\n\n\r");

// Qt's text layout draws a lone CR as a blank, which would indent every
// paragraph after the first by one space. The label keeps its text exactly and
// paints a copy in which a CR beside a LF joins that line break and any other CR
// is one. Folding the CR away rather than adding a second empty line also keeps
// the last paragraph inside the fixed label box with the default font.
class HelpLabel final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QString shown = text();
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
        shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));

        QPainter painter(this);
        drawFrame(&painter);
        const int flags = int(QStyle::visualAlignment(layoutDirection(), alignment())) |
                          (wordWrap() ? int(Qt::TextWordWrap) : 0);
        style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), shown,
                              foregroundRole());
    }
};

QPointer<Form2> openHelpWindow;

} // namespace

Form2::Form2() : QWidget(nullptr), Label1(new HelpLabel(this)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Help"));
    // Closing unloads the window; the next "Help" builds a new one.
    setAttribute(Qt::WA_DeleteOnClose);

    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    // The label does not follow the window's size, so the window keeps its own.
    setFixedSize(twipsToPixels(7605, dpiX), twipsToPixels(6345, dpiY));

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsToPixels(240, dpiX), twipsToPixels(240, dpiY),
                        twipsToPixels(7095, dpiX), twipsToPixels(5895, dpiY));
    QFont font = QApplication::font();
    font.setPointSizeF(9.75);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    Label1->setFont(font);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);

    Form_Load();
}

void Form2::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    // The deletion is deferred; a "Help" pressed before it happens must not
    // bring back the window that is about to go.
    if (event->isAccepted() && openHelpWindow == this) {
        openHelpWindow = nullptr;
    }
}

void Form2::Form_Load() {
    Label1->setText(tr(paragraph1) % separator);
    Label1->setText(Label1->text() % tr(paragraph2) % separator);
    Label1->setText(Label1->text() % tr(paragraph3) % separator);
    Label1->setText(Label1->text() % tr(paragraph4) % separator);
    Label1->setText(Label1->text() % tr(paragraph5) % separator);
    Label1->setText(Label1->text() % tr(paragraph6));
}

void showHelpWindow() {
    if (!openHelpWindow) {
        openHelpWindow = new Form2;
    }
    // Brought forward means visible, so a minimised window comes back too.
    openHelpWindow->setWindowState(openHelpWindow->windowState() & ~Qt::WindowMinimized);
    openHelpWindow->show();
    openHelpWindow->raise();
    openHelpWindow->activateWindow();
}

Form2* helpWindow() {
    return openHelpWindow.data();
}

} // namespace zentadial
