#pragma once

#include "platform/volumes.h"

#include <QComboBox>
#include <QStringList>
#include <functional>

namespace zentadial {

using VolumeSource = std::function<QStringList()>;

// A drop-down list of the volumes. Only a pick by the user that lands on
// another volume raises driveChanged(); setting the drive from code never
// does, so the caller decides what the folder list shows.
class DriveList final : public QComboBox {
    Q_OBJECT

public:
    explicit DriveList(const QStringList& mountPoints, QWidget* parent = nullptr);

    // The selected volume's mount point.
    [[nodiscard]] QString drive() const;
    [[nodiscard]] QStringList mountPoints() const;

    // Selects the volume that holds path; false, and the selection kept, when
    // none of the listed volumes holds it.
    bool setDrive(const QString& path);

Q_SIGNALS:
    void driveChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void userPicked(int index);
    // The caption in full as the box's tooltip, when the closed box cuts it.
    void showCutCaption();

    int shownIndex_ = -1;
};

} // namespace zentadial
