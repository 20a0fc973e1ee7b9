#pragma once
// The run-time error that every fallible step raises: a number and a
// description, so a handler can show "description" or "description"
// followed directly by the number, exactly as the windows expect.
#include <stdexcept>
#include <string>

namespace jd {

class RunTimeError : public std::runtime_error {
public:
    RunTimeError(int number, std::string description)
        : std::runtime_error(description), number_(number), description_(std::move(description)) {}

    int number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }

    // The errors the calculations and the windows can raise.
    static RunTimeError invalidCall() { return {5, "Invalid procedure call or argument"}; }
    static RunTimeError overflow() { return {6, "Overflow"}; }
    static RunTimeError subscriptOutOfRange() { return {9, "Subscript out of range"}; }
    static RunTimeError divisionByZero() { return {11, "Division by zero"}; }
    static RunTimeError typeMismatch() { return {13, "Type mismatch"}; }
    static RunTimeError invalidUseOfNull() { return {94, "Invalid use of Null"}; }

private:
    int number_;
    std::string description_;
};

// The text of the plain error box: the description followed directly by the
// number in decimal ("Overflow6").
inline std::string descriptionWithNumber(const RunTimeError& e) {
    return e.description() + std::to_string(e.number());
}

}  // namespace jd
