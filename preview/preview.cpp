#include "preview/preview.h"

#include "platform/path_text.h"
#include "preview/journal_messages.h"
#include "preview/preview_model.h"
#include "preview/shift_words.h"
#include "scenario/scenario_shift_file.h"
#include "widgets/joined_words.h"
#include "widgets/scenario_words.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTableView>
#include <map>

namespace zentadial {
namespace {

// A pass runs on the window's thread; the cursor says it is busy meanwhile.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString failureText(const ScenarioFailure& failure) {
    return ScenarioWords::failure(failure);
}

// A pass the undo journal could not keep says so under what it did.
QString withNote(const QString& detail, const QString& note) {
    return note.isEmpty() ? detail : detail + QLatin1Char('\n') + note;
}

} // namespace

Preview::Preview(PreviewHost& host, MessageBoxes& messages, FileSystem& fs, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host), messages_(messages), fs_(fs) {
    createControls();
    wireEvents();
}

void Preview::createControls() {
    setObjectName(QStringLiteral("Preview"));
    setWindowTitle(tr("Preview"));
    model_ = new PreviewModel(host_, this);

    lblSource = new QLabel(this);
    lblSource->setObjectName(QStringLiteral("lblSource"));
    lblSource->setTextInteractionFlags(Qt::TextSelectableByMouse);

    tblFiles = new QTableView(this);
    tblFiles->setObjectName(QStringLiteral("tblFiles"));
    tblFiles->setModel(model_);
    tblFiles->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    tblFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the buttons; the arrows move within it.
    tblFiles->setTabKeyNavigation(false);
    tblFiles->verticalHeader()->setVisible(false);
    // One line a file; a cell's whole text is its tooltip.
    tblFiles->setWordWrap(false);
    tblFiles->horizontalHeader()->setStretchLastSection(true);
    tblFiles->setAccessibleName(tr("Scenario files"));
    tblFiles->setAccessibleDescription(
        tr("Space checks or unchecks a file; Enter puts its date into the converter's fields."));
    tblFiles->installEventFilter(this);
    lblSource->setBuddy(tblFiles);

    chkSubfolders = new QCheckBox(tr("Include sub-folders"), this);
    chkSubfolders->setObjectName(QStringLiteral("chkSubfolders"));

    optSetDate = new QRadioButton(tr("Set every checked file to the date shown"), this);
    optSetDate->setObjectName(QStringLiteral("optSetDate"));
    optSetDate->setChecked(true);
    optShift = new QRadioButton(tr("Move the checked files so that the selected file starts at "
                                   "the date shown; the others keep their distance"),
                                this);
    optShift->setObjectName(QStringLiteral("optShift"));
    chkKeepElements = new QCheckBox(tr("Keep ELEMENTS epochs"), this);
    chkKeepElements->setObjectName(QStringLiteral("chkKeepElements"));
    chkKeepElements->setToolTip(
        tr("Leave the vessels' orbit epochs as they are, for the simulator to propagate."));
    chkKeepElements->setEnabled(false);

    const auto button = [this](const char* name, const QString& caption) {
        auto* push = new QPushButton(caption, this);
        push->setObjectName(QString::fromLatin1(name));
        push->setAutoDefault(false);
        return push;
    };
    cmdConvertChecked = button("cmdConvertChecked", tr("Convert Checked"));
    cmdUndo = button("cmdUndo", tr("Undo Last Conversion"));
    cmdClose = button("cmdClose", tr("Close"));

    // What the table lists and how a pass writes are chosen in the row
    // under it; the buttons act on the checked files.
    auto* options = new QHBoxLayout;
    options->addWidget(chkSubfolders);
    options->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdConvertChecked);
    buttons->addWidget(cmdUndo);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSource);
    layout->addWidget(tblFiles, 1);
    layout->addWidget(optSetDate);
    auto* shift = new QHBoxLayout;
    shift->addWidget(optShift, 1);
    shift->addWidget(chkKeepElements);
    layout->addLayout(shift);
    layout->addLayout(options);
    layout->addLayout(buttons);

    QWidget::setTabOrder(tblFiles, optSetDate);
    QWidget::setTabOrder(optSetDate, optShift);
    QWidget::setTabOrder(optShift, chkKeepElements);
    QWidget::setTabOrder(chkKeepElements, chkSubfolders);
    QWidget::setTabOrder(chkSubfolders, cmdConvertChecked);
    QWidget::setTabOrder(cmdConvertChecked, cmdUndo);
    QWidget::setTabOrder(cmdUndo, cmdClose);
    constexpr int kWidth = 900;
    constexpr int kHeight = 420;
    resize(kWidth, kHeight);
}

