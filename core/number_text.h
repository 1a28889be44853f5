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

// valueOfText for the numeric fields: the user's decimal separator and "."
// are both decimal points, so a number written by numberToText or copied from
// a scenario file reads as itself in every form. Blanks around it (tabs, line
// ends, U+00A0, U+2009, U+202F) are dropped and U+2212 is a minus sign.
[[nodiscard]] Conv<double> valueOfFieldText(std::string_view text, const RegionalForm& form);

// The whole text, bar surrounding blanks (as for valueOfFieldText), must be
// one number in the user's form: sign ("-", "+" or U+2212), digits, the
// user's thousands separator only between real groups of three digits of the
// integer part ("1,234,567"; never when it is "."), a decimal point (the
// user's or ".") and digits ("5." and ".5" too), exponent E or e with sign and
// digits. Anything else fails with TypeMismatch, never reads as another
// value; a number beyond the double range fails with Overflow, one below it
// gives 0.
[[nodiscard]] Conv<double> numberFromText(std::string_view text, const RegionalForm& form);

// The one fixed form that files and other programs write numbers in: "." as
// the decimal point and no group separators, in every locale ("60000.5",
// "-1.5E-3"); blanks around it as for numberFromText. Anything else fails
// with TypeMismatch.
[[nodiscard]] Conv<double> plainNumberFromText(std::string_view text);

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
