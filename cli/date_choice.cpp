#include "cli/date_choice.h"

#include "cli/now_date.h"
#include "core/date_text.h"
#include "core/linked_fields.h"

namespace zentadial {

Usage<std::string> presentDateText(const std::optional<std::string>& zone,
                                   const RegionalForm& form) {
    const std::string zoneText = zone.value_or("0");
    auto now = nowDateText(localClockNow(), zoneText, form);
    if (!now) {
        return std::unexpected(usageError(
            QStringLiteral("option '--zone': the zone '%1' moves the present time out of the "
                           "dates from 1 January 100 to 31 December 9999.")
                .arg(QString::fromStdString(zoneText))));
    }
    return std::move(*now);
}

Usage<std::string> rewriteDateText(const RewriteDateChoice& choice, const RegionalForm& form) {
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
        if (!dateFromText(*choice.date, form)) {
            return std::unexpected(usageError(QStringLiteral("option '--date': '%1' is not a date.")
                                                  .arg(QString::fromStdString(*choice.date))));
        }
        return *choice.date;
    }
    if (choice.mjd) {
        std::string text;
        for (auto& write : mjdEntryWrites(*choice.mjd, form)) {
            if (write.field == Field::Date) {
                text = std::move(write.text);
            }
        }
        if (text.empty()) {
            return std::unexpected(usageError(
                QStringLiteral("option '--mjd': '%1' is not an MJD from 1 January 100 to 31 "
                               "December 9999.")
                    .arg(QString::fromStdString(*choice.mjd))));
        }
        return text;
    }
    return presentDateText(choice.zone, form);
}

} // namespace zentadial
