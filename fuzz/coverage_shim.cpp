// GCC instruments with -fsanitize-coverage=trace-pc, a callback the libFuzzer
// runtime no longer accepts; clang, which has the guards libFuzzer wants,
// cannot compile the library headers. This hands libFuzzer the coverage it
// needs as inline 8-bit counters: each instrumented block bumps the counter
// its address hashes to.

#include <cstddef>
#include <cstdint>

extern "C" void __sanitizer_cov_8bit_counters_init(std::uint8_t* begin, std::uint8_t* end);

namespace {

// Far more slots than the libraries have blocks, so collisions stay rare.
constexpr std::size_t kCounterCount = std::size_t{1} << 17;
alignas(64) std::uint8_t counters[kCounterCount];

// Registered before main, which is the fuzzing engine's own.
const bool registered = [] {
    __sanitizer_cov_8bit_counters_init(counters, counters + kCounterCount);
    return true;
}();

} // namespace

extern "C" __attribute__((no_sanitize("address", "undefined"))) void __sanitizer_cov_trace_pc() {
    const auto pc = reinterpret_cast<std::uintptr_t>(__builtin_return_address(0));
    // Blocks lie a few bytes apart: mix the high bits in so that neighbours
    // and far-apart functions spread over the table.
    counters[(pc ^ (pc >> 17)) & (kCounterCount - 1)]++;
}

// GCC also reports floating-point comparisons, which libFuzzer has no use for.
extern "C" void __sanitizer_cov_trace_cmpf(float, float) {}
extern "C" void __sanitizer_cov_trace_cmpd(double, double) {}
