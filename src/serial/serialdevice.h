#pragma once

#include "exclusiveclaim.h"
#include "savedtermios.h"
#include "uniquefd.h"

#include <memory>
#include <string>

// An opened serial device: the descriptor, the exclusive claim on it and
// the settings it had. Members are declared so that destruction restores
// the settings first, then releases the claim, then closes the descriptor.
class SerialDevice
{
public:
    // Opens the device non-blocking, without making it our controlling
    // terminal, claims it exclusively and remembers its settings. Nothing on
    // failure, with the reason in *error.
    static std::unique_ptr<SerialDevice> Open(const std::string& path, std::string* error);

    // Whether Open() would get the device now. Changes nothing on it.
    static bool Probe(const std::string& path, std::string* error);

    int Fd() const { return m_fd.Get(); }

private:
    SerialDevice() = default;

    UniqueFd m_fd;
    ExclusiveClaim m_claim;
    SavedTermios m_saved;
};
