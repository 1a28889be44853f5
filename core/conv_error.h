#pragma once

#include <expected>

namespace zentadial {

// The two failure codes; callers test the numbers, so they are fixed.
enum class ConvError { Overflow = 6, TypeMismatch = 13 };

template <class T> using Conv = std::expected<T, ConvError>;

} // namespace zentadial
