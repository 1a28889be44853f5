#include "converter/form1.h"

#include "converter/option_button.h"
#include "converter/scale_box.h"
#include "core/date_text.h"
#include "core/field_agreement.h"
#include "core/number_text.h"
#include "core/present_date.h"
#include "core/scales.h"
#include "core/zone_offset.h"
#include "help/form2.h"
#include "platform/path_text.h"
#include "preview/journal_messages.h"
#include "preview/preview.h"
#include "scenario/journal_pass.h"
#include "scenario/scenario_rewrite.h"
#include "widgets/caption_width.h"
#include "widgets/scenario_words.h"
#include "widgets/twips.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

namespace zentadial {
namespace {

constexpr double kLargePointSize = 12.0;
const char* const kFinishedTitle = QT_TRANSLATE_NOOP("zentadial::Form1", "Finished");
const char* const kNotConvertedTitle = QT_TRANSLATE_NOOP("zentadial::Form1", "Not Converted");

// A pass runs on the window's thread; the cursor says it is busy meanwhile.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}
std::string toStd(const QString& text) {
    return text.toStdString();
}

// A pass the undo journal could not keep says so under what it did.
QString withNote(const QString& detail, const QString& note) {
    return note.isEmpty() ? detail : detail % QLatin1Char('\n') % note;
}

} // namespace

Form1::Form1(Seams seams, RegionalForm form, QWidget* parent)
    : QWidget(parent), seams_(seams), form_(std::move(form)) {
    createControls();
    setTabOrder();
    wireEvents();
    Form_Load();
}

// The preview goes first: it reads the fields of this window to the end.
Form1::~Form1() {
    delete preview_;
}

void Form1::createControls() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Zentadial"));
    const double dpi = logicalDpiX();
    const auto px = [dpi](int twips) { return twipsToPixels(twips, dpi); };
    setFixedSize(px(11175), px(6300));

    QFont large = font();
    large.setPointSizeF(kLargePointSize);
    const auto place = [&](QWidget* widget, const char* name, int left, int top, int width,
                           int height, bool largeFont) {
        widget->setObjectName(QString::fromLatin1(name));
        widget->setGeometry(px(left), px(top), px(width), px(height));
        if (largeFont) {
            widget->setFont(large);
        }
    };
    const auto frame = [&](const char* name, const char* caption, int left, int top, int width,
                           int height, bool largeFont) {
        auto* box = new QGroupBox(tr(caption), this);
        place(box, name, left, top, width, height, largeFont);
        return box;
    };
    const auto field = [&](QWidget* parentFrame, const char* name, int left, int top, int width,
                           int height) {
        auto* edit = new QLineEdit(parentFrame);
        place(edit, name, left, top, width, height, true);
        return edit;
    };
    const auto button = [&](QWidget* parentWidget, const char* name, const char* caption, int left,
                            int top, int width, int height, bool largeFont) {
        auto* push = new QPushButton(tr(caption), parentWidget);
        place(push, name, left, top, width, height, largeFont);
        push->setAutoDefault(false);
        return push;
    };

    Frame2 = frame("Frame2", QT_TR_NOOP("Date (GMT)"), 240, 240, 4575, 855, true);
    txtDate = field(Frame2, "txtDate", 120, 360, 4215, 375);
    Frame4 = frame("Frame4", QT_TR_NOOP("MJD"), 5160, 240, 4575, 855, true);
    txtMJD = field(Frame4, "txtMJD", 120, 360, 4215, 375);
    Frame6 = frame("Frame6", QT_TR_NOOP("Julian Date"), 240, 1200, 4575, 855, true);
    txtJulian = field(Frame6, "txtJulian", 120, 360, 4215, 375);
    Frame5 = frame("Frame5", QT_TR_NOOP("Epoch"), 5160, 1200, 4575, 855, true);
    txtEpoch = field(Frame5, "txtEpoch", 120, 360, 4215, 375);

