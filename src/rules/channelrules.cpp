#include "channelrules.h"

#include "channeldocument.h"
#include "frequencyrules.h"
#include "recordlayout.h"
#include "recordtext.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace ChannelRules {

namespace {

using FrequencyRules::FitToBand;
using FrequencyRules::RecordFrequency;
using FrequencyRules::RecordOffset;
using namespace RecordLayout;

constexpr std::size_t kDtmfLength = 16;

// A damaged step field (from a hand-edited file) takes the band's default
// rather than an index outside the step list.
int StepIndexOf(std::string_view field, int fallback)
{
    const auto index = RecordText::DecimalValue(field, 9);
    return index ? *index : fallback;
}

const char* Flag(bool on)
{
    return on ? "1" : "0";
}

const char* ShiftCode(ShiftMode shift)
{
    switch (shift) {
    case ShiftMode::Plus: return "1";
    case ShiftMode::Minus: return "2";
    case ShiftMode::Minus76: return "3";
    default: return "0";
    }
}

ShiftMode ShiftOfCode(std::string_view code)
{
    if (code == "1")
        return ShiftMode::Plus;
    if (code == "2")
        return ShiftMode::Minus;
    if (code == "3")
        return ShiftMode::Minus76;
    return ShiftMode::Simplex;
}

// Band of a working frequency, read from its MHz digits as BandOf expects.
int BandOfWorking(const BandPlan& plan, std::int32_t hz)
{
    return plan.BandOf(std::string_view(RecordFrequency(hz)).substr(2));
}

std::string DisplayFrequency(std::int32_t hz)
{
    return RecordText::FormatFrequency(RecordFrequency(hz));
}
std::string DisplayOffset(std::int32_t hz)
{
    return RecordText::FormatOffset(RecordOffset(hz));
}

class RecordFields
{
public:
    RecordFields(const ChannelDocument& doc, RecordKind kind, int slot) : m_doc(doc), m_kind(kind), m_slot(slot) {}
    std::string operator()(int n) const { return m_doc.GetField(m_kind, m_slot, n); }

private:
    const ChannelDocument& m_doc;
    RecordKind m_kind;
    int m_slot;
};

// The parts of a memory or CALL record that the two editors load alike.
void LoadCommon(const BandPlan& plan, const RecordFields& field, int defaultBand, bool splitAllowed, ChannelForm* form)
{
    const std::string rx = field(ChannelField::RxFrequency);
    form->rx = rx.empty() ? plan.DefaultFrequencyText(defaultBand) : RecordText::FormatFrequency(rx);
    form->rxStep = StepIndexOf(field(ChannelField::Step), plan.DefaultStepIndex(defaultBand));

    form->shift = ShiftOfCode(field(ChannelField::Shift));
    form->tx = form->rx;
    form->txStep = form->rxStep;
    const std::string tx = field(ChannelField::TxFrequency);
    if (splitAllowed && form->shift == ShiftMode::Simplex && !tx.empty()) {
        form->shift = ShiftMode::Split;
        form->tx = RecordText::FormatFrequency(tx);
        form->txStep = StepIndexOf(field(ChannelField::TxStep), form->rxStep);
    }

    form->reverseEnabled = !form->Split();
    form->reverse = !form->Split() && field(ChannelField::Reverse) == "1";
    form->ctcss = field(ChannelField::Ctcss) == "1";
    // A record with both tone and CTCSS on is shown as the radio acts on it.
    form->tone = field(ChannelField::Tone) == "1" && !form->ctcss;
    form->toneIndex = FrequencyRules::ToneIndex(field(ChannelField::ToneCode));
    form->ctcssIndex = FrequencyRules::ToneIndex(field(ChannelField::CtcssCode));
    form->minus76Visible = plan.Minus76Offered();
}

// The band a CALL channel's defaults come from: 144 MHz for channel 0,
// 430/440 MHz for channel 1.
int CallHomeBand(int channel)
{
    return channel == 0 ? 1 : 3;
}

std::string OffsetTextOrDefault(const std::string& recordOffset, int band)
{
    if (recordOffset.empty())
        return BandPlan::EditorOffsetText(band);
    return RecordText::FormatOffset(recordOffset);
}

struct Normalized {
    Outcome outcome = Outcome::Done;
    std::int32_t rx = 0;
    std::int32_t tx = 0;
    // Empty when the offset box is hidden (split) and holds no offset.
    std::optional<std::int32_t> offset;
};

// Only the boxes the user can see are checked: the transmit box is hidden
// unless the channel is split (the radio then sends on the receive
// frequency), and the offset box is hidden when it is split.
Normalized Normalize(const ChannelForm& form)
{
    Normalized n;
    const auto rx = FrequencyRules::NormalizeFrequency(form.rx);
    const auto tx = form.Split() ? FrequencyRules::NormalizeFrequency(form.tx) : rx;
    if (!rx || !tx) {
        n.outcome = Outcome::BadFrequency;
        return n;
    }
    n.offset = FrequencyRules::NormalizeOffset(form.offset);
    if (!n.offset && !form.Split()) {
        n.outcome = Outcome::BadOffset;
        return n;
    }
    n.rx = *rx;
    n.tx = *tx;
    return n;
}

// The radio has no -7.6 MHz shift below 300 MHz where it offers the shift
// at all; such a choice falls back to simplex, as Enter shows it.
ShiftMode AvailableShift(const BandPlan& plan, ShiftMode shift, int rxBand)
{
    if (shift == ShiftMode::Minus76 && plan.Minus76Offered() && !FrequencyRules::Minus76Enabled(plan, rxBand))
        return ShiftMode::Simplex;
    return shift;
}

// The offset a split channel keeps when its hidden offset box holds no
// offset: the one the record has, or the band's default.
std::int32_t KeptOffset(const RecordFields& field, int band)
{
    return FrequencyRules::NormalizeOffset(OffsetTextOrDefault(field(ChannelField::Offset), band)).value_or(0);
}

// Memory and CALL records share everything but the slot key, lock-out and
// name; `lockout` and `name` are empty for a CALL record.
StoreResult BuildChannelRecord(const BandPlan& plan, const ChannelForm& form, int rxBandOverride,
                               std::int32_t keptOffset, std::string key, std::string lockout, std::string name,
                               std::string* record)
{
    StoreResult result;
    const Normalized n = Normalize(form);
    if (n.outcome != Outcome::Done) {
        result.outcome = n.outcome;
        return result;
    }
    const int rxBand = rxBandOverride >= 0 ? rxBandOverride : BandOfWorking(plan, n.rx);
    const ShiftMode shift = AvailableShift(plan, form.shift, rxBand);
    const FrequencyRules::Fit rx = FitToBand(n.rx, rxBand, form.rxStep, plan);
    result.rxStep = rx.stepIndex;
    result.txStep = form.txStep;
    result.rounded = rx.rounded;

    std::string txText, txStep;
    if (form.Split()) {
        const FrequencyRules::Fit tx = FitToBand(n.tx, BandOfWorking(plan, n.tx), form.txStep, plan);
        result.txStep = tx.stepIndex;
        result.rounded = result.rounded || tx.rounded;
        txText = RecordFrequency(tx.frequency);
        txStep = std::to_string(tx.stepIndex);
    }
    ChannelFields f;
    f[ChannelField::Key] = std::move(key);
    f[ChannelField::RxFrequency] = RecordFrequency(rx.frequency);
    f[ChannelField::Step] = std::to_string(rx.stepIndex);
    f[ChannelField::Shift] = ShiftCode(shift);
    f[ChannelField::Reverse] = Flag(form.reverse && !form.Split());
    f[ChannelField::Tone] = Flag(form.tone);
    f[ChannelField::Ctcss] = Flag(form.ctcss);
    f[ChannelField::ToneCode] = FrequencyRules::ToneCode(form.toneIndex);
    f[ChannelField::CtcssCode] = FrequencyRules::ToneCode(form.ctcssIndex);
    f[ChannelField::Offset] = RecordOffset(n.offset.value_or(keptOffset));
    f[ChannelField::Lockout] = std::move(lockout);
    f[ChannelField::TxFrequency] = std::move(txText);
    f[ChannelField::TxStep] = std::move(txStep);
    f[ChannelField::Name] = std::move(name);
    *record = Join(f);
    return result;
}

// The start of every Enter: the form as typed, and false with the refusal
// when a box the user can see does not hold a number.
bool StartEntry(const ChannelForm& form, EntryResult* result, Normalized* n)
{
    result->form = form;
    *n = Normalize(form);
    result->outcome = n->outcome;
    return n->outcome == Outcome::Done;
}

// Enter in a memory or CALL editor's frequency or offset box.
EntryResult ApplyChannelLikeEntry(const BandPlan& plan, const ChannelForm& form, int rxBandOverride, bool minus76Rule)
{
    EntryResult result;
    Normalized n;
    if (!StartEntry(form, &result, &n))
        return result;
    ChannelForm& out = result.form;
    const int rxBand = rxBandOverride >= 0 ? rxBandOverride : BandOfWorking(plan, n.rx);
    const FrequencyRules::Fit rx = FitToBand(n.rx, rxBand, form.rxStep, plan);
    out.rx = DisplayFrequency(rx.frequency);
    out.rxStep = rx.stepIndex;
    result.rounded = rx.rounded;

    if (minus76Rule) {
        out.minus76Enabled = FrequencyRules::Minus76Enabled(plan, rxBand);
        out.shift = AvailableShift(plan, out.shift, rxBand);
    }

    if (out.Split()) {
        const FrequencyRules::Fit tx = FitToBand(n.tx, BandOfWorking(plan, n.tx), form.txStep, plan);
        out.tx = DisplayFrequency(tx.frequency);
        out.txStep = tx.stepIndex;
        result.rounded = result.rounded || tx.rounded;
    } else {
        out.tx = out.rx;
        out.txStep = out.rxStep;
    }
    if (n.offset)
        out.offset = DisplayOffset(*n.offset);
    return result;
}

} // namespace

