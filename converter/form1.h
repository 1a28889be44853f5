#pragma once

#include "converter/seams.h"
#include "core/field_agreement.h"
#include "core/linked_fields.h"
#include "core/regional_form.h"
#include "preview/preview_host.h"
#include "scenario/scenario_text.h"
#include "timescale/time_scale.h"

#include <QPointer>
#include <QWidget>
#include <optional>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zentadial {

class Preview;
class ScaleBox;

// The converter window: four linked fields that show one instant on four
// scales, the zone list and "Now", and the choice of the scenario files to
// rewrite.
class Form1 final : public QWidget, public PreviewHost {
    Q_OBJECT
public:
    Form1(Seams seams, RegionalForm form, QWidget* parent = nullptr);
    ~Form1() override;

    [[nodiscard]] std::expected<DateLineSource, QString> dateLineToWrite() override;
    [[nodiscard]] QString dateTextOf(double mjd) override;
    void useMjd(double mjd) override;

    // The edit that recomputes the other fields; also the start of "Now".
    void setDateToNow();

    [[nodiscard]] const QString& storedFolder() const { return storedFolder_; }
    [[nodiscard]] const QString& storedTimeZone() const { return storedTimeZone_; }
    [[nodiscard]] TimeScale timeScale() const { return timeScale_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void setTabOrder();
    void wireEvents();
    [[nodiscard]] QLineEdit* fieldFor(Field field) const;
    void apply(const FieldWrites& writes);
    [[nodiscard]] const MjdScale& mjdScale() const;
    void showScaleInCaptions();
    void keepTypedZone();
    void showScaleNotes();
    [[nodiscard]] static QString fieldName(Field field);
    [[nodiscard]] QString describeDisagreement(const FieldDisagreement& disagreement) const;
    [[nodiscard]] std::optional<DateLineSource> shownDateLine();

    void Form_Load();
    void Form_Unload();
    void warnAboutSettings();

    void txtDate_Click();
    void txtMJD_Click();
    void txtEpoch_Click();
    void txtJulian_Click();
    void txtDate_Change();
    void txtMJD_Change();
    void txtEpoch_Change();
    void txtJulian_Change();
    void btnNow_Click();
    void Combo1_Click();
    void Combo2_Click();
    void Option1_Click();
    void Option2_Click();
    void Command2_Click();
    void Command3_Click();
    void cmdFile_Click();
    void cmdFolder_Click();
    void Command1_Click();
    void cmdPreview_Click();
    void cmdUndo_Click();

    Seams seams_;
    RegionalForm form_;

    bool dateActive = false;
    bool mjdActive = false;
    bool epochActive = false;
    bool julianActive = false;

    QString storedFolder_;
    std::string storedFolderBytes_; // as the settings file held it
    QString storedTimeZone_;
    TimeScale timeScale_ = TimeScale::Utc;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QGroupBox* Frame7 = nullptr;
    QLineEdit* txtDate = nullptr;
    QLineEdit* txtMJD = nullptr;
    QLineEdit* txtEpoch = nullptr;
    QLineEdit* txtJulian = nullptr;
    QLineEdit* txtFile = nullptr;
    QLineEdit* txtFolder = nullptr;
    QComboBox* Combo1 = nullptr;
    QGroupBox* Frame8 = nullptr;
    ScaleBox* Combo2 = nullptr;
    QPushButton* btnNow = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* cmdFile = nullptr;
    QPushButton* cmdFolder = nullptr;
    QPushButton* cmdPreview = nullptr;
    QPushButton* cmdUndo = nullptr;
    QPointer<Preview> preview_;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
};

} // namespace zentadial
