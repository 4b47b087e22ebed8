#include "documentdelta.h"

namespace {

struct KindRange {
    RecordKind kind;
    int count;
};

constexpr KindRange kSlotKinds[] = {
    {RecordKind::Memory, ChannelDocument::MemorySlots},
    {RecordKind::Call, ChannelDocument::CallSlots},
    {RecordKind::Vfo, ChannelDocument::VfoSlots},
    {RecordKind::Dtmf, ChannelDocument::DtmfSlots},
};

bool SamePlan(const BandPlan& a, const BandPlan& b)
{
    if (a.RadioType() != b.RadioType())
        return false;
    for (int band = 0; band < BandPlan::BandCount; ++band)
        if (a.LimitRecord(band) != b.LimitRecord(band))
            return false;
    return true;
}

void Store(ChannelDocument& doc, RecordKind kind, int slot, const std::string& text)
{
    switch (kind) {
    case RecordKind::Memory: doc.StoreMemory(slot, text); break;
    case RecordKind::Call: doc.StoreCall(slot, text); break;
    case RecordKind::Vfo: doc.StoreVfo(slot, text); break;
    case RecordKind::Dtmf: doc.StoreDtmf(slot, text); break;
    default: break;
    }
}

} // namespace

DocumentDelta DocumentDelta::Between(const ChannelDocument& before, const ChannelDocument& after)
{
    DocumentDelta delta;
    for (const KindRange& range : kSlotKinds) {
        for (int slot = 0; slot < range.count; ++slot) {
            const std::string_view a = before.Record(range.kind, slot);
            const std::string_view b = after.Record(range.kind, slot);
            if (a != b)
                delta.m_slots.push_back({range.kind, slot, std::string(a), std::string(b)});
        }
    }
    if (before.Comment() != after.Comment())
        delta.m_comment = BeforeAfter<std::string>{before.Comment(), after.Comment()};
    if (!SamePlan(before.Plan(), after.Plan()))
        delta.m_plan = BeforeAfter<BandPlan>{before.Plan(), after.Plan()};
    return delta;
}

void DocumentDelta::Apply(ChannelDocument& doc, bool forwards) const
{
    // The plan first: nothing below depends on it, but a reader of the
    // document after a step must never see new records under an old plan.
    if (m_plan)
        doc.Plan() = forwards ? m_plan->after : m_plan->before;
    for (const SlotChange& change : m_slots)
        Store(doc, change.kind, change.slot, forwards ? change.after : change.before);
    if (m_comment)
        doc.SetComment(forwards ? m_comment->after : m_comment->before);
}

void DocumentDelta::Absorb(const DocumentDelta& later)
{
    for (const SlotChange& change : later.m_slots) {
        bool found = false;
        for (SlotChange& mine : m_slots) {
            if (mine.kind == change.kind && mine.slot == change.slot) {
                mine.after = change.after;
                found = true;
                break;
            }
        }
        if (!found)
            m_slots.push_back(change);
    }
    if (later.m_comment) {
        if (m_comment)
            m_comment->after = later.m_comment->after;
        else
            m_comment = later.m_comment;
    }
    if (later.m_plan) {
        if (m_plan)
            m_plan->after = later.m_plan->after;
        else
            m_plan = later.m_plan;
    }
}
