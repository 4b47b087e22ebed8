#pragma once

#include "simprocess.h"

#include <QSettings>
#include <QStringList>

// The simulated radio binary with the given options, at full speed; its
// device becomes COM1 in the test's settings store.
class SimOnCom1
{
public:
    explicit SimOnCom1(const QStringList& options) : m_process(Arguments(options))
    {
        QSettings store(QStringLiteral("QUELDOR"), QStringLiteral("QXP-R46"));
        store.setValue(QStringLiteral("Ports/COM1"), Device());
        store.sync();
    }
    bool Ok() { return !m_process.Device().empty(); }
    QString Device() { return QString::fromStdString(m_process.Device()); }

private:
    static std::vector<std::string> Arguments(const QStringList& options)
    {
        std::vector<std::string> arguments;
        for (const QString& option : options)
            arguments.push_back(option.toStdString());
        arguments.insert(arguments.end(), {"--baud", "0"});
        return arguments;
    }

    SimProcess m_process;
};
