#include "ecommerror.h"

#include <cstdio>

namespace {

std::string FormatMessage(const char* format, int value)
{
    // The longest fixed message plus a ten-digit mask fits with room to spare;
    // snprintf cuts rather than overruns if a caller passes something longer.
    char text[128];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

ECommError::ECommError(const std::string& message, std::string detail)
    : std::runtime_error(message), m_detail(std::move(detail))
{
}

ECommError::ECommError(const char* format, int value, std::string detail)
    : std::runtime_error(FormatMessage(format, value)), m_detail(std::move(detail))
{
}
