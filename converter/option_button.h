#pragma once

#include <QRadioButton>

namespace zentadial {

// An option button whose caption wraps onto further lines, as the converter's
// narrow mode buttons need: QRadioButton keeps its text on one line.
class OptionButton final : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    [[nodiscard]] bool hitButton(const QPoint& pos) const override;
};

} // namespace zentadial
