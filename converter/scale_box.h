#pragma once

#include <QComboBox>

namespace zentadial {

// A drop-down list whose closed box shows each entry's short name, so that a
// narrow box still shows the whole choice; the open list shows the full names.
class ScaleBox final : public QComboBox {
    Q_OBJECT
public:
    explicit ScaleBox(QWidget* parent = nullptr);

    void addEntry(const QString& shortName, const QString& fullName, const QVariant& data);
    [[nodiscard]] QString currentShortName() const;
    // The box's font, made smaller where a short name would not fit whole
    // otherwise: a translation, or the font of another system, may be wider.
    [[nodiscard]] QFont shortNameFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    [[nodiscard]] QRect textField() const;
};

} // namespace zentadial
