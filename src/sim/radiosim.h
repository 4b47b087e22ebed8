#pragma once

#include "channeldocument.h"

#include <string>
#include <string_view>
#include <vector>

// The simulated radio's memory and its command interpreter. The memory is
// held as the desktop program holds its document (same slots, same record
// texts), so a read gives back exactly what a write put in.
//
// Every reply repeats the head of its command (the command word and the
// parameters that address the slot), so the program can drop a fixed
// number of leading characters and find the data; a slot with nothing to
// report answers "N", a command the radio does not know "?". Write
// commands answer with their head alone.
class RadioSim
{
public:
    static constexpr const char* DefaultId = "QZ-R46";

    RadioSim();

    // Replaces the radio type and refills the VFO and CALL slots with its
    // defaults; the band limit answer follows the bands the type has unless
    // SetBandLimits gave one.
    void SetRadioType(std::string_view record);
    // The "FL" answer as the radio gives it ("00118,00135,00136,00173").
    void SetBandLimits(std::string answer) { m_bandLimits = std::move(answer); }
    std::string BandLimits() const;
    void SetId(std::string id) { m_id = std::move(id); }

    ChannelDocument& Memory() { return m_memory; }
    const ChannelDocument& Memory() const { return m_memory; }

    // The reply to one command line, both without their carriage return.
    std::string Answer(std::string_view command);

private:
    std::string MemoryRead(std::string_view head, const std::string& params) const;
    std::string MemoryWrite(std::string_view head, const std::string& params);
    std::string MemoryName(std::string_view head, const std::string& params);
    std::string CallRead(std::string_view head, const std::string& params) const;
    std::string CallWrite(std::string_view head, const std::string& params);
    std::string VfoRead(std::string_view head, const std::string& params) const;
    std::string VfoWrite(std::string_view head, const std::string& params);
    std::string Power(std::string_view head, const std::string& params);
    std::string Dtmf(std::string_view head, const std::string& params);
    // `record` stored into `slot` by `store` when the radio has room for
    // it: `reply`, else the refusal.
    std::string Keep(void (ChannelDocument::*store)(int, std::string_view), int slot, const std::string& record,
                     const std::string& reply);
    // The transmit frequency and step (the last two of `params`, from
    // `from` on) of a memory or CALL channel in use.
    std::string KeepTransmit(RecordKind kind, int slot, const std::vector<std::string>& params, std::size_t from,
                             const std::string& reply);

    ChannelDocument m_memory;
    std::string m_bandLimits;
    std::string m_id = DefaultId;
};
