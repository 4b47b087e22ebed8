#pragma once

#include <QAction>
#include <QString>

class AppSettings;
class MessageService;
class QWidget;

// A menu item that switches a yes/no choice of the settings store on and
// off ("VerifyAfterWrite", "PreviewBeforeWrite"): checked as the choice
// stands, and every change written out at once, with a settings file that
// cannot be written said once in the run (SettingsNotice) over `window`.
class SettingToggle : public QAction
{
    Q_OBJECT

public:
    SettingToggle(const QString& text, QString key, bool byDefault, AppSettings& settings, MessageService& messages,
                  QWidget& window, QObject* parent);

    // The choice as the settings store holds it.
    bool On() const;
    void Set(bool on);

private:
    QString m_key;
    bool m_default;
    AppSettings& m_settings;
    MessageService& m_messages;
    QWidget& m_window;
};
