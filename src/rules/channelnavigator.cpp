#include "channelnavigator.h"

#include "editorkeys.h"

void ChannelNavigator::Open(int slot)
{
    m_position = (slot < 0 || slot > LastSlot) ? 0 : slot;
    m_suppressNumberChange = false;
    m_host.Load(m_position);
}

bool ChannelNavigator::NumberKey(char* c)
{
    const EditorKeys::KeyResult key = EditorKeys::NumberKey(*c);
    if (key.action != EditorKeys::Action::Insert) {
        m_suppressNumberChange = true;
        return false;
    }
    *c = key.ch;
    return true;
}

ChannelNavigator::Leave ChannelNavigator::LeaveFor(int slot)
{
    if (m_host.Modified() && m_host.AskYes(EditorHost::Question::Change) && !m_host.Store())
        return Leave::Stay;
    m_position = slot;
    m_host.Load(m_position);
    return Leave::Left;
}

ChannelNavigator::Leave ChannelNavigator::RunNumberChange(std::string_view text)
{
    if (m_suppressNumberChange) {
        m_suppressNumberChange = false;
        return Leave::Left;
    }
    if (text.empty())
        return Leave::Left;
    const EditorKeys::NumberMeaning meaning = EditorKeys::ParseChannelNumber(text);
    if (meaning.kind == EditorKeys::NumberKind::Channel) {
        if (LeaveFor(meaning.slot) == Leave::Stay) {
            m_host.ShowNumber(EditorKeys::ChannelNumberText(m_position));
            return Leave::Stay;
        }
        return Leave::Left;
    }
    if (meaning.kind == EditorKeys::NumberKind::Invalid)
        m_host.InvalidNumber();
    return Leave::Left;
}

void ChannelNavigator::NumberChanged(std::string_view text)
{
    RunNumberChange(text);
}

void ChannelNavigator::Step(int delta)
{
    if (m_host.Modified()) {
        if (!m_host.AskYes(EditorHost::Question::Change))
            m_host.DropChanges();
        else if (!m_host.Store())
            return;
    }
    int next = m_position + delta;
    if (next > LastSlot)
        next = 0;
    else if (next < 0)
        next = LastSlot;
    m_position = next;
    m_host.Load(m_position);
}

void ChannelNavigator::Navigate(NavKey key, std::string_view numberText)
{
    if (RunNumberChange(numberText) == Leave::Stay)
        return;
    // The number box may have named no channel (a lone "L", a number out of
    // range, or a swallowed change): the shown channel's changes are then
    // still unanswered, and moving on must not drop them unasked.
    if (m_host.Modified() && m_host.AskYes(EditorHost::Question::Change) && !m_host.Store())
        return;
    switch (key) {
    case NavKey::PageUp: m_position = m_position >= LastSlot ? 0 : m_position + 1; break;
    case NavKey::PageDown: m_position = m_position <= 0 ? LastSlot : m_position - 1; break;
    case NavKey::Home: m_position = 0; break;
    case NavKey::End: m_position = LastSlot; break;
    }
    m_host.Load(m_position);
}
