#pragma once
// Root of every failure the program reports. An exception's dynamic type is
// the report; a failure that the operating system reported also carries the
// system's error number, so that a batch tool can say why after the alert.
// Thrown by value, caught by reference, most specific class first.
#include <exception>

class XBase : public std::exception {
public:
    const char* what() const noexcept override { return "XBase"; }

    // The errno value behind the failure, 0 when the system gave none.
    int SystemError() const noexcept { return systemError_; }
    void SetSystemError(int code) noexcept { systemError_ = code; }

private:
    int systemError_ = 0;
};

// The exception with the system's error number attached:
// throw WithSystemError(XWrite(), errno);
template <class Exception>
Exception WithSystemError(Exception exception, int code) {
    exception.SetSystemError(code);
    return exception;
}

// Declares an empty exception class under its base; what() names the class.
#define QUILLET_EXCEPTION(Name, Base)                                       \
    class Name : public Base {                                              \
    public:                                                                 \
        const char* what() const noexcept override { return #Name; }        \
    }
