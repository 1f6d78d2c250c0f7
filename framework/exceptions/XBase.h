#pragma once
// Root of every failure the program reports. An exception carries no data:
// its dynamic type is the whole report. Thrown by value, caught by reference,
// most specific class first.
#include <exception>

class XBase : public std::exception {
public:
    const char* what() const noexcept override { return "XBase"; }
};

// Declares an empty exception class under its base; what() names the class.
#define QUILLET_EXCEPTION(Name, Base)                                       \
    class Name : public Base {                                              \
    public:                                                                 \
        const char* what() const noexcept override { return #Name; }        \
    }
