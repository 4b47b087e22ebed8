#include "appsettings.h"

#include "bandplan.h"
#include "settingssync.h"

AppSettings::AppSettings() : m_settings(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46")) {}

AppSettings::AppSettings(const QString& iniFile) : m_settings(iniFile, QSettings::IniFormat) {}

QString AppSettings::RadioType() const
{
    const QString type = m_settings.value(QStringLiteral("Type")).toString();
    return type.isEmpty() ? QString::fromLatin1(BandPlan::DefaultRadioType) : type;
}

QString AppSettings::PortDevice(const QString& portName) const
{
    if (portName.startsWith(QLatin1Char('/')))
        return portName;
    const QString mapped = m_settings.value(QStringLiteral("Ports/") + portName).toString();
    if (!mapped.isEmpty())
        return mapped;
    static const QString names[] = {QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"),
                                    QStringLiteral("COM4")};
    for (int i = 0; i < 4; ++i)
        if (portName == names[i])
            return QStringLiteral("/dev/ttyS%1").arg(i);
    return portName;
}

AppSettings::Startup AppSettings::LoadAtStartup(BandPlan& plan, const QString& workingFolder)
{
    Startup s;
    s.path = m_settings.value(QStringLiteral("Path")).toString();
    if (s.path.isEmpty()) {
        s.path = workingFolder;
        if (!s.path.endsWith(QLatin1Char('/')))
            s.path += QLatin1Char('/');
        m_settings.setValue(QStringLiteral("Path"), s.path);
    }
    s.commPort = m_settings.value(QStringLiteral("CommPort")).toString();
    if (s.commPort.isEmpty()) {
        s.commPort = QStringLiteral("COM1");
        m_settings.setValue(QStringLiteral("CommPort"), s.commPort);
    }
    QString type = m_settings.value(QStringLiteral("Type")).toString();
    if (type.isEmpty()) {
        type = QString::fromLatin1(BandPlan::DefaultRadioType);
        m_settings.setValue(QStringLiteral("Type"), type);
    }
    plan.SetRadioType(type.toLatin1().toStdString());
    for (int band = 0; band < BandPlan::BandCount; ++band) {
        const QString key = QStringLiteral("Limit%1").arg(band);
        QString limit;
        if (plan.BandExists(band)) {
            limit = m_settings.value(key).toString();
            if (limit.isEmpty())
                limit = QString::fromStdString(BandPlan::DefaultLimitRecord(band));
        }
        m_settings.setValue(key, limit);
        plan.SetLimitRecord(band, limit.toLatin1().toStdString());
    }
    m_settings.sync();
    return s;
}

void AppSettings::SetPath(const QString& folder)
{
    m_settings.setValue(QStringLiteral("Path"), folder);
}

void AppSettings::SetCommPort(const QString& port)
{
    m_settings.setValue(QStringLiteral("CommPort"), port);
}

void AppSettings::StoreBandPlan(const BandPlan& plan)
{
    m_settings.setValue(QStringLiteral("Type"), QString::fromStdString(std::string(plan.RadioType())));
    for (int band = 0; band < BandPlan::BandCount; ++band)
        m_settings.setValue(QStringLiteral("Limit%1").arg(band),
                            QString::fromStdString(std::string(plan.LimitRecord(band))));
    m_settings.sync();
}

bool AppSettings::Keep(QString* firstTrouble)
{
    QString error;
    if (SettingsSync::Sync(m_settings, &error))
        return true;
    if (firstTrouble && !m_troubleTold)
        *firstTrouble = error;
    m_troubleTold = true;
    return false;
}
