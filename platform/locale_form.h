#pragma once

#include "core/regional_form.h"

class QLocale;

namespace zentadial {

// The user's number and date forms as the core wants them. The C locale, which
// has no forms of its own worth showing, stands for English (United States).
[[nodiscard]] RegionalForm regionalFormFrom(const QLocale& locale);

} // namespace zentadial
