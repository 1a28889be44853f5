#pragma once

namespace zentadial::detail {

// TT - UT in seconds for a year with its fraction, from the polynomial
// expressions of Espenak and Meeus (Five Millennium Canon of Solar Eclipses,
// 2006), for the years before UTC began (1960). An estimate: its error grows
// from about a second around 1900 to minutes in antiquity.
[[nodiscard]] double deltaTSeconds(double year);

} // namespace zentadial::detail
