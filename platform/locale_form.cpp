#include "platform/locale_form.h"

#include <QLocale>
#include <QRegularExpression>

namespace zentadial {
namespace {

// Two-digit years would turn 1/1/1950 into a text that reads back as 2050.
QString withFourDigitYears(QString pattern) {
    if (!pattern.contains(QLatin1String("yyyy"))) {
        pattern.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    }
    // Month and weekday names have no place in a numeric short date.
    static const QRegularExpression monthName(QStringLiteral("M{3,}"));
    pattern.replace(monthName, QStringLiteral("M"));
    static const QRegularExpression weekday(QStringLiteral("\\s*d{3,}[,.]?\\s*"));
    pattern.replace(weekday, QString());
    return pattern;
}

// The field holds GMT whatever the computer's zone, so the zone name goes.
QString withoutZone(QString pattern) {
    static const QRegularExpression zone(QStringLiteral("\\s*\\(?t+\\)?"));
    pattern.replace(zone, QString());
    return pattern.trimmed();
}

} // namespace

RegionalForm regionalFormFrom(const QLocale& requested) {
    const QLocale locale = requested.language() == QLocale::C
                               ? QLocale(QLocale::English, QLocale::UnitedStates)
                               : requested;
    RegionalForm form;
    form.decimalSeparator = locale.decimalPoint().toStdString();
    form.thousandsSeparator = locale.groupSeparator().toStdString();
    form.shortDatePattern =
        withFourDigitYears(locale.dateFormat(QLocale::ShortFormat)).toStdString();
    form.longTimePattern = withoutZone(locale.timeFormat(QLocale::LongFormat)).toStdString();
    form.amText = locale.amText().toStdString();
    form.pmText = locale.pmText().toStdString();
    return form;
}

} // namespace zentadial
