#pragma once
// The program's error types. Every error carries the text shown to the user;
// the application object catches what leaves an event handler and shows it.
#include <stdexcept>
#include <string>

// Message is UTF-8 (it is shown, never stored).
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

#define KURALO_EXCEPTION(Name)                                   \
    class Name : public Exception {                              \
    public:                                                      \
        using Exception::Exception;                              \
    }

KURALO_EXCEPTION(EConvertError);
KURALO_EXCEPTION(EFOpenError);
KURALO_EXCEPTION(EFCreateError);
KURALO_EXCEPTION(EInvalidGraphic);
KURALO_EXCEPTION(EIniFileException);
KURALO_EXCEPTION(EJuliusError);
