#include "preview/preview_model.h"

#include "platform/path_text.h"
#include "preview/reading_words.h"
#include "widgets/scenario_words.h"

namespace zentadial {

PreviewModel::PreviewModel(PreviewHost& host, QObject* parent)
    : QAbstractTableModel(parent), host_(host) {}

void PreviewModel::setRows(std::vector<PreviewRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    startsNow_.assign(rows_.size(), QString());
    endResetModel();
    refreshDates();
}

void PreviewModel::refreshDates() {
    const auto line = host_.dateLineToWrite();
    wouldStart_ = line ? QString::fromStdString(line->dateText()) : QString();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        startsNow_[i] = startsNowText(rows_[i]);
    }
    if (!rows_.empty()) {
        Q_EMIT dataChanged(index(0, StartsNowColumn), index(rowCount() - 1, WouldStartColumn),
                           {Qt::DisplayRole});
    }
}

void PreviewModel::setShift(bool shifting, std::optional<double> days) {
    shifting_ = shifting;
    shift_ = days;
    if (!rows_.empty()) {
        Q_EMIT dataChanged(index(0, WouldStartColumn), index(rowCount() - 1, WouldStartColumn),
                           {Qt::DisplayRole});
    }
}

void PreviewModel::toggle(int row) {
    const QModelIndex box = index(row, FileColumn);
    const bool checked = data(box, Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
    setData(box, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

int PreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case FileColumn:
        return tr("File");
    case StartsNowColumn:
        return tr("Starts now at");
    case WouldStartColumn:
        return tr("Would start at");
    case NotesColumn:
        return tr("Notes");
    default:
        return {};
    }
}

Qt::ItemFlags PreviewModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == FileColumn) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

bool PreviewModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != FileColumn || role != Qt::CheckStateRole) {
        return false;
    }
    rows_[static_cast<std::size_t>(index.row())].checked =
        value.value<Qt::CheckState>() == Qt::Checked;
    Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

QVariant PreviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const auto at = static_cast<std::size_t>(index.row());
    const PreviewRow& row = rows_[at];
    const int column = index.column();
    if (role == Qt::CheckStateRole && column == FileColumn) {
        return row.checked ? Qt::Checked : Qt::Unchecked;
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
        return {};
    }
    switch (column) {
    case FileColumn:
        return role == Qt::ToolTipRole ? pathFromUtf8(row.path) : pathFromUtf8(row.name);
    case StartsNowColumn:
        return startsNow_[at];
    case WouldStartColumn:
        return wouldStartText(row);
    case NotesColumn:
        //: Between the notes on a file in one line of the preview's table.
        return notes(row).join(role == Qt::ToolTipRole ? QStringLiteral("\n") : tr("; "));
    default:
        return {};
    }
}

QString PreviewModel::startsNowText(const PreviewRow& row) const {
    if (!row.reading) {
        return {};
    }
    if (!row.reading->date) {
        return tr("the present moment");
    }
    return host_.dateTextOf(row.reading->date->mjd);
}

QString PreviewModel::wouldStartText(const PreviewRow& row) const {
    if (row.refusal || row.dateLines == 0) {
        return tr("unchanged");
    }
    if (shifting_) {
        if (!row.reading || !row.reading->date) {
            return tr("unchanged: no date to move from");
        }
        return shift_ ? host_.dateTextOf(row.reading->date->mjd + *shift_)
                      : tr("(select the file that is to start at the date shown)");
    }
    return wouldStart_.isEmpty() ? tr("(the fields disagree)") : wouldStart_;
}

QStringList PreviewModel::notes(const PreviewRow& row) {
    QStringList notes;
    if (row.refusal) {
        notes.append(ScenarioWords::failure(*row.refusal));
    }
    if (row.reading) {
        notes.append(ReadingWords::notes(*row.reading));
        notes.append(ReadingWords::notes(row.notes, row.reading->date));
    }
    if (!row.refusal && row.dateLines == 0) {
        notes.append(tr("no date line: left as it is"));
    }
    return notes;
}

} // namespace zentadial
