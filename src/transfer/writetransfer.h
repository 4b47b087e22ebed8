#pragma once

#include "radiotransfer.h"

#include <string>
#include <string_view>

class ChannelDocument;

// Writes a document into the radio, one command at a time.
//
// Principles of operation
//
// Like ReadTransfer, a state machine without I/O or clock: Start() gives
// "AI 0", and each OnReply() gives the next command line, or the end. The
// replies are not looked at except the one to "ID", which must be exactly
// "ID QZ-R46" (kept to 19 characters, so a longer line cannot match), and
// the caller discards whatever else waits in the input queue after each
// reply.
//
// The steps, in order, each sent only when the document has something for
// it (a step whose condition fails is passed over at once, without a
// command):
//   memory slots 0..220: main command always ("MW 0,0,<label>" alone for a
//     slot without frequency, which ends the slot); then the transmit
//     command if field 14 is set; then the name command (memory channels
//     always, scan and priority slots only with a name);
//   CALL slots 0, 1: main if field 1 is set, transmit if field 14 is set;
//   VFO slots 0..4: "VW" if field 1 is set, and after slots 1 and 3 their
//     power ("PC 0," / "PC 1,");
//   DTMF memories 0..9: if the code is set;
//   "VMC 0,0" once, and the transfer ends at its reply.
//
// The document is only read; it must not change while the transfer runs
// (the dialog is modal). Fields go on the line as stored, less any control
// characters (see RadioProtocol).
//
// Progress runs 0..237: the slot index as each memory slot ends (220 after
// "PR"), then one step for each CALL slot, VFO slot and DTMF memory left,
// sent or passed over.
class WriteTransfer : public RadioTransfer
{
public:
    // The document is the caller's and must outlive the transfer.
    explicit WriteTransfer(const ChannelDocument& doc);

    TransferStep Start() override;
    // The reply to the command sent last. A stray line (nothing but a line
    // end) is not a reply and gives Wait. After the transfer has finished
    // or failed, replies are ignored and Finish is returned.
    TransferStep OnReply(std::string_view reply) override;

    int Progress() const override { return m_progress; }
    bool DiscardsAfterReply() const override { return true; }
    bool Running() const { return m_last != Step::Idle && m_last != Step::Ended; }

private:
    enum class Step {
        Idle,
        Hello,
        Identity,
        EmptySlot, // a memory main command without data: the slot ends
        MemoryMain,
        MemoryTransmit,
        MemoryName,
        CallMain,
        CallTransmit,
        Vfo,
        Power,
        Dtmf,
        Closing,
        Ended,
    };

    TransferStep Send(Step step, std::string line);
    TransferStep MemorySlotFrom(int slot);
    TransferStep MemoryNameOrEnd();
    TransferStep EndMemorySlot();
    TransferStep CallSlotFrom(int callSlot);
    TransferStep LeaveCallSlot();
    TransferStep VfoSlotFrom(int vfoSlot);
    TransferStep LeaveVfoSlot();
    TransferStep DtmfFrom(int index);

    const ChannelDocument& m_doc;
    Step m_last = Step::Idle;
    int m_slot = 0; // memory slot 0..220, then DTMF memory 0..9
    int m_band = 0; // CALL slot 0..1, then VFO slot 0..4
    int m_progress = 0;
};