void Preview::wireEvents() {
    connect(chkSubfolders, &QCheckBox::toggled, this, &Preview::chkSubfolders_Click);
    connect(cmdConvertChecked, &QPushButton::clicked, this, &Preview::cmdConvertChecked_Click);
    connect(cmdUndo, &QPushButton::clicked, this, &Preview::cmdUndo_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(optShift, &QRadioButton::toggled, this, &Preview::optShift_Click);
    connect(tblFiles->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &Preview::optShift_Click);
    connect(model_, &QAbstractItemModel::modelReset, this, &Preview::fitColumns);
    connect(model_, &QAbstractItemModel::dataChanged, this, &Preview::fitDates);
    connect(tblFiles, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { tblFiles_Activate(index.row()); });
}

// Space checks the row wherever its current cell is, Enter uses its date:
// the same as a click in the box and a double-click.
bool Preview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tblFiles && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int row = tblFiles->currentIndex().row();
        if (row >= 0 && key == Qt::Key_Space) {
            model_->toggle(row);
            return true;
        }
        if (row >= 0 && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            tblFiles_Activate(row);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Preview::showSource(const std::string& path, bool folder) {
    source_ = {path, folder, folder && chkSubfolders->isChecked()};
    const QString shown = pathFromUtf8(path);
    lblSource->setText(folder ? tr("Scenario files in %1:").arg(shown) : tr("%1:").arg(shown));
    chkSubfolders->setEnabled(folder);
    model_->setRows({});
    reload();
    tblFiles->setFocus();
}

// Files listed before keep the check the user gave them; new ones start as
// the rewrite's checks say.
void Preview::reload() {
    std::map<std::string, bool> checks;
    for (const PreviewRow& row : model_->rows()) {
        checks.emplace(row.path, row.checked);
    }
    // The files are judged by the rewrite's checks with the date the pass
    // would write; with fields that disagree, by those that need no date.
    auto line = host_.dateLineToWrite();
    DateLineSource judged = line ? std::move(*line) : DateLineSource::forMjd(0, {});
    auto rows = [&] {
        const WaitCursor wait;
        return readPreviewRows(source_, judged, fs_);
    }();
    if (!rows) {
        model_->setRows({});
        messages_.warn(this, failureText(rows.error()), windowTitle());
        return;
    }
    for (PreviewRow& row : *rows) {
        if (const auto kept = checks.find(row.path); kept != checks.end()) {
            row.checked = kept->second;
        }
    }
    model_->setRows(std::move(*rows));
    if (model_->rowCount() > 0) {
        tblFiles->setCurrentIndex(model_->index(0, PreviewModel::FileColumn));
    }
}

// The dates as wide as they are; the names up to half the table; the notes in
// what is left, their whole text in the tooltip. The cap waits until the window
// is shown: before that the table has no width of its own to halve.
void Preview::fitColumns() {
    for (const int column : {PreviewModel::FileColumn, PreviewModel::StartsNowColumn,
                             PreviewModel::WouldStartColumn}) {
        tblFiles->resizeColumnToContents(column);
    }
    if (!tblFiles->isVisible()) {
        return;
    }
    const int half = tblFiles->viewport()->width() / 2;
    if (tblFiles->columnWidth(PreviewModel::FileColumn) > half) {
        tblFiles->setColumnWidth(PreviewModel::FileColumn, half);
    }
}

// A check box toggled changes no width; new dates may.
void Preview::fitDates(const QModelIndex& topLeft, const QModelIndex& bottomRight) {
    if (bottomRight.column() < PreviewModel::StartsNowColumn ||
        topLeft.column() > PreviewModel::WouldStartColumn) {
        return;
    }
    tblFiles->resizeColumnToContents(PreviewModel::StartsNowColumn);
    tblFiles->resizeColumnToContents(PreviewModel::WouldStartColumn);
}

void Preview::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fitColumns();
}

void Preview::datesChanged() {
    model_->refreshDates();
    optShift_Click();
}

void Preview::optShift_Click() {
    chkKeepElements->setEnabled(optShift->isChecked());
    model_->setShift(optShift->isChecked(), shiftSpan());
}

std::optional<double> Preview::shiftSpan() const {
    const int row = tblFiles->currentIndex().row();
    const std::vector<PreviewRow>& rows = model_->rows();
    if (!optShift->isChecked() || row < 0 || static_cast<std::size_t>(row) >= rows.size()) {
        return std::nullopt;
    }
    const PreviewRow& anchor = rows[static_cast<std::size_t>(row)];
    auto line = host_.dateLineToWrite();
    if (!anchor.reading || !anchor.reading->date || !line) {
        return std::nullopt;
    }
    // The MJD the pass would write, exactly as the fields show it.
    const auto text = line->line();
    const auto shown = text ? dateLineOf(*text) : std::nullopt;
    const auto mjd = shown ? shown->mjd() : std::nullopt;
    if (!mjd) {
        return std::nullopt;
    }
    return *mjd - anchor.reading->date->mjd;
}

void Preview::shiftChecked(const std::vector<PreviewRow>& checked) {
    const auto days = shiftSpan();
    if (!days) {
        messages_.warn(this,
                       tr("Select the file that is to start at the date shown; it must have a "
                          "date of its own."),
                       tr("Not Converted"));
        return;
    }
    // Moving a folder twice by the same span is the classic slip: ask.
    const auto passes = listJournalPasses(JournalMessages::root());
    QStringList again;
    for (const PreviewRow& row : checked) {
        if (passes && lastSameShift(*passes, row.path, *days)) {
            again.append(pathFromUtf8(row.path));
        }
    }
    if (!again.isEmpty() &&
        !messages_.ask(this,
                       tr("The last conversion of these files already moved them by this span:\n"
                          "%1\nMove them once more?")
                           .arg(again.join(QLatin1Char('\n'))),
                       tr("Move Again?"))) {
        return;
    }
    ShiftOptions options;
    options.keepElements = chkKeepElements->isChecked();
    options.comment = [this](double mjd) { return host_.dateTextOf(mjd).toStdString(); };
    // The scale named after the date text, as the window's own pass writes it.
    if (auto line = host_.dateLineToWrite()) {
        options.commentSuffix = line->suffix();
    }
    JournalPass journal(JournalMessages::root(), PassKind::Rewrite);
    journal.markShift(*days);
    int moved = 0;
    QStringList refused;
    {
        const WaitCursor wait;
        for (const PreviewRow& row : checked) {
            // A row the listing could not reach is refused for its own reason.
            if (!row.file) {
                refused.append(failureText(*row.refusal));
                continue;
            }
            const auto outcome = shiftScenarioFile(*row.file, *days, options, false, fs_, &journal);
            outcome ? void(++moved) : refused.append(ShiftWords::failure(outcome.error()));
        }
    }
    const QString note = JournalMessages::notKeptNote(journal.finish());
    // English has no plural catalogue of its own, so its one file has its own text.
    if (refused.isEmpty()) {
        messages_.inform(
            this, tr("Files Moved"), tr("Finished"),
            withNote(moved == 1 ? tr("1 file moved.") : tr("%n files moved.", "", moved), note));
    } else {
        const QString movedText = moved == 1 ? tr("1 file moved") : tr("%n files moved", "", moved);
        //: %1 says how many files were moved ("3 files moved"), %n how many were refused.
        const QString summary = tr("%1, %n refused.", "", int(refused.size())).arg(movedText);
        messages_.inform(this, tr("Not Every File Moved"), tr("Finished"),
                         withNote(JoinedWords::sentences({summary, refused.first()}), note),
                         refused.join(QLatin1Char('\n')));
    }
    reload();
    optShift_Click();
}

void Preview::chkSubfolders_Click() {
    source_.subFolders = source_.folder && chkSubfolders->isChecked();
    reload();
}

void Preview::cmdConvertChecked_Click() {
    // Each file is reached through the folder its row was listed in.
    std::vector<PreviewRow> checked;
    for (const PreviewRow& row : model_->rows()) {
        if (row.checked) {
            checked.push_back(row);
        }
    }
    if (checked.empty()) {
        messages_.inform(this, tr("No file is checked."), tr("Not Converted"));
        return;
    }
    if (optShift->isChecked()) {
        shiftChecked(checked);
        return;
    }
    auto line = host_.dateLineToWrite();
    if (!line) {
        messages_.warn(this, line.error(), tr("Not Converted"));
        return;
    }
    // A refused file is named in the summary and the pass goes on, as the
    // converter's folder pass does; only a date that cannot be written ends it.
    ScenarioFolderResult result;
    result.folder = source_.path;
    std::optional<ScenarioFailure> ended;
    JournalPass journal(JournalMessages::root(), PassKind::Rewrite);
    {
        const WaitCursor wait;
        for (const PreviewRow& row : checked) {
            auto outcome = row.file ? rewriteListedFile(*row.file, *line, fs_, &journal)
                                    : ScenarioFileOutcome(std::unexpected(*row.refusal));
            if (outcome && !source_.folder) {
                outcome->leftovers = leftoverTemporaries(*row.file->folder, fs_);
            }
            if (outcome) {
                result.files.push_back(std::move(*outcome));
            } else if (endsPass(outcome.error().kind)) {
                ended = std::move(outcome.error());
                break;
            } else {
                result.refused.push_back(std::move(outcome.error()));
            }
        }
    }
    const QString note = JournalMessages::notKeptNote(journal.finish());
    if (ended || (!source_.folder && !result.refused.empty())) {
        ScenarioFailure failure = ended ? std::move(*ended) : result.refused.front();
        failure.folderPass = source_.folder;
        failure.filesWritten = result.counts().written;
        messages_.warn(this, withNote(failureText(failure), note), tr("Not Converted"));
    } else if (!source_.folder) {
        const PassMessage message = ScenarioWords::file(result.files.front());
        messages_.inform(this, message.prompt, tr("Finished"), withNote(message.detail, note));
    } else {
        const PassMessage message = ScenarioWords::folder(result);
        messages_.inform(this, message.prompt, tr("Finished"), withNote(message.detail, note),
                         message.details);
    }
    reload();
}

void Preview::cmdUndo_Click() {
    JournalMessages::undoLastConversion(this, messages_, fs_);
    reload();
}

void Preview::tblFiles_Activate(int row) {
    const std::vector<PreviewRow>& rows = model_->rows();
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) {
        return;
    }
    const PreviewRow& chosen = rows[static_cast<std::size_t>(row)];
    if (!chosen.reading) {
        if (chosen.refusal) {
            messages_.warn(this, failureText(*chosen.refusal), windowTitle());
        }
        return;
    }
    if (!chosen.reading->date) {
        messages_.inform(this,
                         tr("%1 has no date to use: it starts at the present moment.")
                             .arg(pathFromUtf8(chosen.name)),
                         windowTitle());
        return;
    }
    host_.useMjd(chosen.reading->date->mjd);
}

} // namespace zentadial
