#pragma once

#include "preview/preview_host.h"
#include "preview/preview_rows.h"
#include "scenario/file_system.h"
#include "widgets/message_boxes.h"

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;

namespace zentadial {

class PreviewModel;

// The preview of a pass: every file it would touch, the date each starts at
// now and would start at after it, and why a file would be left as it is.
// Only the checked files are converted; the last pass can be undone here as
// in the converter window.
class Preview final : public QWidget {
    Q_OBJECT
public:
    Preview(PreviewHost& host, MessageBoxes& messages, FileSystem& fs, QWidget* parent = nullptr);

    // Lists the file, or the folder's scenario files, read afresh.
    void showSource(const std::string& path, bool folder);
    // The fields of the window it was opened from, or their scale, changed.
    void datesChanged();
    // The files may have changed under it (an undo from the other window).
    void reload();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void wireEvents();
    void fitColumns();
    void fitDates(const QModelIndex& topLeft, const QModelIndex& bottomRight);

    void chkSubfolders_Click();
    void cmdConvertChecked_Click();
    void cmdUndo_Click();
    void tblFiles_Activate(int row);
    void optShift_Click();

    // With "move": the span that brings the selected file to the date the
    // fields show; empty without a selected file that has a date.
    [[nodiscard]] std::optional<double> shiftSpan() const;
    void shiftChecked(const std::vector<PreviewRow>& checked);

    PreviewHost& host_;
    MessageBoxes& messages_;
    FileSystem& fs_;
    PreviewSource source_;
    PreviewModel* model_ = nullptr;

    QLabel* lblSource = nullptr;
    QTableView* tblFiles = nullptr;
    QCheckBox* chkSubfolders = nullptr;
    QRadioButton* optSetDate = nullptr;
    QRadioButton* optShift = nullptr;
    QCheckBox* chkKeepElements = nullptr;
    QPushButton* cmdConvertChecked = nullptr;
    QPushButton* cmdUndo = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace zentadial