    btnNow = button(this, "btnNow", QT_TR_NOOP("Now"), 9960, 720, 975, 255, false);
    // A language's "Now" wider than its button widens it evenly, at most to
    // the zone's frame below, on whose middle it stands.
    if (const int extra = std::min(captionWidth(*btnNow), px(1215)) - btnNow->width(); extra > 0) {
        btnNow->setGeometry(btnNow->geometry().adjusted(-extra / 2, 0, extra - extra / 2, 0));
    }
    Frame7 = frame("Frame7", QT_TR_NOOP("Time Zone"), 9840, 1080, 1215, 735, false);
    Combo1 = new QComboBox(Frame7);
    place(Combo1, "Combo1", 120, 240, 975, 315, false);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setMaxVisibleItems(26);
    Combo1->setAccessibleName(tr("Time Zone"));
    Combo1->lineEdit()->setAccessibleName(tr("Time zone, hours east of GMT"));

    // The time scale of the MJD, JD and Epoch, in the free place of the right
    // column, in the size and style of the zone's frame.
    Frame8 = frame("Frame8", QT_TR_NOOP("Scale"), 9840, 1920, 1215, 735, false);
    Combo2 = new ScaleBox(Frame8);
    place(Combo2, "Combo2", 120, 240, 975, 315, false);
    Combo2->addEntry(tr("UTC"), tr("UTC"), QVariant::fromValue(int(TimeScale::Utc)));
    Combo2->addEntry(tr("TDB", "short name of the scale"), tr("TDB (simulator clock)"),
                     QVariant::fromValue(int(TimeScale::Tdb)));
    Combo2->addEntry(tr("Sim.", "short name of the scale"), tr("Simulator's Now (UTC + 66.184 s)"),
                     QVariant::fromValue(int(TimeScale::SimulatorNow)));
    // The full names are longer than the box: the list opens wide enough.
    Combo2->view()->setMinimumWidth(Combo2->view()->sizeHintForColumn(0) + px(240));
    Combo2->setAccessibleName(tr("Time scale of the MJD, JD and Epoch"));

    Frame3 = frame("Frame3", QT_TR_NOOP("File to Convert:"), 240, 2520, 9255, 1335, true);
    txtFile = field(Frame3, "txtFile", 120, 360, 9015, 375);
    Command3 = button(Frame3, "Command3", QT_TR_NOOP("Change"), 120, 840, 1335, 330, true);

    Frame1 = frame("Frame1", QT_TR_NOOP("Folder to Convert:"), 240, 4080, 9255, 1335, true);
    txtFolder = field(Frame1, "txtFolder", 120, 360, 9015, 375);
    Command2 = button(Frame1, "Command2", QT_TR_NOOP("Change"), 120, 840, 1335, 375, true);
    Frame1->setEnabled(false);
    txtFolder->setEnabled(false);
    Command2->setEnabled(false);

    Option1 = new OptionButton(tr("Convert single file"), this);
    place(Option1, "Option1", 9600, 2880, 1455, 855, true);
    Option1->setChecked(true);
    Option2 = new OptionButton(tr("Convert Entire Folder"), this);
    place(Option2, "Option2", 9600, 4440, 1455, 975, true);

    cmdFolder =
        button(this, "cmdFolder", QT_TR_NOOP("Convert Folder"), 2880, 5520, 2055, 495, true);
    cmdFolder->setVisible(false);
    cmdFile = button(this, "cmdFile", QT_TR_NOOP("Convert File"), 4920, 5520, 2055, 495, true);
    Command1 = button(this, "Command1", QT_TR_NOOP("Help"), 7800, 5520, 1215, 495, false);
    // In the free places of the bottom row, on either side of the others;
    // the longer caption takes the wider place.
    cmdUndo =
        button(this, "cmdUndo", QT_TR_NOOP("Undo Last Conversion"), 240, 5520, 2520, 495, false);
    cmdPreview =
        button(this, "cmdPreview", QT_TR_NOOP("Preview\u2026"), 9120, 5520, 1935, 495, true);
}

// The keyboard order users expect from this window; frames take no focus.
void Form1::setTabOrder() {
    const QWidget* const chain[] = {cmdFolder, txtFolder, Command2,   txtDate,  txtFile,   Command3,
                                    Option1,   Option2,   txtMJD,     txtEpoch, txtJulian, cmdUndo,
                                    cmdFile,   Command1,  cmdPreview, btnNow,   Combo1,    Combo2};
    for (std::size_t i = 1; i < std::size(chain); ++i) {
        QWidget::setTabOrder(const_cast<QWidget*>(chain[i - 1]), const_cast<QWidget*>(chain[i]));
    }
    txtDate->setFocus();
}

