#pragma once

#include "core/conv_error.h"
#include "core/regional_form.h"

#include <string>
#include <string_view>

namespace zentadial {

// The number at the start of the text, "." as the decimal point whatever the
// user's forms say; blanks, tabs and line feeds anywhere are ignored ("1 2" is
// 12). No number gives 0; only a number beyond the double range fails
// (Overflow).
[[nodiscard]] Conv<double> valueOfText(std::string_view text);

// valueOfText with the user's decimal separator in place of ".", for reading
// back the fields that numberToText wrote.
[[nodiscard]] Conv<double> valueOfFieldText(std::string_view text, const RegionalForm& form);

// The whole text, bar surrounding blanks (space, tab), must be one number in
// the user's form: sign, digits with thousands separators between digits of
// the integer part (loose: any grouping), decimal separator and digits ("5."
// and ".5" too), exponent E or e with sign and digits. Anything else fails
// with TypeMismatch, a number beyond the double range with Overflow; a number
// below it gives 0.
[[nodiscard]] Conv<double> numberFromText(std::string_view text, const RegionalForm& form);

// Up to 15 significant digits in the user's number form; exponent form from
// 1E+15 up and below 1E-4 ("1E-05", "1.5E+20": at least two exponent
// digits). The magnitude counts after rounding (999999999999999.9 gives
// "1E+15"). -0 gives "0", and so do NaN and infinities, which the scale
// operations never return.
[[nodiscard]] std::string numberToText(double x, const RegionalForm& form);

// The digits of numberToText, "." as the decimal point, a blank in place of a
// plus sign: 53005.5 gives " 53005.5".
[[nodiscard]] std::string spacedNumberText(double x);

} // namespace zentadial
