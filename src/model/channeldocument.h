#pragma once

#include "bandplan.h"
#include "fileio.h"
#include "fixedtext.h"
#include "recordlayout.h"

#include <string>
#include <string_view>

// The record kinds, numbered as the program has always numbered them.
enum class RecordKind {
    Memory = 1,
    Vfo = 2,
    Call = 3,
    Dtmf = 4,
    RadioType = 5,
    BandLimit = 6,
    PasteBuffer = 7,
    LineBuffer = 8,
};

// The one document: every channel slot of the radio plus the comment and the
// band plan. Slots are fixed-size texts; storing into a slot cuts the text to
// the slot, and a slot number out of range is ignored on store and reads as
// an empty slot, so no caller can write outside the document.
//
// A slot whose text is shorter than 2 characters is empty for display.
class ChannelDocument
{
public:
    static constexpr int MemorySlots = RecordLayout::MemorySlot::Count;
    static constexpr int CallSlots = 2;
    static constexpr int VfoSlots = 5;
    static constexpr int DtmfSlots = 10;
    static constexpr std::size_t RecordCapacity = 99;
    static constexpr std::size_t DtmfCapacity = 19;

    ChannelDocument();

    // Field n (0..18) of the slot's record; "" when absent.
    std::string GetField(RecordKind kind, int slot, int field) const;
    // The slot's whole record text.
    std::string_view Record(RecordKind kind, int slot) const;

    void StoreMemory(int slot, std::string_view record);
    void StoreCall(int slot, std::string_view record);
    void StoreVfo(int slot, std::string_view record);
    void StoreDtmf(int slot, std::string_view record);
    void StoreRadioType(std::string_view record);
    void StorePasteBuffer(std::string_view text);
    void StoreLineBuffer(std::string_view text);
    std::string ReadMemory(int slot) const;

    void ClearMemory(int slot);
    void ClearDtmf(int slot);

    // Empties every memory, CALL, VFO and DTMF slot, then applies the band
    // defaults of the current radio type. The radio type, band limits, the
    // paste buffer and the comment are kept.
    void ClearDocument();
    // Fills the VFO and CALL slots with the defaults of the radio type.
    void ApplyBandDefaults();
    void StoreBandLimits(std::string_view answer) { m_plan.StoreBandLimits(answer); }

    // The comment is kept as the bytes of the user's code page (936); the
    // core never re-encodes it. It is bounded so that a document with every
    // slot full still writes a file the readers take back (the readers
    // refuse a file with a longer comment; this bound only guards callers
    // that bypass them).
    static constexpr std::size_t CommentCapacity = FileIo::MaxFileSize - 64 * 1024;
    const std::string& Comment() const { return m_comment; }
    void SetComment(std::string bytes)
    {
        if (bytes.size() > CommentCapacity)
            bytes.resize(CommentCapacity);
        m_comment = std::move(bytes);
    }

    BandPlan& Plan() { return m_plan; }
    const BandPlan& Plan() const { return m_plan; }

    // VFO slot of a VFO band code: "1"->0, "2"->1, "5"->2, "6"->3, else 4.
    static int VfoSlotOfCode(char code);
    static char VfoCodeOfSlot(int slot);

private:
    FixedText<100> m_memory[MemorySlots];
    FixedText<100> m_call[CallSlots];
    FixedText<100> m_vfo[VfoSlots];
    FixedText<20> m_dtmf[DtmfSlots];
    FixedText<100> m_pasteBuffer;
    FixedText<100> m_lineBuffer;
    std::string m_comment;
    BandPlan m_plan;
};
