#include "editorkeys.h"

#include "recordlayout.h"
#include "recordtext.h"

namespace EditorKeys {

namespace {

constexpr char kBackspace = '\b';
constexpr char kEnter = '\r';

char Upper(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}
bool Digit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

KeyResult FrequencyKey(char c)
{
    if (c == kEnter)
        return {Action::Apply, c};
    if (Digit(c) || c == '.' || c == kBackspace)
        return {Action::Insert, c};
    return {Action::Discard, c};
}

KeyResult NameKey(char c)
{
    c = Upper(c);
    if (RecordLayout::ChannelName::IsCharacter(c) || c == kBackspace)
        return {Action::Insert, c};
    return {Action::Discard, c};
}

KeyResult NumberKey(char c)
{
    c = Upper(c);
    if (Digit(c) || c == kBackspace || c == 'L' || c == 'U' || c == 'P' || c == 'R')
        return {Action::Insert, c};
    return {Action::Discard, c};
}

KeyResult DtmfKey(char c)
{
    c = Upper(c);
    if (Digit(c) || (c >= 'A' && c <= 'D') || c == '*' || c == '#' || c == kBackspace || c == kEnter)
        return {Action::Insert, c};
    if (c == '\x1b')
        return {Action::Discard, c};
    return {Action::Complain, c};
}

NumberMeaning ParseChannelNumber(std::string_view text)
{
    if (!text.empty() && Digit(text[0])) {
        const auto value = RecordText::DecimalValue(text, RecordLayout::MemorySlot::LastChannel);
        return value ? NumberMeaning{NumberKind::Channel, *value} : NumberMeaning{NumberKind::Invalid, 0};
    }
    if (text.size() == 2) {
        if (const auto slot = RecordText::SlotOfLabel(text))
            return {NumberKind::Channel, *slot};
    }
    if (text == "L" || text == "U" || text == "P")
        return {NumberKind::Partial, 0};
    return {NumberKind::Invalid, 0};
}

std::string ChannelNumberText(int slot)
{
    if (RecordLayout::MemorySlot::IsChannel(slot))
        return std::to_string(slot);
    return RecordText::ChannelLabel(slot);
}

} // namespace EditorKeys
