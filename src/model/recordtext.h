#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Text helpers shared by every kind of record: field access, the channel
// labels and the MHz display forms of the record's digit texts.
namespace RecordText {

// Field n (0-based) of a comma-separated record; an absent field, or n
// beyond the 19 fields a record can name, gives "".
std::string_view Field(std::string_view record, int n);

// "000".."199" for slots 0..199, then "L0","U0",..,"L9","U9","PR".
// Empty for a slot outside 0..220.
std::string ChannelLabel(int slot);

// The memory slot a label names: digits are read as a decimal number (at
// most 220), letters as one of the 21 edge labels. Nothing for other texts.
std::optional<int> SlotOfLabel(std::string_view label);

// "00145006250" -> "145.00625": MHz with 3 to 6 decimals.
std::string FormatFrequency(std::string_view recordFrequency);

// "000600000" -> "0.60", "029950000" -> "29.95".
std::string FormatOffset(std::string_view recordOffset);

// 145000000 -> "145.000000": a frequency or offset in Hz as MHz with all six
// decimals, the form the CSV files and their notes use.
std::string MhzText(std::int64_t hz);

// The text with its control characters as "\x1B" and the like, so that a
// note quoting a damaged file or record sends none to a terminal or a box.
std::string ShowControls(std::string_view text);
// Every byte that is not printable ASCII made visible, so that the text
// can be read back byte for byte: "\r", "\n", "\t", "\\", and "\xNN" for
// the other controls and every byte above 0x7E. The form of the serial trace.
std::string ShowBytes(std::string_view bytes);

// `text` with each character of `from` replaced by the one at the same
// place in `to` ("EF", "*#": E becomes *, F becomes #).
std::string Swapped(std::string_view text, std::string_view from, std::string_view to);
std::string CommasToTabs(std::string_view text);
std::string TabsToCommas(std::string_view text);

// Value of a text of 1 to `most` (at most 18) digits and nothing else;
// nothing for any other text.
std::optional<std::int64_t> DigitsValue(std::string_view digits, std::size_t most);
// Decimal value of a text made only of digits; nothing for anything else or
// for values above `limit`.
std::optional<int> DecimalValue(std::string_view digits, int limit);

} // namespace RecordText
