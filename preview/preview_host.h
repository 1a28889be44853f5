#pragma once

#include "scenario/scenario_text.h"

#include <QString>
#include <expected>

namespace zentadial {

// What the preview asks of the window it was opened from: the date that
// window's fields show, and the way back into those fields.
class PreviewHost {
public:
    virtual ~PreviewHost() = default;
    // The line a pass would write: the MJD the fields show, exactly, with the
    // date text as its comment; or, when the four fields do not show one
    // instant, the words that say why.
    [[nodiscard]] virtual std::expected<DateLineSource, QString> dateLineToWrite() = 0;
    // The MJD, read in the chosen scale, as the date field would show it;
    // empty when it lies beyond the dates the field can show.
    [[nodiscard]] virtual QString dateTextOf(double mjd) = 0;
    // Puts the MJD into the fields, read in the chosen scale, and recomputes
    // the others from it, as if the user had typed it into the MJD field.
    virtual void useMjd(double mjd) = 0;
};

} // namespace zentadial
