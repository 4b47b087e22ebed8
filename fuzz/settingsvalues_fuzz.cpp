// Feeds an arbitrary settings file to the values the program parses from
// it: "Type" and "Limit0".."Limit4" become the band plan that every default
// record, band name and frequency fit depends on, and "Ports/COMn" names the
// device a transfer opens. A hand-edited or damaged file must give a sound
// plan: default records that fit their slots and survive a data file round
// trip, frequencies fitted inside the edges the plan reports, and a device
// for every port name.
#include "appsettings.h"
#include "bandplan.h"
#include "channeldocument.h"
#include "datafile.h"
#include "frequencyrules.h"
#include "slotchecks.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void CheckPlan(const BandPlan& plan)
{
    for (int band = 0; band < BandPlan::BandCount; ++band) {
        const BandPlan::MhzRange limits = plan.Limits(band);
        if (limits.lower > limits.upper)
            std::abort();
        (void)plan.BandName(band);
        const auto typed = FrequencyRules::NormalizeFrequency(plan.DefaultFrequencyText(band));
        if (!typed)
            std::abort();
        for (const std::int32_t frequency : {*typed, 0, 999999990}) {
            const FrequencyRules::Fit fit =
                FrequencyRules::FitToBand(frequency, band, plan.DefaultStepIndex(band), plan);
            const int mhz = fit.frequency / 1000000;
            if (mhz < limits.lower || mhz > limits.upper || FrequencyRules::RecordFrequency(fit.frequency).size() != 11)
                std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // QSettings syncs each save to disk; memory-backed files keep the runs
    // fast.
    static const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static QTemporaryDir folder(base + QStringLiteral("/qxp-fuzz-settings-XXXXXX"));
    static const QString path = folder.filePath(QStringLiteral("QXP-R46.conf"));
    static const QByteArray nativePath = QFile::encodeName(path);
    static long run = 0;
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    // QSettings keeps a parsed file while its size and time stay the same;
    // a time of its own for each input makes it read every one.
    const timespec times[2] = {{0, UTIME_OMIT}, {1000000000L + ++run, 0}};
    if (::utimensat(AT_FDCWD, nativePath.constData(), times, 0) != 0)
        std::abort();
    {
        // As the desktop program starts: the values, their defaults, and
        // the plan they make.
        AppSettings settings(path);
        ChannelDocument doc;
        settings.LoadAtStartup(doc.Plan(), QStringLiteral("/tmp"));
        doc.ClearDocument();
        CheckSlots(doc);
        CheckPlan(doc.Plan());
        const std::string file = DataFile::WriteDataFile(doc);
        ChannelDocument reopened;
        reopened.StoreRadioType(doc.Plan().RadioType());
        reopened.ClearDocument();
        DataFile::ReadDataFile(file, reopened);
        if (DataFile::WriteDataFile(reopened) != file)
            std::abort();

        // As the command-line tool takes the type, and the port map.
        ChannelDocument cli;
        cli.StoreRadioType(settings.RadioType().toLatin1().toStdString());
        cli.ClearDocument();
        CheckSlots(cli);
        CheckPlan(cli.Plan());
        for (const char* name : {"COM1", "COM2", "COM3", "COM4", "COM5", "/dev/ttyUSB0"})
            if (settings.PortDevice(QString::fromLatin1(name)).isEmpty())
                std::abort();
    }
    return 0;
}
