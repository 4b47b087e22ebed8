#pragma once

#include <QProcess>
#include <QSettings>
#include <QStringList>

// The simulated radio binary (QXP_SIM_EXECUTABLE) with the given options, at
// full speed, killed when the object goes; its device becomes COM1 in the
// test's settings store. Its standard error goes to the null device, so no
// child keeps ctest's output open.
class SimOnCom1
{
public:
    explicit SimOnCom1(QStringList options)
    {
        options << QStringLiteral("--baud") << QStringLiteral("0");
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start(QStringLiteral(QXP_SIM_EXECUTABLE), options);
        if (m_process.waitForReadyRead(10000))
            m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
        store.setValue(QStringLiteral("Ports/COM1"), m_device);
        store.sync();
    }
    ~SimOnCom1()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    SimOnCom1(const SimOnCom1&) = delete;
    SimOnCom1& operator=(const SimOnCom1&) = delete;

    bool Ok() const { return !m_device.isEmpty(); }
    const QString& Device() const { return m_device; }

private:
    QProcess m_process;
    QString m_device;
};
