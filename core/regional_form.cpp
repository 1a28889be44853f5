#include "core/regional_form.h"

#include "core/date_pattern.h"

namespace zentadial {

// Day of month (d, dd), month (M to MMMM) and year (yy, yyyy) in the order of
// their first appearance; day names (ddd, dddd) do not count.
DateOrder RegionalForm::dateOrder() const {
    const std::string order = detail::fieldOrder(detail::parsePattern(shortDatePattern));
    if (order.front() == 'y') {
        return DateOrder::YearMonthDay;
    }
    return order.find('d') < order.find('M') ? DateOrder::DayMonthYear : DateOrder::MonthDayYear;
}

} // namespace zentadial
