#include "selectornavigator.h"

void SelectorNavigator::Open(int count, int item)
{
    m_count = count < 1 ? 1 : count;
    if (item < 0 || item >= m_count)
        item = 0;
    m_current = m_selected = item;
    m_switchAllowed = true;
    m_host.Load(m_current);
}

void SelectorNavigator::Pick(int item)
{
    if (item < 0 || item >= m_count)
        return;
    m_selected = item;
    Click();
    Change();
}

void SelectorNavigator::Navigate(NavKey key)
{
    Click();
    switch (key) {
    case NavKey::PageUp: m_selected = m_selected + 1 >= m_count ? 0 : m_selected + 1; break;
    case NavKey::PageDown: m_selected = m_selected == 0 ? m_count - 1 : m_selected - 1; break;
    case NavKey::Home: m_selected = 0; break;
    case NavKey::End: m_selected = m_count - 1; break;
    }
    Click();
    Change();
}

void SelectorNavigator::Click()
{
    m_switchAllowed = true;
    if (m_host.Modified() && m_host.AskYes(EditorHost::Question::Change) && !m_host.Store()) {
        m_selected = m_current;
        m_switchAllowed = false;
    }
}

void SelectorNavigator::Change()
{
    if (!m_switchAllowed) {
        m_selected = m_current;
        return;
    }
    // After a No the unsaved changes go with the item that is left.
    m_current = m_selected;
    m_host.Load(m_current);
}
