#pragma once

#include <cstdint>

// Property types, their values in ordinal order as the component publishes
// them.
enum class TCommPort : std::uint8_t { Com1, Com2, Com3, Com4 };
enum class TBaudRate : std::uint8_t {
    ____600bps,
    ___1200bps,
    ___2400bps,
    ___4800bps,
    ___9600bps,
    __14400bps,
    __19200bps,
    __38400bps,
    __56000bps,
    __57600bps,
    _115200bps,
    _128000bps,
};
enum class TParity : std::uint8_t { None, Odd, Even, Mark, Space };
enum class TByteSize : std::uint8_t { _5bit, _6bit, _7bit, _8bit };
enum class TStopBits : std::uint8_t { _1bit, _1_5bit, _2bit };
enum class TFlowControl : std::uint8_t { Disable, DtrDsr, XonXoff, RtsCts };
enum class TEventType : std::uint8_t { RxEvent, CharEvent };
