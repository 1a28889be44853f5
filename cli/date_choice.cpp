#include "cli/date_choice.h"

#include "core/date_text.h"
#include "core/number_text.h"
#include "core/present_date.h"
#include "core/scales.h"
#include "core/zone_offset.h"
#include "platform/clock.h"

namespace zentadial {
namespace {

QString fromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

Usage<double> plainNumberOption(std::string_view option, std::string_view text) {
    const Conv<double> value = plainNumberFromText(text);
    if (!value) {
        return std::unexpected(usageError(
            QStringLiteral("option '--%1': '%2' is not a number; write it with '.' as the decimal "
                           "point and no group separators, e.g. 53005.5.")
                .arg(fromStd(option), fromStd(text))));
    }
    return *value;
}

Usage<double> zoneHours(std::string_view text) {
    const std::optional<double> hours = zoneOffsetHours(text);
    if (!hours) {
        return std::unexpected(usageError(
            QStringLiteral("option '--zone': '%1' is not an offset from GMT; give hours east "
                           "of GMT from -14 to 14, as a number (-8, 5.5) or as +H:MM (+5:30).")
                .arg(fromStd(text))));
    }
    return *hours;
}

Usage<std::string> presentDateText(const std::optional<std::string>& zone,
                                   const RegionalForm& form) {
    Conv<std::string> now = std::unexpected(ConvError::Overflow);
    if (zone) {
        const auto hours = zoneHours(*zone);
        if (!hours) {
            return std::unexpected(hours.error());
        }
        now = nowDateText(SystemClock{}.localNow(), spacedNumberText(*hours), form);
    } else {
        now = nowDateText(SystemClock{}.utcNow(), "0", form);
    }
    if (!now) {
        return std::unexpected(usageError(
            QStringLiteral("the present time lies outside the dates from 1 January 100 to 31 "
                           "December 9999; check the computer's clock.")));
    }
    return std::move(*now);
}

DateLineSource RewriteDate::source() const {
    std::string suffix(commentSuffixOf(scale));
    return mjd ? DateLineSource::forMjd(*mjd, dateText, std::move(suffix))
               : DateLineSource(dateText, form, mjdScaleOf(scale), std::move(suffix));
}

ScaleNotes RewriteDate::notes() const {
    if (mjd) {
        return notesForMjd(*mjd, scale);
    }
    const Conv<SerialDate> date = dateFromText(dateText, form);
    return date ? notesForDate(*date, scale) : ScaleNotes{};
}

Usage<RewriteDate> rewriteDate(const RewriteDateChoice& choice, const RegionalForm& form) {
    const int given = int(choice.date.has_value()) + int(choice.mjd.has_value()) + int(choice.now);
    if (given != 1) {
        return std::unexpected(
            usageError(given == 0 ? QStringLiteral("give the date: --date, --mjd or --now.")
                                  : QStringLiteral("give only one of --date, --mjd and --now.")));
    }
    if (choice.zone && !choice.now) {
        return std::unexpected(usageError(QStringLiteral("option '--zone' needs '--now'.")));
    }
    if (choice.date) {
        const Conv<SerialDate> date = dateFromText(*choice.date, form);
        if (!date) {
            return std::unexpected(usageError(
                QStringLiteral("option '--date': '%1' is not a date.").arg(fromStd(*choice.date))));
        }
        // The MJD written must read back as this date, or the file would
        // carry a figure the program itself refuses.
        const MjdScale& conversions = mjdScaleOf(choice.scale);
        const Conv<double> mjd = conversions.mjdOfDate(*date);
        if (!mjd || !conversions.dateOfMjd(*mjd)) {
            return std::unexpected(usageError(
                QStringLiteral("option '--date': '%1' has no MJD in %2 within the dates from 1 "
                               "January 100 to 31 December 9999.")
                    .arg(fromStd(*choice.date), QString::fromStdString(scaleName(choice.scale)))));
        }
        return RewriteDate{*choice.date, std::nullopt, form, choice.scale};
    }
    if (choice.mjd) {
        const auto mjd = plainNumberOption("mjd", *choice.mjd);
        if (!mjd) {
            return std::unexpected(mjd.error());
        }
        const Conv<SerialDate> date = mjdScaleOf(choice.scale).dateOfMjd(*mjd);
        if (!date) {
            return std::unexpected(usageError(
                QStringLiteral("option '--mjd': '%1' is not an MJD from 1 January 100 to 31 "
                               "December 9999.")
                    .arg(fromStd(*choice.mjd))));
        }
        return RewriteDate{dateToText(*date, form), *mjd, form, choice.scale};
    }
    auto now = presentDateText(choice.zone, form);
    if (!now) {
        return std::unexpected(now.error());
    }
    return RewriteDate{std::move(*now), std::nullopt, form, choice.scale};
}

} // namespace zentadial
