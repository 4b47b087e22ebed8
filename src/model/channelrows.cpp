#include "channelrows.h"

#include "recordlayout.h"
#include "recordtext.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace ChannelRows {

namespace {

using RecordLayout::MemorySlot::IsChannel;
using RecordLayout::MemorySlot::LastChannel;

std::string MemoryRecord(const ChannelDocument& doc, int slot)
{
    return std::string(doc.Record(RecordKind::Memory, slot));
}

// Stores `record` at `slot` under that slot's label.
void PutAt(ChannelDocument& doc, int slot, std::string_view record)
{
    doc.StoreMemory(slot, Relabeled(record, slot));
}

} // namespace

std::string Relabeled(std::string_view record, int slot)
{
    if (record.empty())
        return {};
    const std::size_t comma = record.find(',');
    const std::string_view rest = comma == std::string_view::npos ? std::string_view() : record.substr(comma);
    return RecordText::ChannelLabel(slot) + std::string(rest);
}

bool InUse(const ChannelDocument& doc, RecordKind kind, int slot)
{
    return doc.Record(kind, slot).size() >= 2;
}

std::vector<int> Paste(ChannelDocument& doc, ClipboardRules::Grid grid, int firstSlot,
                       const std::vector<std::string>& rows, std::vector<std::string>* reasons)
{
    using ClipboardRules::Grid;
    std::vector<int> refused;
    const int slots = grid == Grid::Dtmf ? ChannelDocument::DtmfSlots : ChannelDocument::MemorySlots;
    auto refuse = [&](int i, std::string reason) {
        refused.push_back(i);
        if (reasons)
            reasons->push_back(std::move(reason));
    };
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const std::string& row = rows[static_cast<std::size_t>(i)];
        if (row.empty())
            continue;
        const int slot = firstSlot + i;
        std::string problem = ClipboardRules::RowProblem(row, grid);
        if (!problem.empty()) {
            refuse(i, std::move(problem));
            continue;
        }
        if (slot < 0 || slot >= slots || !ClipboardRules::PasteOffered(row, grid, slot + 1, 0, doc.Plan())) {
            refuse(i, std::string());
            continue;
        }
        if (grid == Grid::Dtmf)
            doc.StoreDtmf(slot, ClipboardRules::PastedDtmf(slot, row));
        else
            doc.StoreMemory(slot, ClipboardRules::PastedChannel(grid, RecordText::ChannelLabel(slot), row, doc.Plan()));
    }
    return refused;
}

bool InsertEmpty(ChannelDocument& doc, int slot)
{
    if (!IsChannel(slot) || InUse(doc, RecordKind::Memory, LastChannel))
        return false;
    for (int to = LastChannel; to > slot; --to)
        PutAt(doc, to, MemoryRecord(doc, to - 1));
    doc.ClearMemory(slot);
    return true;
}

bool DeleteAndShiftUp(ChannelDocument& doc, int slot, int count)
{
    if (!IsChannel(slot) || count < 1)
        return false;
    if (slot + count - 1 > LastChannel)
        count = LastChannel - slot + 1;
    for (int to = slot; to <= LastChannel; ++to) {
        const int from = to + count;
        if (from <= LastChannel)
            PutAt(doc, to, MemoryRecord(doc, from));
        else
            doc.ClearMemory(to);
    }
    return true;
}

bool MoveBlock(ChannelDocument& doc, int slot, int count, int by)
{
    const int last = slot + count - 1;
    if (count < 1 || (by != -1 && by != 1) || !IsChannel(slot) || !IsChannel(last))
        return false;
    const int neighbour = by < 0 ? slot - 1 : last + 1;
    if (!IsChannel(neighbour))
        return false;
    const std::string passed = MemoryRecord(doc, neighbour);
    if (by < 0) {
        for (int from = slot; from <= last; ++from)
            PutAt(doc, from - 1, MemoryRecord(doc, from));
        PutAt(doc, last, passed);
    } else {
        for (int from = last; from >= slot; --from)
            PutAt(doc, from + 1, MemoryRecord(doc, from));
        PutAt(doc, slot, passed);
    }
    return true;
}

namespace {

// A frequency field as a number; a damaged one sorts after every channel.
std::uint64_t FrequencyKey(std::string_view record)
{
    const std::string_view digits = RecordText::Field(record, RecordLayout::ChannelField::RxFrequency);
    if (digits.empty() || digits.size() > 18)
        return std::numeric_limits<std::uint64_t>::max();
    std::uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::numeric_limits<std::uint64_t>::max();
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

} // namespace

std::vector<Move> SortMoves(const ChannelDocument& doc, const std::vector<int>& slots, SortKey key)
{
    std::vector<int> places;
    for (int slot : slots)
        if (IsChannel(slot) && InUse(doc, RecordKind::Memory, slot))
            places.push_back(slot);
    std::sort(places.begin(), places.end());
    places.erase(std::unique(places.begin(), places.end()), places.end());

    std::vector<std::string> records;
    records.reserve(places.size());
    for (int slot : places)
        records.push_back(MemoryRecord(doc, slot));
    std::vector<std::string> sorted = records;
    if (key == SortKey::RxFrequency) {
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const std::string& a, const std::string& b) { return FrequencyKey(a) < FrequencyKey(b); });
    } else {
        // Unnamed channels go after the named ones.
        std::stable_sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
            const std::string_view nameA = RecordText::Field(a, RecordLayout::ChannelField::Name);
            const std::string_view nameB = RecordText::Field(b, RecordLayout::ChannelField::Name);
            if (nameA.empty() != nameB.empty())
                return nameB.empty();
            return nameA < nameB;
        });
    }
    std::vector<Move> moves;
    for (std::size_t i = 0; i < places.size(); ++i)
        if (sorted[i] != records[i])
            moves.push_back({places[i], std::move(sorted[i])});
    return moves;
}

void ApplyMoves(ChannelDocument& doc, const std::vector<Move>& moves)
{
    for (const Move& move : moves)
        PutAt(doc, move.slot, move.record);
}

bool Sort(ChannelDocument& doc, const std::vector<int>& slots, SortKey key)
{
    const std::vector<Move> moves = SortMoves(doc, slots, key);
    ApplyMoves(doc, moves);
    return !moves.empty();
}

} // namespace ChannelRows