void Form1::wireEvents() {
    for (QLineEdit* edit : {txtDate, txtMJD, txtEpoch, txtJulian}) {
        edit->installEventFilter(this);
    }
    connect(txtDate, &QLineEdit::textChanged, this, &Form1::txtDate_Change);
    connect(txtMJD, &QLineEdit::textChanged, this, &Form1::txtMJD_Change);
    connect(txtEpoch, &QLineEdit::textChanged, this, &Form1::txtEpoch_Change);
    connect(txtJulian, &QLineEdit::textChanged, this, &Form1::txtJulian_Change);
    connect(btnNow, &QPushButton::clicked, this, &Form1::btnNow_Click);
    connect(Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    connect(Combo1->lineEdit(), &QLineEdit::editingFinished, this, &Form1::keepTypedZone);
    connect(Combo2, &QComboBox::activated, this, &Form1::Combo2_Click);
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            Option1_Click();
        }
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            Option2_Click();
        }
    });
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(cmdFile, &QPushButton::clicked, this, &Form1::cmdFile_Click);
    connect(cmdFolder, &QPushButton::clicked, this, &Form1::cmdFolder_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(cmdPreview, &QPushButton::clicked, this, &Form1::cmdPreview_Click);
    connect(cmdUndo, &QPushButton::clicked, this, &Form1::cmdUndo_Click);
}

