#pragma once

#include "scenario/scenario_shift_file.h"

#include <QCoreApplication>
#include <QString>

namespace zentadial {

// The window's words for a shift: why a file was not moved.
class ShiftWords final {
    Q_DECLARE_TR_FUNCTIONS(zentadial::ShiftWords)
public:
    [[nodiscard]] static QString failure(const ShiftFileFailure& failure);
};

} // namespace zentadial
