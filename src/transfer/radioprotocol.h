#pragma once

#include "channeldocument.h"

#include <cstddef>
#include <string>
#include <string_view>

class BandPlan;

// The radio's command lines and replies: how a slot is named on the line,
// what each command looks like, how many leading reply characters only
// echo the command, and how replies become channel records and records
// become commands. The order of the commands is the transfers' business
// (ReadTransfer, WriteTransfer); nothing here keeps state.
//
// Command lines are returned without their carriage return.
namespace RadioProtocol {

constexpr const char* RadioId = "QZ-R46";
// The write transfer compares the whole identity line, echo included.
constexpr const char* IdentityLine = "ID QZ-R46";
constexpr const char* HelloCommand = "AI 0";
constexpr const char* IdentityCommand = "ID";
constexpr const char* RadioTypeCommand = "TYD";
constexpr const char* BandLimitsCommand = "FL";
constexpr const char* ClosingCommand = "VMC 0,0";

constexpr const char* PortInvalidMessage = "COM port is invalid.\nPlease check and try again.";
constexpr const char* RadioInvalidMessage = "The radio is invalid.\nPlease check and try again.";
constexpr const char* TimeoutMessage = "Communication timeout error.";

// A reply must come within this long of its command; there are no retries.
constexpr int ReplyTimeoutMs = 2000;
// Cancel waits this long for the outstanding reply before it ends anyway.
constexpr int CancelDelayMs = 300;
// The end of a transfer's progress. A write runs 0..220 through the memory
// slots, then one step for each CALL slot, VFO slot and DTMF memory; a read
// runs through its share of the replies taken.
constexpr int ProgressMaximum = 237;

// A reply keeps at most this many characters after its echo; the record
// slots hold no more, so the rest could only be cut later.
constexpr std::size_t ReplyCapacity = 99;
// The identity reply of the write transfer, echo included.
constexpr std::size_t IdentityCapacity = 19;

constexpr int MemoryChannels = RecordLayout::MemorySlot::ChannelCount;
constexpr int ScanSlots = RecordLayout::MemorySlot::ScanEdgeCount;
constexpr int PrioritySlot = RecordLayout::MemorySlot::Priority;

// Echo lengths: the leading characters of a reply that repeat the command.
constexpr std::size_t HelloEcho = 3;
constexpr std::size_t IdentityEcho = 3;
constexpr std::size_t RadioTypeEcho = 4;
constexpr std::size_t BandLimitsEcho = 3;
constexpr std::size_t MainEcho = 7; // "MR 0,0,": the label stays
constexpr std::size_t CallEcho = 7; // "CR n,m,"
constexpr std::size_t VfoEcho = 3;  // "VR ": the band code stays
constexpr std::size_t PowerEcho = 5;
constexpr std::size_t DtmfEcho = 3; // "DM ": the memory number stays
// "MR 0,1,000," vs "MR 0,1,L0,": the label length differs.
std::size_t TransmitEcho(int slot);
// "MNA 0,000," vs "MNA 0,L0,".
std::size_t NameEcho(int slot);

// The reply as the transfers use it: control characters (carriage return,
// line feed, TAB, NUL and the rest below 32) dropped, then the first `echo`
// characters dropped, then at most `capacity` characters kept. A reply
// shorter than its echo gives "". A line feed or TAB kept in a record would
// break the data file's lines and fields, and a NUL would end the slot
// text early.
std::string ReplyText(std::string_view reply, std::size_t echo, std::size_t capacity = ReplyCapacity);

// The reply text without the blanks that pad its end: line noise (no
// field the radio sends ends in a blank, and a name's trailing blanks do
// not show), which would otherwise stay in the record and make it differ
// from the radio's. A text of blanks alone is kept: for a name it means
// "no name", which the name rules decide.
std::string_view WithoutPadding(std::string_view text);

// A line with nothing in it but control characters, such as a lone
// carriage return: line noise, never the reply to a command. Taking it as
// one would put every later reply in the wrong slot.
bool IsStrayLine(std::string_view line);
// Whether a line from the radio can be the reply to `command`, whose reply
// repeats `echo` leading characters: it is not a stray line, and when it is
// at least as long as the echo it begins with the command's own text, as
// far as the echo goes. Shorter lines are replies: the radio refuses with
// "N" or "?".
bool IsReplyTo(std::string_view line, std::string_view command, std::size_t echo);

// "000".."199", "L0","U0",..,"L9","U9", "PR".
std::string SlotLabel(int slot);
// VFO slots 0..4 are the band codes '1','2','5','6','8'.
char VfoBandCode(int vfoSlot);

// The radio spells the DTMF digits "*" and "#" as "E" and "F".
std::string DtmfFromRadio(std::string_view text);
std::string DtmfToRadio(std::string_view text);

// The offset a channel read without one gets: 0.6 MHz below 300 MHz (third
// digit of the 11-digit frequency below "3"), else 1.6 MHz on variant "3"
// radios and 5 MHz on the others.
std::string DefaultOffset(std::string_view frequency, const BandPlan& plan);

// --- Reading ---

std::string MemoryMainCommand(int slot);             // "MR 0,0,<label>"
std::string MemoryTransmitCommand(int slot);         // "MR 0,1,<label>"
std::string MemoryNameCommand(int slot);             // "MNA 0,<label>"
std::string CallReadCommand(int callSlot, int part); // "CR n,0" / "CR n,1"
std::string VfoReadCommand(int vfoSlot);             // "VR <code>"
std::string PowerReadCommand(int vfoSlot);           // "PC 0" for slot 1, "PC 1" for slot 3
std::string DtmfReadCommand(int index);              // "DM 0n"

// A main reply text of fewer than 5 characters is an empty slot.
bool IsEmptyMainReply(std::string_view text);
// The label and fields 1..12 of a main reply, an empty offset (field 11)
// filled in with DefaultOffset. A reply that stops before field 11 is
// kept as it is.
std::string MemoryRecordStart(std::string_view mainText, const BandPlan& plan);
// Fields 13..16 from the transmit reply, up to where the name begins.
std::string MemoryTransmitPart(int slot, std::string_view transmitText);
// Field 17: a name reply beginning with seven blanks is no name. Memory
// channels bring the two commas before the name themselves; scan and
// priority slots had them from their transmit part.
std::string MemoryNamePart(int slot, std::string_view nameText);

// "n," and the CALL main reply; a record that stops before field 11 gets
// the default offset appended.
std::string CallRecordStart(int callSlot, std::string_view mainText, const BandPlan& plan);
std::string CallTransmitPart(std::string_view transmitText);

// VFO record of slots 0, 2, 4 (no power field), and of slots 1 and 3 with
// the power reply as field 16.
std::string VfoRecord(std::string_view vfoText);
// The VFO reply text (band code and fields 1..11) under the band code of the
// slot that was asked for, whatever code the reply carried: a record is
// loaded into the slot its code names, so a reply without one, or with
// another band's, must not move it. A reply without fields gives the code
// and empty fields.
std::string VfoTextOfSlot(int vfoSlot, std::string_view vfoText);
std::string VfoRecordWithPower(std::string_view vfoText, std::string_view powerText);

// --- Writing ---
//
// Fields are sent as stored, except that control characters are left out:
// a carriage return inside a field would end the command early and the
// radio would act on the rest as a command of its own.

// Field n of a slot as it goes on the line; the transfers test these for
// emptiness, so a field of control characters alone counts as empty.
std::string SendableField(const ChannelDocument& doc, RecordKind kind, int slot, int field);

// "MW 0,0,<label>,f1,..,f12", or "MW 0,0,<label>" alone for a slot whose
// field 1 is empty.
std::string MemoryWriteCommand(const ChannelDocument& doc, int slot);
// "MW 0,1,<label>,f14,f15"
std::string MemoryTransmitWriteCommand(const ChannelDocument& doc, int slot);
// "MNA 0,<label>,f17"; the comma stays when the name is empty.
std::string MemoryNameWriteCommand(const ChannelDocument& doc, int slot);
// "CW <f0>,0,f1,..,f11" and "CW <f0>,1,f14,f15"
std::string CallWriteCommand(const ChannelDocument& doc, int callSlot);
std::string CallTransmitWriteCommand(const ChannelDocument& doc, int callSlot);
// "VW <f0>,f1,..,f11"
std::string VfoWriteCommand(const ChannelDocument& doc, int vfoSlot);
// "PC 0,<f16 of VFO slot 1>" / "PC 1,<f16 of VFO slot 3>"
std::string PowerWriteCommand(const ChannelDocument& doc, int vfoSlot);
// "DM <f0>,<f1 with * and # as E and F>"
std::string DtmfWriteCommand(const ChannelDocument& doc, int index);

} // namespace RadioProtocol
