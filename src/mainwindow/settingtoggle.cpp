#include "settingtoggle.h"

#include "appsettings.h"
#include "settingsnotice.h"

#include <utility>

SettingToggle::SettingToggle(const QString& text, QString key, bool byDefault, AppSettings& settings,
                             MessageService& messages, QWidget& window, QObject* parent)
    : QAction(text, parent), m_key(std::move(key)), m_default(byDefault), m_settings(settings), m_messages(messages),
      m_window(window)
{
    setCheckable(true);
    setChecked(On());
    connect(this, &QAction::toggled, this, &SettingToggle::Set);
}

bool SettingToggle::On() const
{
    return m_settings.Store().value(m_key, m_default).toBool();
}

void SettingToggle::Set(bool on)
{
    m_settings.Store().setValue(m_key, on);
    SettingsNotice::Keep(m_settings, m_messages, &m_window);
    if (isChecked() != on)
        setChecked(on);
}