ChannelForm LoadChannel(const ChannelDocument& doc, int slot)
{
    const BandPlan& plan = doc.Plan();
    const RecordFields field(doc, RecordKind::Memory, slot);
    ChannelForm form;
    LoadCommon(plan, field, 1, true, &form);
    form.offset = OffsetTextOrDefault(field(ChannelField::Offset), plan.BandOf(form.rx));
    // The transmit box holds the receive text unless split, so this tests
    // the frequency the radio sends on.
    form.minus76Enabled = form.minus76Visible && !form.tx.empty() && form.tx[0] > '2';
    form.lockoutEnabled = MemorySlot::IsChannel(slot);
    form.lockout = form.lockoutEnabled && field(ChannelField::Lockout) == "1";
    form.name = field(ChannelField::Name);
    return form;
}

StoreResult StoreChannel(ChannelDocument& doc, int slot, const ChannelForm& form)
{
    std::string record;
    const StoreResult result = ChannelRecord(doc, slot, form, &record);
    if (result.outcome == Outcome::Done)
        doc.StoreMemory(slot, record);
    return result;
}

StoreResult ChannelRecord(const ChannelDocument& doc, int slot, const ChannelForm& form, std::string* record)
{
    const BandPlan& plan = doc.Plan();
    const RecordFields field(doc, RecordKind::Memory, slot);
    // A name loaded longer than the radio's six characters is not cut: the
    // name box lets it be edited within its loaded length.
    const std::size_t nameLength = std::max(ChannelName::Length, field(ChannelField::Name).size());
    std::string name = form.name.substr(0, nameLength);
    const std::string lockout = Flag(form.lockout && MemorySlot::IsChannel(slot));
    return BuildChannelRecord(plan, form, -1, KeptOffset(field, plan.BandOf(form.rx)), RecordText::ChannelLabel(slot),
                              lockout, std::move(name), record);
}

