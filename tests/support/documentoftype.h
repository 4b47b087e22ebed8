#pragma once

#include "channeldocument.h"

#include <initializer_list>
#include <utility>

// A cleared document of a radio of `type`, holding its band defaults and
// the given memory channels.
inline ChannelDocument Document(const char* type, std::initializer_list<std::pair<int, const char*>> memory = {})
{
    ChannelDocument doc;
    doc.StoreRadioType(type);
    doc.ClearDocument();
    for (const auto& [slot, record] : memory)
        doc.StoreMemory(slot, record);
    return doc;
}
