#pragma once

#include "bandplan.h"
#include "channeldocument.h"

#include <optional>
#include <string>
#include <vector>

// What one change did to a document: each slot it altered, the comment and
// the band plan, as they were before and after. Applying it backwards puts
// back exactly what was there, byte for byte, so an undone step leaves no
// trace; applying it forwards redoes it. The paste buffer and the old-layout
// line buffer are working space, not document contents, and are left out.
class DocumentDelta
{
public:
    struct SlotChange {
        RecordKind kind;
        int slot;
        std::string before;
        std::string after;
    };

    static DocumentDelta Between(const ChannelDocument& before, const ChannelDocument& after);

    bool Empty() const { return m_slots.empty() && !m_comment && !m_plan; }
    const std::vector<SlotChange>& Slots() const { return m_slots; }
    bool CommentChanged() const { return m_comment.has_value(); }
    bool PlanChanged() const { return m_plan.has_value(); }

    void ApplyForwards(ChannelDocument& doc) const { Apply(doc, true); }
    void ApplyBackwards(ChannelDocument& doc) const { Apply(doc, false); }

    // Folds a change that followed this one into it: the result leads from
    // this one's "before" to the later one's "after" (typing merged into one
    // step).
    void Absorb(const DocumentDelta& later);

private:
    template <typename T> struct BeforeAfter {
        T before;
        T after;
    };

    void Apply(ChannelDocument& doc, bool forwards) const;

    std::vector<SlotChange> m_slots;
    std::optional<BeforeAfter<std::string>> m_comment;
    std::optional<BeforeAfter<BandPlan>> m_plan;
};
