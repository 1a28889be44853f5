#include "converter/option_button.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace zentadial {

OptionButton::OptionButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

void OptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    QStyleOptionButton indicatorOption = option;
    const int indicatorTop = (height() - indicator.height()) / 2;
    indicatorOption.rect =
        QRect(indicator.left(), indicatorTop, indicator.width(), indicator.height());
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicatorOption);

    const int gap = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, this);
    const QRect textRect = rect().adjusted(indicator.right() + gap + 1, 0, 0, 0);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    QRect bounds;
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text(),
                     &bounds);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = bounds.adjusted(-1, -1, 1, 1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool OptionButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

} // namespace zentadial
