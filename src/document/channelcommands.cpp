#include "channelcommands.h"

#include "documentsession.h"
#include "recordlayout.h"
#include "recordtext.h"

#include <QStringList>

#include <algorithm>

namespace ChannelCommands {

namespace {

using RecordLayout::MemorySlot::IsChannel;

void Clear(ChannelDocument& doc, RecordKind kind, int slot)
{
    if (kind == RecordKind::Dtmf)
        doc.ClearDtmf(slot);
    else
        doc.ClearMemory(slot);
}

Outcome Say(const QString& message)
{
    Outcome outcome;
    outcome.message = message;
    return outcome;
}

} // namespace

const QString& InvalidFunction()
{
    static const QString text = QStringLiteral("Invalid function.");
    return text;
}

const QString& LastChannelInUse()
{
    static const QString text = QStringLiteral("Channel 199 is in use.\nPlease delete it first.");
    return text;
}

Outcome Copy(const DocumentSession& session, RecordKind kind, const std::vector<int>& chosen)
{
    Outcome outcome;
    for (int slot : chosen)
        outcome.clipboard.emplace_back(session.Document().Record(kind, slot));
    return outcome;
}

// The VFO and CALL channels are never emptied. An attempted change that
// changes nothing: the document counts as changed all the same, as it
// always has.
bool Refuse(DocumentSession& session, RecordKind kind, Outcome* outcome)
{
    if (kind != RecordKind::Vfo && kind != RecordKind::Call)
        return false;
    session.Edit(QString(), [](ChannelDocument&) {});
    outcome->changed = true;
    outcome->message = InvalidFunction();
    return true;
}

Outcome Cut(DocumentSession& session, RecordKind kind, const std::vector<int>& chosen, const QString& step)
{
    Outcome refused;
    if (Refuse(session, kind, &refused))
        return refused;
    Outcome outcome = Copy(session, kind, chosen);
    if (chosen.empty())
        return outcome;
    Outcome cleared = Delete(session, kind, chosen, step);
    outcome.changed = cleared.changed;
    return outcome;
}

Outcome Delete(DocumentSession& session, RecordKind kind, const std::vector<int>& chosen, const QString& step)
{
    Outcome outcome;
    if (Refuse(session, kind, &outcome))
        return outcome;
    if (chosen.empty())
        return outcome;
    session.Edit(step, [&](ChannelDocument& doc) {
        for (int slot : chosen)
            Clear(doc, kind, slot);
    });
    outcome.changed = true;
    return outcome;
}

Outcome Paste(DocumentSession& session, ClipboardRules::Grid grid, int firstSlot, const std::vector<std::string>& rows,
              const QString& step)
{
    using ClipboardRules::Grid;
    if (rows.empty())
        return {};
    if (grid == Grid::Vfo || grid == Grid::Call) {
        // One channel onto the row's own slot, keeping its band code. The
        // clipboard may have changed since Paste was offered.
        const std::string& row = rows.front();
        std::string problem = ClipboardRules::RowProblem(row, grid);
        const bool vfo = grid == Grid::Vfo;
        if (problem.empty() && !ClipboardRules::PasteOffered(row, grid, vfo ? 0 : firstSlot + 1, vfo ? firstSlot : 0,
                                                             session.Document().Plan()))
            problem = "does not fit the band of this row";
        if (!problem.empty())
            return Say(RefusedText({row}, {0}, {problem}));
        const RecordKind kind = vfo ? RecordKind::Vfo : RecordKind::Call;
        session.Edit(step, [&](ChannelDocument& doc) {
            const std::string record = ClipboardRules::PastedChannel(
                grid, doc.GetField(kind, firstSlot, RecordLayout::ChannelField::Key), row, doc.Plan());
            if (vfo)
                doc.StoreVfo(firstSlot, record);
            else
                doc.StoreCall(firstSlot, record);
        });
        Outcome outcome;
        outcome.changed = true;
        return outcome;
    }
    std::vector<int> refused;
    std::vector<std::string> reasons;
    session.Edit(step,
                 [&](ChannelDocument& doc) { refused = ChannelRows::Paste(doc, grid, firstSlot, rows, &reasons); });
    Outcome outcome;
    outcome.changed = true;
    if (!refused.empty())
        outcome.message = RefusedText(rows, refused, reasons);
    return outcome;
}

Outcome InsertEmpty(DocumentSession& session, int slot, const QString& step)
{
    if (!IsChannel(slot))
        return Say(InvalidFunction());
    if (ChannelRows::InUse(session.Document(), RecordKind::Memory, RecordLayout::MemorySlot::LastChannel))
        return Say(LastChannelInUse());
    session.Edit(step, [&](ChannelDocument& doc) { ChannelRows::InsertEmpty(doc, slot); });
    Outcome outcome;
    outcome.changed = true;
    return outcome;
}

Outcome DeleteAndShiftUp(DocumentSession& session, const std::vector<int>& chosen, const QString& step)
{
    if (chosen.empty() || !IsChannel(chosen.front()))
        return Say(InvalidFunction());
    // Each selected channel goes; those of the scan edges and the priority
    // channel are not numbered channels and stay.
    session.Edit(step, [&](ChannelDocument& doc) {
        for (auto slot = chosen.rbegin(); slot != chosen.rend(); ++slot)
            if (IsChannel(*slot))
                ChannelRows::DeleteAndShiftUp(doc, *slot, 1);
    });
    Outcome outcome;
    outcome.changed = true;
    return outcome;
}

Outcome Move(DocumentSession& session, const std::vector<int>& chosen, int by, const QString& step)
{
    Outcome outcome;
    if (chosen.empty())
        return outcome;
    const int first = chosen.front();
    const int count = chosen.back() - first + 1;
    // Only a block of neighbouring rows moves, and only within 000..199:
    // the scan edges and the priority channel are no places to move to.
    if (count != static_cast<int>(chosen.size()) || !IsChannel(first + by) || !IsChannel(first + count - 1 + by))
        return outcome;
    session.Edit(step, [&](ChannelDocument& doc) { ChannelRows::MoveBlock(doc, first, count, by); });
    outcome.changed = true;
    outcome.selectFirst = first + by;
    outcome.selectLast = first + by + count - 1;
    return outcome;
}

Outcome Sort(DocumentSession& session, std::vector<int> chosen, ChannelRows::SortKey key, const QString& step)
{
    // One row is no order to make: the whole of 000..199 is meant.
    if (chosen.size() < 2) {
        chosen.clear();
        for (int slot = RecordLayout::MemorySlot::FirstChannel; slot <= RecordLayout::MemorySlot::LastChannel; ++slot)
            chosen.push_back(slot);
    }
    const std::vector<ChannelRows::Move> moves = ChannelRows::SortMoves(session.Document(), chosen, key);
    Outcome outcome;
    if (moves.empty())
        return outcome;
    session.Edit(step, [&](ChannelDocument& doc) { ChannelRows::ApplyMoves(doc, moves); });
    outcome.changed = true;
    return outcome;
}

QString RefusedText(const std::vector<std::string>& rows, const std::vector<int>& refused,
                    const std::vector<std::string>& reasons)
{
    QStringList labels;
    QStringList named;
    for (std::size_t i = 0; i < refused.size(); ++i) {
        const std::string_view field =
            RecordText::Field(rows[static_cast<std::size_t>(refused[i])], RecordLayout::ChannelField::Key);
        const QString label = QString::fromStdString(RecordText::ShowControls(field));
        labels << label;
        const std::string reason = i < reasons.size() ? reasons[i] : std::string();
        named << label + QStringLiteral(": ") +
                     (reason.empty() ? QStringLiteral("does not fit the band limits or the rows")
                                     : QString::fromStdString(reason));
    }
    const QString head = QStringLiteral("%1 copied row(s) were not pasted: %2.\n")
                             .arg(refused.size())
                             .arg(labels.join(QStringLiteral(", ")));
    const bool onlyMisfits =
        std::all_of(reasons.begin(), reasons.end(), [](const std::string& reason) { return reason.empty(); });
    if (onlyMisfits)
        return head + QStringLiteral("They do not fit the band limits or the rows.");
    return head + named.join(QLatin1Char('\n'));
}

} // namespace ChannelCommands