EntryResult ApplyChannelEntry(const BandPlan& plan, const ChannelForm& form)
{
    return ApplyChannelLikeEntry(plan, form, -1, true);
}

ChannelForm LoadBand(const ChannelDocument& doc, int band)
{
    const BandPlan& plan = doc.Plan();
    const RecordFields field(doc, RecordKind::Vfo, band);
    ChannelForm form;
    LoadCommon(plan, field, band, false, &form);
    form.offset = OffsetTextOrDefault(field(ChannelField::Offset), band);
    form.minus76Enabled = form.minus76Visible && band >= 2;
    form.lockoutEnabled = false;
    form.powerEnabled = band == 1 || band == 3;
    if (form.powerEnabled) {
        const auto code = RecordText::DecimalValue(field(ChannelField::Power), 9);
        form.power = (code && *code > 0 && *code - 1 < 3) ? *code - 1 : 0;
    }
    return form;
}

StoreResult StoreBand(ChannelDocument& doc, int band, const ChannelForm& form)
{
    StoreResult result;
    const BandPlan& plan = doc.Plan();
    const Normalized n = Normalize(form);
    if (n.outcome != Outcome::Done) {
        result.outcome = n.outcome;
        return result;
    }
    // A frequency typed outside the band is clamped into it: each VFO
    // belongs to its band.
    const FrequencyRules::Fit rx = FitToBand(n.rx, band, form.rxStep, plan);
    result.rxStep = rx.stepIndex;
    result.txStep = form.txStep;
    result.rounded = rx.rounded;

    static const char* const kPowerCodes[] = {"0", "2", "3"};
    std::string power;
    if (band == 1 || band == 3)
        power = kPowerCodes[(form.power >= 0 && form.power < 3) ? form.power : 0];
    const ShiftMode shift = form.Split() ? ShiftMode::Simplex : AvailableShift(plan, form.shift, band);
    ChannelFields f;
    f[ChannelField::Key] = std::string(1, ChannelDocument::VfoCodeOfSlot(band));
    f[ChannelField::RxFrequency] = RecordFrequency(rx.frequency);
    f[ChannelField::Step] = std::to_string(rx.stepIndex);
    f[ChannelField::Shift] = ShiftCode(shift);
    f[ChannelField::Reverse] = Flag(form.reverse);
    f[ChannelField::Tone] = Flag(form.tone);
    f[ChannelField::Ctcss] = Flag(form.ctcss);
    f[ChannelField::ToneCode] = FrequencyRules::ToneCode(form.toneIndex);
    f[ChannelField::CtcssCode] = FrequencyRules::ToneCode(form.ctcssIndex);
    f[ChannelField::Offset] = RecordOffset(n.offset.value_or(0));
    f[ChannelField::Power] = power;
    const std::string record = Join(f);
    doc.StoreVfo(band, record);
    return result;
}

