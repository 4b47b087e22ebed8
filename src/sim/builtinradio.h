#pragma once

#include "radiosim.h"
#include "simport.h"
#include "uniquefd.h"

#include <mutex>
#include <string>
#include <thread>

// The simulated radio inside this program: a RadioSim on its own
// pseudo-terminal, served by a thread of its own (SimServer) while the
// object lives, so the desktop program and the command-line tool can read
// and write a radio without any hardware, through the same serial port
// component as a real cable.
//
// Its memory lives in a data file: read when it starts (a missing file
// gives a fresh radio with a few channels to look at), written back after
// every completed write to the radio ("VMC 0,0") and when it stops, so it
// is the same radio from one run to the next. A file that is there but
// cannot be read stops it from starting rather than being overwritten.
//
// Threads: Start and Stop on the owner's thread; the serving thread alone
// touches the RadioSim until Stop has joined it.
class BuiltInRadio
{
public:
    explicit BuiltInRadio(std::string memoryFile);
    ~BuiltInRadio();
    BuiltInRadio(const BuiltInRadio&) = delete;
    BuiltInRadio& operator=(const BuiltInRadio&) = delete;

    // False, with the reason in *error, when the memory cannot be read or
    // no pseudo-terminal can be had. Nothing if already running.
    bool Start(std::string* error);
    // Stops serving and writes the memory back; false, with the reason,
    // when that write failed. Nothing if not running.
    bool Stop(std::string* error);

    bool Running() const { return m_thread.joinable(); }
    // The device a program opens to talk to the radio, while running.
    const std::string& DevicePath() const { return m_port.DevicePath(); }
    const std::string& MemoryFile() const { return m_memoryFile; }
    // Why it stopped answering or could not keep its memory after a write,
    // or empty.
    std::string ServeError() const;
    // Why a fresh radio's memory could not be written when it started (a
    // link to nothing, a folder without write permission), or empty. The
    // radio runs all the same; only what is written to it will be lost.
    const std::string& KeepError() const { return m_keepError; }

    // The channels a fresh radio starts with.
    static void FillFresh(ChannelDocument& memory);

private:
    void Serve();
    // On the serving thread, or after it has ended.
    bool Save(std::string* error);

    std::string m_memoryFile;
    RadioSim m_radio;
    SimPort m_port;
    UniqueFd m_stop;
    std::thread m_thread;
    std::string m_saved; // the file's bytes as last written or read
    std::string m_keepError;
    mutable std::mutex m_errorMutex;
    std::string m_serveError;
};
