// Typed errors of the engine. Each carries the message the user sees; the window layer shows it
// in one message box captioned with the program's title and the program goes on.
#pragma once

#include <stdexcept>
#include <string>

namespace ruvivavu {

// Base of every error the engine raises on purpose.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// A text that does not convert to an integer, a number or a date.
class ConversionError : public Error {
public:
    using Error::Error;
};

// Division by zero, overflow, or an invalid operation in the arithmetic.
class ArithmeticError : public Error {
public:
    using Error::Error;
};

// A file that cannot be opened, created, copied or removed.
class FileError : public Error {
public:
    using Error::Error;
};

// One of the program's own messages (plain Portuguese text): the action stops after it is shown.
class UserMessage : public Error {
public:
    using Error::Error;
};

}  // namespace ruvivavu
