#include "builtinradio.h"

#include "datafile.h"
#include "fileio.h"
#include "simserver.h"

#include <sys/eventfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <system_error>

BuiltInRadio::BuiltInRadio(std::string memoryFile) : m_memoryFile(std::move(memoryFile)) {}

BuiltInRadio::~BuiltInRadio()
{
    Stop(nullptr);
}

void BuiltInRadio::FillFresh(ChannelDocument& memory)
{
    memory.StoreMemory(0, "000,00145500000,5,0,0,0,0,,09,,09,000600000,0,,,,,CALL");
    memory.StoreMemory(1, "001,00145650000,5,2,0,1,0,,12,,12,000600000,0,,,,,RPT");
    memory.StoreMemory(2, "002,00433500000,6,0,0,0,0,,09,,09,005000000,0,,,,,UHF");
}

bool BuiltInRadio::Start(std::string* error)
{
    if (Running())
        return true;
    struct stat info = {};
    if (::stat(m_memoryFile.c_str(), &info) == 0) {
        const DataFile::LoadResult loaded = DataFile::Load(m_memoryFile, m_radio.Memory());
        std::string why;
        if (!loaded.ok || !FileIo::ReadWholeFile(m_memoryFile, &m_saved, &why)) {
            *error = "the simulated radio's memory " + m_memoryFile + " cannot be read: " + loaded.error + why;
            return false;
        }
    } else if (errno == ENOENT) {
        m_radio.Memory().ClearDocument();
        FillFresh(m_radio.Memory());
        // Kept at once, so that a memory that cannot be kept is known
        // before anything is written to it, not at the end of a read.
        m_keepError.clear();
        Save(&m_keepError);
    } else {
        *error = m_memoryFile + ": " + std::error_code(errno, std::generic_category()).message();
        return false;
    }

    m_stop.Reset(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
    if (!m_stop.Valid()) {
        *error = "eventfd: " + std::error_code(errno, std::generic_category()).message();
        return false;
    }
    if (!m_port.Open(error))
        return false;
    try {
        m_thread = std::thread(&BuiltInRadio::Serve, this);
    } catch (const std::system_error& e) {
        *error = e.what();
        return false;
    }
    return true;
}

void BuiltInRadio::Serve()
{
    SimServer server(m_port, m_radio, {});
    server.SetCommandHook([this](const std::string& line) {
        // The last command of a write: the radio now holds what the
        // program sent, so this is the moment to keep it, before the
        // program hears that the write is complete.
        if (line == "VMC 0,0") {
            std::string error;
            if (!Save(&error)) {
                const std::lock_guard<std::mutex> lock(m_errorMutex);
                m_serveError = error;
            }
        }
    });
    std::string error;
    if (server.Run(m_stop.Get(), &error) == SimServer::End::Failed) {
        const std::lock_guard<std::mutex> lock(m_errorMutex);
        m_serveError = error;
    }
}

bool BuiltInRadio::Stop(std::string* error)
{
    if (!Running())
        return true;
    // An eventfd refuses a write only when its counter is full, which one
    // stop never makes it.
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_stop.Get(), &one, sizeof one);
    m_thread.join();
    std::string saveError;
    if (Save(&saveError))
        return true;
    if (error)
        *error = saveError;
    return false;
}

std::string BuiltInRadio::ServeError() const
{
    const std::lock_guard<std::mutex> lock(m_errorMutex);
    return m_serveError;
}

bool BuiltInRadio::Save(std::string* error)
{
    const std::string bytes = DataFile::WriteDataFile(m_radio.Memory());
    if (bytes == m_saved)
        return true;
    std::string why;
    if (!FileIo::WriteFileAtomically(m_memoryFile, bytes, &why)) {
        *error = "the simulated radio's memory cannot be kept in " + m_memoryFile + ": " + why;
        return false;
    }
    m_saved = bytes;
    return true;
}
