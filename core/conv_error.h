#pragma once

#include <expected>

namespace zentadial {

// The two failure codes callers test for; the numbers are the ones users and
// earlier versions know them by.
enum class ConvError { Overflow = 6, TypeMismatch = 13 };

template <class T> using Conv = std::expected<T, ConvError>;

} // namespace zentadial
