#include "help/form2.h"

#include "widgets/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <algorithm>

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
// What the window has gained since the text above was written. The text above
// stays as it always was; this follows it as a paragraph of its own.
const char* const paragraph7 = QT_TRANSLATE_NOOP(
    "zentadial::Form2",
    "Scale sets the time scale of the MJD, Julian Date and Epoch; the date stays in GMT. Click "
    "or tab into any field and type: the other three follow it. 'Preview…' opens "
    "a table of what a conversion would change, and 'Undo Last Conversion' puts back the "
    "files of the last conversion.");

// The label's place in twips; the window is 6345 high around it.
constexpr int kLabelTop = 240;
constexpr int kLabelHeight = 5895;
constexpr int kBottomMargin = 210;

// LF LF CR: the CR is part of the text that the label holds, see HelpLabel.
const QString separator = QStringLiteral("\n\n\r");

// Qt's text layout draws a lone CR as a blank, which would indent every
// paragraph after the first by one space. The label keeps its text exactly and
// paints a copy in which a CR beside a LF joins that line break and any other CR
// is one. Folding the CR away rather than adding a second empty line also keeps
// the text as short as it can be.
QString shownText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

int textFlags(const QLabel& label) {
    return int(QStyle::visualAlignment(label.layoutDirection(), label.alignment())) |
           (label.wordWrap() ? int(Qt::TextWordWrap) : 0);
}

// The height the label's text takes at the label's width, as it is painted.
int shownHeight(const QLabel& label) {
    const QRect room(0, 0, label.contentsRect().width(), QWIDGETSIZE_MAX);
    const int margins = label.height() - label.contentsRect().height();
    return label.fontMetrics()
               .boundingRect(room, textFlags(label), shownText(label.text()))
               .height() +
           margins;
}

class HelpLabel final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        drawFrame(&painter);
        style()->drawItemText(&painter, contentsRect(), textFlags(*this), palette(), isEnabled(),
                              shownText(text()), foregroundRole());
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
    setFixedSize(twipsToPixels(7605, dpiX),
                 twipsToPixels(kLabelTop + kLabelHeight + kBottomMargin, dpiY));

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsToPixels(240, dpiX), twipsToPixels(kLabelTop, dpiY),
                        twipsToPixels(7095, dpiX), twipsToPixels(kLabelHeight, dpiY));
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
    Label1->setText(Label1->text() % separator % tr(paragraph7));

    // The classic box is the least; where the text needs more room (the
    // added paragraph, a longer language), the label and the window grow
    // downwards rather than cut the text off.
    const int labelHeight =
        std::max(twipsToPixels(kLabelHeight, logicalDpiY()), shownHeight(*Label1));
    Label1->resize(Label1->width(), labelHeight);
    setFixedSize(width(), Label1->y() + labelHeight + twipsToPixels(kBottomMargin, logicalDpiY()));
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