EntryResult ApplyBandEntry(const BandPlan& plan, int band, const ChannelForm& form)
{
    EntryResult result;
    Normalized n;
    if (!StartEntry(form, &result, &n))
        return result;
    const FrequencyRules::Fit rx = FitToBand(n.rx, band, form.rxStep, plan);
    result.form.rx = DisplayFrequency(rx.frequency);
    result.form.rxStep = rx.stepIndex;
    result.form.offset = DisplayOffset(n.offset.value_or(0));
    result.rounded = rx.rounded;
    return result;
}

std::vector<int> VfoBands(const BandPlan& plan)
{
    std::vector<int> bands;
    for (int band = 0; band < BandPlan::BandCount; ++band) {
        if (plan.BandExists(band))
            bands.push_back(band);
    }
    return bands;
}

int CallBand(const BandPlan& plan, int channel, int workingFrequency)
{
    const int band = BandOfWorking(plan, workingFrequency);
    if (channel == 0)
        return band == 0 ? 0 : 1;
    if (band == 2 && plan.TypeFlag(5) == '1')
        return 2;
    if (band == 4 && plan.TypeFlag(6) == '1')
        return 4;
    return 3;
}

ChannelForm LoadCall(const ChannelDocument& doc, int channel)
{
    const BandPlan& plan = doc.Plan();
    const RecordFields field(doc, RecordKind::Call, channel);
    ChannelForm form;
    LoadCommon(plan, field, CallHomeBand(channel), true, &form);
    form.offset = OffsetTextOrDefault(field(ChannelField::Offset), CallHomeBand(channel));
    form.minus76Enabled = form.minus76Visible && channel == 1;
    form.lockoutEnabled = false;
    return form;
}

StoreResult StoreCall(ChannelDocument& doc, int channel, const ChannelForm& form)
{
    const BandPlan& plan = doc.Plan();
    const auto rx = FrequencyRules::NormalizeFrequency(form.rx);
    const int band = rx ? CallBand(plan, channel, *rx) : -1;
    const RecordFields field(doc, RecordKind::Call, channel);
    std::string record;
    const StoreResult result = BuildChannelRecord(plan, form, band, KeptOffset(field, CallHomeBand(channel)),
                                                  channel == 0 ? "0" : "1", "", "", &record);
    if (result.outcome == Outcome::Done)
        doc.StoreCall(channel, record);
    return result;
}

EntryResult ApplyCallEntry(const BandPlan& plan, int channel, const ChannelForm& form)
{
    const auto rx = FrequencyRules::NormalizeFrequency(form.rx);
    return ApplyChannelLikeEntry(plan, form, rx ? CallBand(plan, channel, *rx) : -1, false);
}

std::string DtmfRecord(int index, std::string_view code)
{
    std::string record = "0" + std::to_string(index) + ",";
    record += code.substr(0, kDtmfLength);
    return record;
}

} // namespace ChannelRules
