#pragma once

#include <array>
#include <string>
#include <string_view>

// Where things sit in a record and in the document, named once. Channel
// records (memory, VFO, CALL) follow the parameter lists of the radio's
// memory commands field for field, which is why some numbers are reserved:
// the radio keeps them empty, and so must we, or the record would no longer
// travel to the radio unchanged.
namespace RecordLayout {

// Fields of a memory, VFO or CALL record.
namespace ChannelField {
enum : int {
    Key = 0,         // channel label, VFO band code or CALL key
    RxFrequency = 1, // 11 digits, Hz
    Step = 2,        // step index
    Shift = 3,       // "0" simplex, "1" +, "2" -, "3" -7.6 MHz
    Reverse = 4,
    Tone = 5,
    Ctcss = 6,
    ToneCode = 8,
    CtcssCode = 10,
    Offset = 11,      // 9 digits, Hz
    Lockout = 12,     // numbered memory channels only
    TxFrequency = 14, // split channels only
    TxStep = 15,
    Power = 16, // 144 and 430/440 MHz VFOs only
    Name = 17,  // memory channels only
    Count = 18,
};
} // namespace ChannelField

// Fields of a DTMF memory record ("03,123A").
namespace DtmfField {
enum : int { Number = 0, Code = 1 };
} // namespace DtmfField

// The name of a memory channel: the radio shows six characters, made of
// upper-case letters, digits, "-", "/" and space.
namespace ChannelName {
constexpr std::size_t Length = 6;
constexpr std::string_view Characters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-/ ";

constexpr bool IsCharacter(char c)
{
    return c != '\0' && Characters.find(c) != std::string_view::npos;
}
} // namespace ChannelName

// Memory slots: the numbered channels "000".."199", the program-scan edges
// "L0","U0".."L9","U9", and the priority channel "PR".
namespace MemorySlot {
constexpr int FirstChannel = 0;
constexpr int LastChannel = 199;
constexpr int ChannelCount = LastChannel + 1;
constexpr int FirstScanEdge = 200;
constexpr int LastScanEdge = 219;
constexpr int ScanEdgeCount = LastScanEdge - FirstScanEdge + 1;
constexpr int Priority = 220;
constexpr int Count = Priority + 1;

constexpr bool IsChannel(int slot)
{
    return slot >= FirstChannel && slot <= LastChannel;
}
constexpr bool IsScanEdge(int slot)
{
    return slot >= FirstScanEdge && slot <= LastScanEdge;
}
} // namespace MemorySlot

// The fields of one channel record by number; Text() joins all 18, so a
// record built here always has the layout the radio expects.
using ChannelFields = std::array<std::string, ChannelField::Count>;

inline std::string Join(const ChannelFields& fields)
{
    std::string record;
    for (int n = 0; n < ChannelField::Count; ++n) {
        if (n > 0)
            record += ',';
        record += fields[static_cast<std::size_t>(n)];
    }
    return record;
}

} // namespace RecordLayout
