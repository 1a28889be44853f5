#include "converter/scale_box.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace zentadial {
namespace {

constexpr int kShortNameRole = Qt::UserRole + 1;
// Below this the name would be hard to read; it is then cut after all.
constexpr qreal kSmallestPointSize = 6.0;
constexpr qreal kPointSizeStep = 0.5;

} // namespace

ScaleBox::ScaleBox(QWidget* parent) : QComboBox(parent) {}

void ScaleBox::addEntry(const QString& shortName, const QString& fullName, const QVariant& data) {
    addItem(fullName, data);
    setItemData(count() - 1, shortName, kShortNameRole);
}

QString ScaleBox::currentShortName() const {
    return currentData(kShortNameRole).toString();
}

QRect ScaleBox::textField() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                   this);
}

QFont ScaleBox::shortNameFont() const {
    QFont smaller = font();
    const QString name = currentShortName();
    const int room = textField().width();
    while (QFontMetrics(smaller).horizontalAdvance(name) > room &&
           smaller.pointSizeF() - kPointSizeStep >= kSmallestPointSize) {
        smaller.setPointSizeF(smaller.pointSizeF() - kPointSizeStep);
    }
    return smaller;
}

void ScaleBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = currentShortName();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.setFont(shortNameFont());
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

} // namespace zentadial
