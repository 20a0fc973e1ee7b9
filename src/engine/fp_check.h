#pragma once
// Floating-point faults of the engine's arithmetic. C++ lets an overflow or an
// invalid operation run on silently as an infinity or a NaN; the engine turns
// them into the run-time errors its callers report: an infinite value is an
// overflow (6), a NaN an invalid argument (5), a division by zero 11 (0 / 0
// is an overflow, as the run time reports it).
#include <cmath>

#include "platform/run_time_error.h"

namespace jd::fp {

// Returns x, or raises when x is not finite.
inline double checked(double x) {
    if (std::isnan(x)) throw RunTimeError::invalidCall();
    if (std::isinf(x)) throw RunTimeError::overflow();
    return x;
}

inline double divide(double numerator, double divisor) {
    if (divisor == 0.0) {
        throw numerator == 0.0 ? RunTimeError::overflow() : RunTimeError::divisionByZero();
    }
    return checked(numerator / divisor);
}

// Square root; a negative argument is an invalid argument.
inline double squareRoot(double x) {
    if (x < 0.0) throw RunTimeError::invalidCall();
    return checked(std::sqrt(x));
}

// Brings an angle into 0..turn by whole turns with the two loops "subtract a
// turn while above `turn`, then add a turn while below 0", so a value of
// exactly one turn stays as it is. Far-off values first drop whole turns in
// one step, stopping two turns short so the loops still make the last steps;
// for a turn of 360 that shortcut is exact, so the result is the same as
// looping all the way. A non-finite angle, or one so large that a turn no
// longer changes it, is an overflow rather than a loop without end.
inline double reduceTurns(double angle, double turn) {
    checked(angle);
    if (std::fabs(angle) > 1e15) throw RunTimeError::overflow();
    if (angle > 4 * turn) {
        angle -= turn * (std::floor(angle / turn) - 2);
    } else if (angle < -4 * turn) {
        angle += turn * (std::floor(-angle / turn) - 2);
    }
    while (angle > turn) angle -= turn;
    while (angle < 0) angle += turn;
    return angle;
}

}  // namespace jd::fp
