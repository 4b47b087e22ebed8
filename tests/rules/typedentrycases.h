#pragma once

#include "channelcells.h"

// Values typed into a memory channel, each once into the memory editor's box
// and stored with OK, and once into the channel table's cell: both must store
// the same record. The editor's tests and the table's cell tests share this
// table.
namespace TypedEntryCases {

struct Case {
    const char* what;
    const char* type;   // the radio's type record
    const char* before; // memory slot 5's record ("" = empty)
    const char* box;    // the editor's box
    ChannelCells::Column column;
    const char* typed;
    const char* stored; // slot 5 afterwards; nullptr: refused, unchanged
};

constexpr int kSlot = 5;
constexpr const char* kDefaultType = "0,2,00,1,1,,";
constexpr const char* kMinus76Type = "0,3,00,1,1,1,1";
constexpr const char* kOn144 = "005,00145000000,3,0,0,0,0,,09,,09,000600000,0,,,,,";

using Column = ChannelCells::Column;
inline const Case kCases[] = {
    {"a frequency typed into an empty slot makes a channel", kDefaultType, "", "Edit1", Column::RxFrequency, "145.5",
     "005,00145500000,0,0,0,0,0,,09,,09,000600000,0,,,,,"},
    {"a frequency off the step is rounded down", kDefaultType, kOn144, "Edit1", Column::RxFrequency, "144.5123",
     "005,00144500000,3,0,0,0,0,,09,,09,000600000,0,,,,,"},
    {"keys the box does not take are dropped", kDefaultType, kOn144, "Edit1", Column::RxFrequency, "14x5.6a",
     "005,00145600000,3,0,0,0,0,,09,,09,000600000,0,,,,,"},
    {"two dots are refused", kDefaultType, kOn144, "Edit1", Column::RxFrequency, "144.5.0", nullptr},
    {"an offset above 29.95 MHz is cut", kDefaultType, kOn144, "Edit2", Column::Offset, "35",
     "005,00145000000,3,0,0,0,0,,09,,09,029950000,0,,,,,"},
    {"an offset with two dots is refused", kDefaultType, kOn144, "Edit2", Column::Offset, "0.6.0", nullptr},
    {"a name is upper-cased", kDefaultType, kOn144, "Edit5", Column::Name, "rpt/1",
     "005,00145000000,3,0,0,0,0,,09,,09,000600000,0,,,,,RPT/1"},
    {"a name keeps six characters", kDefaultType, kOn144, "Edit5", Column::Name, "abcdefgh",
     "005,00145000000,3,0,0,0,0,,09,,09,000600000,0,,,,,ABCDEF"},
    {"a name drops what the radio cannot show", kDefaultType, kOn144, "Edit5", Column::Name, "a_b!c",
     "005,00145000000,3,0,0,0,0,,09,,09,000600000,0,,,,,ABC"},
    {"a split channel's transmit frequency is fitted to its band and step", kDefaultType,
     "005,00435000000,6,0,0,0,0,,09,,09,005000000,0,,00145000000,6,,", "Edit3", Column::TxFrequency, "440.0123",
     "005,00435000000,6,0,0,0,0,,09,,09,005000000,0,,00440000000,6,,"},
    {"-7.6 MHz on a frequency moved below 300 MHz is stored as simplex", kMinus76Type,
     "005,00439000000,6,3,0,0,0,,09,,09,001600000,0,,,,,", "Edit1", Column::RxFrequency, "145",
     "005,00145000000,6,0,0,0,0,,09,,09,001600000,0,,,,,"},
};

} // namespace TypedEntryCases
