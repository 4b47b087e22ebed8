#include "portmap.h"

#include "builtinradio.h"
#include "filepath.h"
#include "portdiagnosis.h"
#include "radioprotocol.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString Sentence(const std::string& reason)
{
    QString text = QString::fromStdString(reason);
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// A path, and where it really leads when that is somewhere else (a by-id
// link, a symlink the user made).
QString WithTarget(const QString& path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    return target.isEmpty() || target == path ? path : path + QStringLiteral(" (") + target + QLatin1Char(')');
}

} // namespace

const QString& PortMap::SimulatedRadio()
{
    static const QString name = QStringLiteral("sim");
    return name;
}

QString PortMap::DefaultSimulatedRadioFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/simulated-radio.46");
}

PortMap::PortMap(const QString& simulatedRadioFile, const QString& byIdFolder)
    : m_simulatedRadioFile(simulatedRadioFile), m_byIdFolder(byIdFolder)
{
    // The menu's own words, in the language the windows show.
    m_assignAdvice = QStringLiteral("Choose the radio's cable for %1 in ") +
                     QCoreApplication::translate("TMainForm", "设备") + QStringLiteral(" → ") +
                     QCoreApplication::translate("TMainForm", "端口设置...") + QStringLiteral(" first.");
}

PortMap::~PortMap()
{
    QString error;
    if (!StopSimulatedRadio(&error))
        qWarning("%s", qPrintable(error));
}

bool PortMap::IsComName(const QString& name) const
{
    return name.size() == 4 && name.startsWith(QLatin1String("COM")) && name[3] >= QLatin1Char('1') &&
           name[3] <= QLatin1Char('4');
}

QString PortMap::Assignment(const QString& portName)
{
    if (!IsComName(portName))
        return portName;
    if (portName == m_simulatedPort)
        return SimulatedRadio();
    m_settings.Store().sync();
    return m_settings.Store().value(QStringLiteral("Ports/") + portName).toString();
}

QString PortMap::DevicePath(const QString& portName)
{
    const QString assigned = Assignment(portName);
    if (assigned.isEmpty())
        return m_settings.PortDevice(portName);
    if (assigned == SimulatedRadio()) {
        const BuiltInRadio* radio = Radio();
        return radio ? FilePath::FromBytes(radio->DevicePath()) : QString();
    }
    const std::string byId = SerialById::PathOf(FilePath::Bytes(assigned), FilePath::Bytes(m_byIdFolder));
    return byId.empty() ? assigned : FilePath::FromBytes(byId);
}

BuiltInRadio* PortMap::Radio()
{
    if (m_radio && m_radio->Running())
        return m_radio.get();
    QDir().mkpath(QFileInfo(m_simulatedRadioFile).absolutePath());
    m_radio = std::make_unique<BuiltInRadio>(FilePath::Bytes(m_simulatedRadioFile));
    std::string error;
    if (m_radio->Start(&error)) {
        m_radioError.clear();
        return m_radio.get();
    }
    m_radioError = QString::fromStdString(error);
    m_radio.reset();
    return nullptr;
}

QString PortMap::SimulatedRadioLine()
{
    QString line = QStringLiteral("the built-in simulated radio");
    if (m_radio && m_radio->Running())
        line += QStringLiteral(" (") + FilePath::FromBytes(m_radio->DevicePath()) + QLatin1Char(')');
    return line;
}

QString PortMap::DeviceLine(const QString& portName)
{
    const QString assigned = Assignment(portName);
    if (!IsComName(portName))
        return assigned == SimulatedRadio() ? SimulatedRadioLine() : WithTarget(DevicePath(portName));
    const QString head = portName + QStringLiteral(" = ");
    if (assigned.isEmpty())
        return head + m_settings.PortDevice(portName) + QStringLiteral(", the default: no device assigned");
    if (assigned == SimulatedRadio())
        return head + SimulatedRadioLine() +
               (portName == m_simulatedPort ? QStringLiteral(", for this run") : QString());
    return head + WithTarget(DevicePath(portName));
}

QString PortMap::CauseHead(const QString& portName)
{
    QString head = DeviceLine(portName) + QStringLiteral(". ");
    if (IsComName(portName) && Assignment(portName).isEmpty())
        head += m_assignAdvice.arg(portName) + QLatin1Char(' ');
    return head;
}

QString PortMap::InvalidCause(const QString& portName)
{
    const QString device = DevicePath(portName);
    const QString line = CauseHead(portName);
    if (device.isEmpty() && Assignment(portName) == SimulatedRadio())
        return line + QStringLiteral("It could not start: ") + m_radioError;
    return line + Sentence(PortDiagnosis::Diagnose(FilePath::Bytes(device)).reason);
}

QString PortMap::TimeoutCause(const QString& portName)
{
    const QString line = CauseHead(portName);
    if (Assignment(portName) == SimulatedRadio()) {
        const QString stopped = m_radio ? QString::fromStdString(m_radio->ServeError()) : QString();
        return line + (stopped.isEmpty() ? QStringLiteral("It did not answer.")
                                         : QStringLiteral("It stopped answering: ") + stopped);
    }
    const PortDiagnosis::Result result = PortDiagnosis::Diagnose(FilePath::Bytes(DevicePath(portName)));
    if (result.state != PortDiagnosis::State::Usable)
        return line + Sentence(result.reason);
    return line + QStringLiteral("The radio did not answer within %1 seconds: check that it is switched on, that "
                                 "the cable sits firmly at both ends, and that the radio is not transmitting.")
                      .arg(RadioProtocol::ReplyTimeoutMs / 1000);
}

bool PortMap::StopSimulatedRadio(QString* error)
{
    if (!m_radio)
        return true;
    std::string why;
    const bool stopped = m_radio->Stop(&why);
    m_radio.reset();
    if (!stopped && error)
        *error = QString::fromStdString(why);
    return stopped;
}

QString PortMap::TakeSimulatedRadioWarning()
{
    if (m_keepWarned || !m_radio || m_radio->KeepError().empty())
        return QString();
    m_keepWarned = true;
    QString warning = QString::fromStdString(m_radio->KeepError());
    warning[0] = warning[0].toUpper();
    return warning + QLatin1Char('.');
}
