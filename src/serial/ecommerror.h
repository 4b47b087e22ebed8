#pragma once

#include <stdexcept>
#include <string>

// The one exception of the serial port component. what() is always one of
// the fixed messages below, byte for byte, because the transfer dialogs and
// the exception report show it as it is; the operating system's own reason,
// when there is one, travels separately in Detail(), and both programs
// show it below the message.
class ECommError : public std::runtime_error
{
public:
    static constexpr const char* OpenNull = "CommOpen Error,invalid HANDLE:NULL";
    static constexpr const char* OpenInvalid = "CommOpen Error,invalid HANDLE:0xFFFFFFFF";
    static constexpr const char* NotStarted = "Have not started communications";
    static constexpr const char* ReadTimeout = "Read data Timeout";
    static constexpr const char* ReadError = "Communication Read Error  ErrorMask=%d";
    static constexpr const char* WriteTimeout = "Write data Timeout";
    static constexpr const char* WriteError = "Communication Write Error  ErrorMask=%d";
    static constexpr const char* TooMuchWriteData = "Too much write data";

    explicit ECommError(const std::string& message, std::string detail = {});
    // printf-style, for the two error-mask messages: ECommError(ReadError, mask).
    ECommError(const char* format, int value, std::string detail = {});

    const std::string& Detail() const { return m_detail; }

private:
    std::string m_detail;
};