// A field becomes active by a click, or when the user moves the keyboard
// focus into it (Tab, Backtab, a shortcut): typing then recomputes the other
// fields whichever way the field was reached. The focus the window gives a
// field at start or on activation leaves the flags alone.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
    const bool clicked = event->type() == QEvent::MouseButtonPress;
    const bool reachedByKeyboard = [event] {
        if (event->type() != QEvent::FocusIn) {
            return false;
        }
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
               reason == Qt::ShortcutFocusReason;
    }();
    if (clicked || reachedByKeyboard) {
        if (watched == txtDate) {
            txtDate_Click();
        } else if (watched == txtMJD) {
            txtMJD_Click();
        } else if (watched == txtEpoch) {
            txtEpoch_Click();
        } else if (watched == txtJulian) {
            txtJulian_Click();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

QLineEdit* Form1::fieldFor(Field field) const {
    switch (field) {
    case Field::Date:
        return txtDate;
    case Field::Mjd:
        return txtMJD;
    case Field::Epoch:
        return txtEpoch;
    case Field::Julian:
        return txtJulian;
    }
    return nullptr;
}

// Each write raises the written field's change event at once; its flag is
// False, so it returns without recomputing.
void Form1::apply(const FieldWrites& writes) {
    for (const FieldWrite& write : writes) {
        fieldFor(write.field)->setText(fromStd(write.text));
    }
    showScaleNotes();
    if (preview_) {
        preview_->datesChanged();
    }
}

// Outside UTC the numeric frames name their scale, so that a figure copied
// from them is never taken for a UTC one.
void Form1::showScaleInCaptions() {
    if (timeScale_ == TimeScale::Utc) {
        Frame4->setTitle(tr("MJD"));
        Frame6->setTitle(tr("Julian Date"));
        Frame5->setTitle(tr("Epoch"));
        return;
    }
    const QString scale = timeScale_ == TimeScale::Tdb
                              ? tr("TDB", "short name of the scale")
                              : tr("Sim. Now", "name of the scale in a caption");
    Frame4->setTitle(tr("MJD (%1)").arg(scale));
    Frame6->setTitle(tr("Julian Date (%1)").arg(scale));
    Frame5->setTitle(tr("Epoch (%1)").arg(scale));
}

const MjdScale& Form1::mjdScale() const {
    return mjdScaleOf(timeScale_);
}

// What the user must know about the MJD in the chosen scale (a model before
// 1960, no leap second known after 2016, an instant in a leap second) shows
// as the tooltip of the MJD field and of the scale.
void Form1::showScaleNotes() {
    const Conv<double> mjd = numberFromText(toStd(txtMJD->text()), form_);
    const QString notes =
        mjd ? ScenarioWords::scaleNotes(notesForMjd(*mjd, timeScale_)) : QString();
    txtMJD->setToolTip(notes);
    Combo2->setToolTip(notes.isEmpty() ? Combo2->currentText()
                                       : Combo2->currentText() % QLatin1Char('\n') % notes);
}

void Form1::Form_Load() {
    QDir::setCurrent(seams_.settings.programFolder());
    if (const std::optional<StoredSettings> stored = seams_.settings.load()) {
        storedFolderBytes_ = stored->folder;
        storedFolder_ = folderFromSettingsBytes(storedFolderBytes_);
        storedTimeZone_ = fromStd(stored->timeZone);
        // A scale this version does not know reads as UTC.
        timeScale_ = scaleWithKey(stored->timeScale).value_or(TimeScale::Utc);
        Combo2->setCurrentIndex(Combo2->findData(int(timeScale_)));
        showScaleInCaptions();
        txtFolder->setText(storedFolder_);
        seams_.fileChooser.setInitialFolder(storedFolder_);
    }
    warnAboutSettings();
    Combo1->clear();
    constexpr int kZoneHours = 12;
    for (int hours = 0; hours <= kZoneHours; ++hours) {
        Combo1->addItem(fromStd(spacedNumberText(-hours)));
    }
    for (int hours = kZoneHours; hours >= 0; --hours) {
        Combo1->addItem(fromStd(spacedNumberText(hours)));
    }
    // With no zone chosen yet, the system's own offset: an empty zone would
    // show the local time as GMT. storedTimeZone stays empty, so the settings
    // file keeps only what the user chose.
    Combo1->setEditText(storedTimeZone_.isEmpty()
                            ? fromStd(spacedNumberText(seams_.clock.offsetFromGmtHours()))
                            : storedTimeZone_);
    setDateToNow();
}

void Form1::Form_Unload() {
    keepTypedZone();
    QDir::setCurrent(seams_.settings.programFolder());
    const std::string scale =
        timeScale_ == TimeScale::Utc ? std::string() : std::string(keyOf(timeScale_));
    // A folder kept as it was goes back byte for byte: a name that is not
    // UTF-8 would not survive the way through the text.
    const std::string folder = storedFolder_ == folderFromSettingsBytes(storedFolderBytes_)
                                   ? storedFolderBytes_
                                   : pathToUtf8(storedFolder_);
    const auto saved = seams_.settings.save({folder, toStd(storedTimeZone_), scale});
    if (!saved) {
        seams_.messages.warn(this, saved.error(), windowTitle());
        return;
    }
    warnAboutSettings();
}

void Form1::warnAboutSettings() {
    if (const QString warning = seams_.settings.takeWarning(); !warning.isEmpty()) {
        seams_.messages.warn(this, warning, windowTitle());
    }
}

void Form1::txtDate_Click() {
    dateActive = true;
    julianActive = false;
    mjdActive = false;
    epochActive = false;
}

void Form1::txtMJD_Click() {
    mjdActive = true;
    julianActive = false;
    dateActive = false;
    epochActive = false;
}

void Form1::txtEpoch_Click() {
    epochActive = true;
    julianActive = false;
    dateActive = false;
    mjdActive = false;
}

void Form1::txtJulian_Click() {
    julianActive = true;
    dateActive = false;
    mjdActive = false;
    epochActive = false;
}

void Form1::txtDate_Change() {
    if (dateActive) {
        apply(dateEntryWrites(toStd(txtDate->text()), form_, mjdScale()));
    }
}

void Form1::txtMJD_Change() {
    if (mjdActive) {
        apply(mjdEntryWrites(toStd(txtMJD->text()), form_, mjdScale()));
    }
}

void Form1::txtEpoch_Change() {
    if (epochActive) {
        apply(epochEntryWrites(toStd(txtEpoch->text()), form_, mjdScale()));
    }
}

void Form1::txtJulian_Change() {
    if (julianActive) {
        apply(julianEntryWrites(toStd(txtJulian->text()), form_, mjdScale()));
    }
}

void Form1::setDateToNow() {
    // "5:30" is hours and minutes; any other text reads by its leading
    // number, as the converter has always read the zone.
    std::string zone = toStd(Combo1->currentText());
    if (const std::optional<double> hours = zoneOffsetHours(zone)) {
        zone = spacedNumberText(*hours);
        keepTypedZone();
    }
    const Conv<std::string> now = nowDateText(seams_.clock.localNow(), zone, form_);
    // A zone that moves the present out of the date range leaves the fields
    // as they were.
    if (!now) {
        return;
    }
    txtDate->setText(fromStd(*now));
    // Only the date field stays active: an edit of a field that was active
    // before would otherwise be rewritten under the cursor.
    dateActive = true;
    mjdActive = false;
    epochActive = false;
    julianActive = false;
    // When the date field was active already, setText has just recomputed
    // the fields; the converter has always run the recompute once more
    // here, on the same text, with the same result.
    txtDate_Change();
}

void Form1::btnNow_Click() {
    setDateToNow();
}

void Form1::Combo1_Click() {
    storedTimeZone_ = Combo1->currentText();
}

// A zone the user typed counts as chosen once it reads as an offset and is
// used, left or the window closed; a half-typed one leaves the last choice.
void Form1::keepTypedZone() {
    if (Combo1->lineEdit()->isModified() && zoneOffsetHours(toStd(Combo1->currentText()))) {
        storedTimeZone_ = Combo1->currentText();
    }
}

// The date field holds civil UTC in every scale: the three numeric fields
// are worked out from it again, as after an edit of the date.
void Form1::Combo2_Click() {
    timeScale_ = static_cast<TimeScale>(Combo2->currentData().toInt());
    showScaleInCaptions();
    dateActive = true;
    mjdActive = false;
    epochActive = false;
    julianActive = false;
    txtDate_Change();
}

void Form1::Option1_Click() {
    Frame3->setEnabled(true);
    txtFile->setEnabled(true);
    Command3->setEnabled(true);
    Frame1->setEnabled(false);
    txtFolder->setEnabled(false);
    Command2->setEnabled(false);
    cmdFolder->setVisible(false);
    cmdFile->setVisible(true);
}

void Form1::Option2_Click() {
    Frame3->setEnabled(false);
    txtFile->setEnabled(false);
    Command3->setEnabled(false);
    Frame1->setEnabled(true);
    txtFolder->setEnabled(true);
    Command2->setEnabled(true);
    cmdFolder->setVisible(true);
    cmdFile->setVisible(false);
}

void Form1::Command3_Click() {
    const std::optional<ChosenFile> chosen = seams_.fileChooser.chooseFile(this);
    if (!chosen) {
        return;
    }
    txtFile->setText(chosen->fileName);
    // A file in a root keeps the root with its separator: "C:" alone would
    // name the current folder of drive C at the next start.
    if (const QString folder = folderOfPath(chosen->fileName); !folder.isEmpty()) {
        storedFolder_ = folder;
    }
}

void Form1::Command2_Click() {
    seams_.folderPicker.pickFolder(*txtFolder, this);
    storedFolder_ = txtFolder->text();
}

QString Form1::fieldName(Field field) {
    switch (field) {
    case Field::Date:
        return tr("date");
    case Field::Mjd:
        return tr("MJD");
    case Field::Epoch:
        return tr("Epoch");
    case Field::Julian:
        break;
    }
    return tr("Julian Date");
}

QString Form1::describeDisagreement(const FieldDisagreement& disagreement) const {
    const QString name = fieldName(disagreement.field);
    switch (disagreement.problem) {
    case FieldProblem::Empty:
        return tr("Nothing was converted: the %1 field is empty, so the four fields do not show "
                  "one instant. Type a date or a number into one field and the others follow.")
            .arg(name);
    case FieldProblem::Unreadable:
        if (disagreement.field == Field::Date) {
            return tr("Nothing was converted: \"%1\" in the date field is not a date.")
                .arg(txtDate->text());
        }
        return tr("Nothing was converted: \"%1\" in the %2 field is not a number.")
            .arg(fieldFor(disagreement.field)->text(), name);
    case FieldProblem::OutOfStep:
        break;
    }
    return tr("Nothing was converted: the %1 field and the MJD field do not show the same "
              "instant. Type into one field again and the others follow.")
        .arg(name);
}

// The MJD the MJD field shows, exactly as it reads, with the date text as
// the comment and the scale named after it when it is not UTC; nothing, once
// the user has been told why, when the four fields do not show one instant.
std::expected<DateLineSource, QString> Form1::dateLineToWrite() {
    FieldTexts shown;
    for (const Field field : {Field::Date, Field::Mjd, Field::Epoch, Field::Julian}) {
        shown[field] = toStd(fieldFor(field)->text());
    }
    const std::expected<double, FieldDisagreement> mjd = agreedMjd(shown, form_, mjdScale());
    if (!mjd) {
        return std::unexpected(describeDisagreement(mjd.error()));
    }
    return DateLineSource::forMjd(*mjd, shown[Field::Date],
                                  std::string(commentSuffixOf(timeScale_)));
}

std::optional<DateLineSource> Form1::shownDateLine() {
    std::expected<DateLineSource, QString> line = dateLineToWrite();
    if (!line) {
        seams_.messages.warn(this, line.error(), tr(kNotConvertedTitle));
        return std::nullopt;
    }
    return std::move(*line);
}

QString Form1::dateTextOf(double mjd) {
    const FieldTexts fields =
        fieldsAfterEntry(Field::Mjd, numberToText(mjd, form_), form_, mjdScale());
    return fromStd(fields[Field::Date]);
}

// The MJD goes in as the user would type it, so that converting again writes
// the very number the file holds, and the date follows from it.
void Form1::useMjd(double mjd) {
    txtMJD_Click();
    const QString text = fromStd(numberToText(mjd, form_));
    if (txtMJD->text() == text) {
        txtMJD_Change(); // no change event, but the others may differ
    } else {
        txtMJD->setText(text);
    }
}

void Form1::cmdFile_Click() {
    std::optional<DateLineSource> dateLine = shownDateLine();
    if (!dateLine) {
        return;
    }
    const std::string path = pathToUtf8(txtFile->text());
    JournalPass journal(JournalMessages::root(), PassKind::Rewrite);
    const ScenarioFileOutcome outcome = [&] {
        const WaitCursor wait;
        return rewriteScenarioFile(path, *dateLine, systemFileSystem(), &journal);
    }();
    const QString note = JournalMessages::notKeptNote(journal.finish());
    if (!outcome) {
        seams_.messages.warn(this, ScenarioWords::failure(outcome.error()), tr(kNotConvertedTitle));
        return;
    }
    const PassMessage message = ScenarioWords::file(*outcome);
    seams_.messages.inform(this, message.prompt, tr(kFinishedTitle),
                           withNote(message.detail, note));
}

void Form1::cmdFolder_Click() {
    std::optional<DateLineSource> dateLine = shownDateLine();
    if (!dateLine) {
        return;
    }
    const std::string folder = folderPathBytes(txtFolder->text(), storedFolderBytes_);
    JournalPass journal(JournalMessages::root(), PassKind::Rewrite);
    const ScenarioFolderOutcome outcome = [&] {
        const WaitCursor wait;
        return rewriteScenarioFolder(folder, *dateLine, systemFileSystem(), &journal);
    }();
    const QString note = JournalMessages::notKeptNote(journal.finish());
    if (!outcome) {
        seams_.messages.warn(this, ScenarioWords::failure(outcome.error()), tr(kNotConvertedTitle));
        return;
    }
    const PassMessage message = ScenarioWords::folder(*outcome);
    seams_.messages.inform(this, message.prompt, tr(kFinishedTitle), withNote(message.detail, note),
                           message.details);
}

void Form1::Command1_Click() {
    showHelpWindow();
}

// The preview lists what the chosen option would convert: the file, or the
// folder's scenario files.
void Form1::cmdPreview_Click() {
    if (!preview_) {
        preview_ = new Preview(*this, seams_.messages, systemFileSystem(), this);
    }
    const bool folder = Option2->isChecked();
    preview_->showSource(folder ? folderPathBytes(txtFolder->text(), storedFolderBytes_)
                                : pathToUtf8(txtFile->text()),
                         folder);
    preview_->show();
    preview_->raise();
    preview_->activateWindow();
}

void Form1::cmdUndo_Click() {
    const bool undone =
        JournalMessages::undoLastConversion(this, seams_.messages, systemFileSystem());
    if (undone && preview_ && preview_->isVisible()) {
        preview_->reload();
    }
}

} // namespace zentadial
