#pragma once

// Regional forms the tests share, besides RegionalForm::englishUnitedStates().

#include "core/regional_form.h"

namespace zentadial::test {

// German: decimal comma, "." between groups, day first with leading zeros,
// a 24-hour time.
inline RegionalForm germanForm() {
    RegionalForm form;
    form.decimalSeparator = ",";
    form.thousandsSeparator = ".";
    form.shortDatePattern = "dd.MM.yyyy";
    form.longTimePattern = "HH:mm:ss";
    return form;
}

// ISO 8601 dates and a 24-hour time.
inline RegionalForm isoForm() {
    RegionalForm form;
    form.shortDatePattern = "yyyy-MM-dd";
    form.longTimePattern = "HH:mm:ss";
    return form;
}

} // namespace zentadial::test
