#pragma once
// The solver's checks of its arguments and storage; each reports a TERMINAL condition of the
// routine on top of the error stack.

#include <memory>
#include <new>
#include <stdexcept>
#include <utility>

namespace korvel {

// N at least 1 (code 1).
bool ORDER_IS_VALID(int n);

// A leading dimension of at least the order n; otherwise the TERMINAL `code` with `message`,
// whose %(I1) is the dimension and %(I2) the order.
bool LEADING_DIMENSION_IS_VALID(int dimension, int n, int code, const char* message);

// The working storage of order n could not be had (code 2).
void REPORT_STORAGE_FAILURE(int n);

// Working storage, or none when it cannot be had: a failed allocation is a status for the
// caller to report, never an exception past here.
template <typename T, typename... Arguments>
std::unique_ptr<T> OBTAIN_STORAGE(Arguments&&... arguments) {
    try {
        return std::make_unique<T>(std::forward<Arguments>(arguments)...);
    } catch (const std::bad_alloc&) {
        return nullptr;
    } catch (const std::length_error&) {
        return nullptr;
    }
}

}  // namespace korvel
