#include "picker/drive_list.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileInfo>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace zentadial {

DriveList::DriveList(const QStringList& mountPoints, QWidget* parent) : QComboBox(parent) {
    for (const QString& mountPoint : mountPoints) {
        addItem(driveCaption(mountPoint), mountPoint);
    }
    // The box is narrow; let the open list show long mount points in full.
    view()->setTextElideMode(Qt::ElideNone);
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 8);
    setCurrentIndex(mountPoints.isEmpty() ? -1 : 0);
    shownIndex_ = currentIndex();
    // activated() comes from the user alone; currentIndexChanged() would also
    // fire for the selections made from code.
    connect(this, &QComboBox::activated, this, &DriveList::userPicked);
    connect(this, &QComboBox::currentIndexChanged, this, &DriveList::showCutCaption);
}

void DriveList::resizeEvent(QResizeEvent* event) {
    QComboBox::resizeEvent(event);
    showCutCaption();
}

void DriveList::showCutCaption() {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const bool cut = fontMetrics().horizontalAdvance(currentText()) > field.width();
    setToolTip(cut ? currentText() : QString());
}

QString DriveList::drive() const {
    return currentData().toString();
}

QStringList DriveList::mountPoints() const {
    QStringList points;
    for (int i = 0; i < count(); ++i) {
        points.append(itemData(i).toString());
    }
    return points;
}

bool DriveList::setDrive(const QString& path) {
    QString lookup =
        QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath());
    // A folder reached through a symbolic link lives on the volume of its
    // target.
    if (const QString canonical = QFileInfo(lookup).canonicalFilePath(); !canonical.isEmpty()) {
        lookup = canonical;
    }
    const QString volume = volumeContaining(mountPoints(), lookup);
    if (path.isEmpty() || volume.isEmpty()) {
        return false;
    }
    setCurrentIndex(findData(volume));
    shownIndex_ = currentIndex();
    return true;
}

void DriveList::userPicked(int index) {
    if (index == shownIndex_) {
        return;
    }
    shownIndex_ = index;
    Q_EMIT driveChanged();
}

} // namespace zentadial
