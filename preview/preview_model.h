#pragma once

#include "preview/preview_host.h"
#include "preview/preview_rows.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <optional>
#include <vector>

namespace zentadial {

// The preview's table: a row per file, a check box on its name, and the date
// it starts at now and would start at after the pass, in the date form and
// scale of the window the preview was opened from.
class PreviewModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { FileColumn, StartsNowColumn, WouldStartColumn, NotesColumn, ColumnCount };

    explicit PreviewModel(PreviewHost& host, QObject* parent = nullptr);

    void setRows(std::vector<PreviewRow> rows);
    // The fields or the scale changed: the two date columns follow them.
    void refreshDates();
    // A shift instead of a set: the files would start at their own date
    // plus `days`, empty while no file with a date is chosen to start at the
    // date shown.
    void setShift(bool shifting, std::optional<double> days);
    [[nodiscard]] const std::vector<PreviewRow>& rows() const { return rows_; }
    void toggle(int row);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    [[nodiscard]] QString startsNowText(const PreviewRow& row) const;
    [[nodiscard]] QString wouldStartText(const PreviewRow& row) const;
    [[nodiscard]] static QStringList notes(const PreviewRow& row);

    PreviewHost& host_;
    std::vector<PreviewRow> rows_;
    std::vector<QString> startsNow_; // a text per row, kept until the dates change
    QString wouldStart_;             // the date the fields show; empty when they disagree
    bool shifting_ = false;
    std::optional<double> shift_;
};

} // namespace zentadial
