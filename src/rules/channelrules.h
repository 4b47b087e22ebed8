#pragma once

#include "channelform.h"

#include <string>
#include <string_view>
#include <vector>

class BandPlan;
class ChannelDocument;

// Record texts to editor forms and back, for the memory, VFO and CALL
// editors. Loading never fails: empty or damaged fields take the defaults
// of the band. Storing fails only for a frequency or offset text with more
// than one "." (or a character no key filter lets through, as a damaged
// record can hold), and only in a box the layout shows; everything else is
// coerced: fitted to the band and the step, with the rounded flag telling
// the caller to say "Frequency is rounded.", and a -7.6 MHz shift the
// receive band cannot have stored as simplex.
//
// The Store functions write the record into the document; the caller marks
// the document changed and redraws the grids.
namespace ChannelRules {

enum class Outcome { Done, BadFrequency, BadOffset };

struct StoreResult {
    Outcome outcome = Outcome::Done;
    int rxStep = 0; // fitted step indices, for the step lists
    int txStep = 0;
    bool rounded = false;
};

struct EntryResult {
    Outcome outcome = Outcome::Done;
    ChannelForm form; // the form with the fitted texts; unchanged on failure
    bool rounded = false;
};

// Memory channel slot 0..220.
ChannelForm LoadChannel(const ChannelDocument& doc, int slot);
StoreResult StoreChannel(ChannelDocument& doc, int slot, const ChannelForm& form);
// The record StoreChannel would store, without storing it: `record` is set
// only when the outcome is Done.
StoreResult ChannelRecord(const ChannelDocument& doc, int slot, const ChannelForm& form, std::string* record);
// Enter in a frequency or offset box: fits what was typed and shows it,
// storing nothing.
EntryResult ApplyChannelEntry(const BandPlan& plan, const ChannelForm& form);

// VFO of band 0..4 (which is also its VFO slot).
ChannelForm LoadBand(const ChannelDocument& doc, int band);
StoreResult StoreBand(ChannelDocument& doc, int band, const ChannelForm& form);
EntryResult ApplyBandEntry(const BandPlan& plan, int band, const ChannelForm& form);
// The bands the VFO selector lists, in its order.
std::vector<int> VfoBands(const BandPlan& plan);

// CALL channel 0 (144 MHz) or 1 (430/440 MHz).
ChannelForm LoadCall(const ChannelDocument& doc, int channel);
StoreResult StoreCall(ChannelDocument& doc, int channel, const ChannelForm& form);
EntryResult ApplyCallEntry(const BandPlan& plan, int channel, const ChannelForm& form);
// The band a CALL channel's receive frequency is fitted to: its own band,
// or a neighbour the radio lets that channel reach.
int CallBand(const BandPlan& plan, int channel, int workingFrequency);

// DTMF memory record "0n,CODE"; the code is cut to the 16 keys a memory holds.
std::string DtmfRecord(int index, std::string_view code);

} // namespace ChannelRules
