#include "converter/scale_box.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace zentadial {
namespace {

constexpr int kShortNameRole = Qt::UserRole + 1;

} // namespace

ScaleBox::ScaleBox(QWidget* parent) : QComboBox(parent) {}

void ScaleBox::addEntry(const QString& shortName, const QString& fullName, const QVariant& data) {
    addItem(fullName, data);
    setItemData(count() - 1, shortName, kShortNameRole);
}

QString ScaleBox::currentShortName() const {
    return currentData(kShortNameRole).toString();
}

void ScaleBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = currentShortName();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

} // namespace zentadial
