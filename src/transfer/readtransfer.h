#pragma once

#include "fixedtext.h"
#include "radiotransfer.h"

#include <string>
#include <string_view>

class ChannelDocument;

// Reads the whole radio into a document, one command at a time.
//
// Principles of operation
//
// The transfer is a state machine with no I/O and no clock of its own.
// Start() gives the first command; the caller sends it, waits for the
// reply line (at most RadioProtocol::ReplyTimeoutMs) and hands each line
// that came to OnReply() (ReplyReader cuts them), which acts on the reply
// of the command sent last and says what to send next. Exactly one command is
// outstanding at any time, so the last command alone tells how to read the
// reply: how many echo characters to drop and where the text goes. A line
// that does not begin with that command's echo, or holds nothing but a
// line end, is not the reply and is passed over; the reply may still come.
//
// Order: "AI 0", "ID", "TYD", "FL"; each of the 221 memory slots with its
// main command and, when the slot holds a channel, its transmit and name
// commands; "CR n,0" and "CR n,1" for both CALL slots; "VR" for the five
// VFO bands with "PC 0"/"PC 1" after the 144 and 430/440 MHz bands; "DM 00"
// to "DM 09". A VFO record is stored under the code of the band asked for,
// whatever the reply says, so that it loads back into the same slot.
//
// The document is cleared at the first reply and every record is stored
// the moment it is complete, so a transfer that stops early (time-out,
// Cancel) leaves in the document exactly what was read. A channel record
// is assembled in a 99-character buffer from up to three replies; replies
// are cut to 99 characters after their echo, and a reply shorter than its
// echo reads as empty, so no reply can overrun anything.
//
// Progress runs 0..RadioProtocol::ProgressMaximum: the replies taken out
// of the commands known so far (every slot's main command, and the transmit
// and name commands of each channel found), so the bar moves with every
// reply from the first.
class ReadTransfer : public RadioTransfer
{
public:
    // The document is the caller's and must outlive the transfer.
    explicit ReadTransfer(ChannelDocument& doc);

    // Resets the transfer and returns the first command.
    TransferStep Start() override;
    // A line from the radio, as read from the port (control characters may
    // be included). A line that cannot be the reply to the command sent
    // last (RadioProtocol::IsReplyTo) changes nothing and gives Wait: the
    // reply is still to come, within the time the command was given. After
    // the transfer has finished or failed, lines are ignored and Finish is
    // returned.
    TransferStep OnReply(std::string_view reply) override;

    int Progress() const override { return m_progress; }
    bool DiscardsAfterReply() const override { return false; }
    // The document has been cleared: from here on it holds what was read.
    bool DocumentCleared() const { return m_cleared; }
    bool Running() const { return m_last != Step::Idle && m_last != Step::Ended; }

private:
    enum class Step {
        Idle,
        Hello,
        Identity,
        RadioType,
        BandLimits,
        MemoryMain,
        MemoryTransmit,
        MemoryName,
        CallMain,
        CallTransmit,
        Vfo,
        Power,
        Dtmf,
        Ended,
    };

    TransferStep Send(Step step, std::string line);
    // Acts on the reply to the command sent last, cut to its text.
    TransferStep Take(const std::string& text);
    TransferStep End(TransferStep result);
    TransferStep NextMemorySlot();
    TransferStep StoreMemoryRecord();
    TransferStep AfterVfoSlot();
    std::size_t EchoOf(Step step) const;

    ChannelDocument& m_doc;
    Step m_last = Step::Idle;
    std::string m_command; // as sent last: its reply begins with it
    int m_slot = 0;        // memory slot 0..220, then DTMF memory 0..9
    int m_band = 0;        // CALL slot 0..1, then VFO slot 0..4
    int m_progress = 0;
    int m_replies = 0;  // replies taken
    int m_commands = 0; // the commands the read will take, as far as known
    bool m_cleared = false;
    bool m_vfoKept = false; // the VFO reply is stored once its power is known
    FixedText<100> m_record;
};
