#include "recordtext.h"

#include "recordlayout.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace RecordText {

namespace {

constexpr std::array<const char*, RecordLayout::MemorySlot::Count - RecordLayout::MemorySlot::FirstScanEdge>
    kEdgeLabels = {"L0", "U0", "L1", "U1", "L2", "U2", "L3", "U3", "L4", "U4", "L5",
                   "U5", "L6", "U6", "L7", "U7", "L8", "U8", "L9", "U9", "PR"};

constexpr int kMaxFields = 19;

// Record digit texts shorter than their width are read as if zero-padded on
// the left, so a hand-edited "600000" offset still means 0.60 MHz.
std::string PadLeft(std::string_view text, std::size_t width)
{
    std::string out;
    if (text.size() < width)
        out.assign(width - text.size(), '0');
    out.append(text);
    return out;
}

void AppendHex(std::string* out, unsigned char byte)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", byte);
    *out += hex;
}

} // namespace

std::string_view Field(std::string_view record, int n)
{
    if (n < 0 || n >= kMaxFields)
        return {};
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) {
        const std::size_t comma = record.find(',', start);
        if (comma == std::string_view::npos)
            return {};
        start = comma + 1;
    }
    const std::size_t end = record.find(',', start);
    return record.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::string ChannelLabel(int slot)
{
    using namespace RecordLayout;
    if (slot < 0 || slot > MemorySlot::Priority)
        return {};
    if (MemorySlot::IsChannel(slot)) {
        char buf[4] = {char('0' + slot / 100), char('0' + slot / 10 % 10), char('0' + slot % 10), 0};
        return buf;
    }
    return kEdgeLabels[static_cast<std::size_t>(slot - MemorySlot::FirstScanEdge)];
}

std::optional<std::int64_t> DigitsValue(std::string_view digits, std::size_t most)
{
    if (digits.empty() || digits.size() > std::min<std::size_t>(most, 18))
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<int> DecimalValue(std::string_view digits, int limit)
{
    if (digits.empty())
        return std::nullopt;
    long long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<int>(value);
}

std::optional<int> SlotOfLabel(std::string_view label)
{
    if (label.empty())
        return std::nullopt;
    if (label[0] >= '0' && label[0] <= '9')
        return DecimalValue(label, RecordLayout::MemorySlot::Priority);
    for (std::size_t i = 0; i < kEdgeLabels.size(); ++i) {
        if (label == kEdgeLabels[i])
            return static_cast<int>(RecordLayout::MemorySlot::FirstScanEdge + i);
    }
    return std::nullopt;
}

std::string FormatFrequency(std::string_view recordFrequency)
{
    const std::string d = PadLeft(recordFrequency, 11);
    std::string out = d.substr(2, 3) + "." + d.substr(5, 3);
    std::string tail = d.substr(8, 3);
    while (!tail.empty() && tail.back() == '0')
        tail.pop_back();
    return out + tail;
}

std::string FormatOffset(std::string_view recordOffset)
{
    const std::string d = PadLeft(recordOffset, 9);
    if (d[1] == '0')
        return d.substr(2, 1) + "." + d.substr(3, 2);
    return d.substr(1, 2) + "." + d.substr(3, 2);
}

std::string MhzText(std::int64_t hz)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld.%06lld", static_cast<long long>(hz / 1000000),
                  static_cast<long long>(hz % 1000000));
    return buf;
}

std::string ShowControls(std::string_view text)
{
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            AppendHex(&out, byte);
        else
            out += c;
    }
    return out;
}

std::string ShowBytes(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\r': out += "\\r"; continue;
        case '\n': out += "\\n"; continue;
        case '\t': out += "\\t"; continue;
        case '\\': out += "\\\\"; continue;
        default: break;
        }
        if (byte < 0x20 || byte > 0x7E)
            AppendHex(&out, byte);
        else
            out += c;
    }
    return out;
}

std::string Swapped(std::string_view text, std::string_view from, std::string_view to)
{
    std::string out(text);
    for (char& c : out)
        if (const std::size_t at = from.find(c); at != std::string_view::npos && at < to.size())
            c = to[at];
    return out;
}

std::string CommasToTabs(std::string_view text)
{
    return Swapped(text, ",", "\t");
}

std::string TabsToCommas(std::string_view text)
{
    return Swapped(text, "\t", ",");
}

} // namespace RecordText
