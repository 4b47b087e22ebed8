#include "gridtext.h"

#include "channellisting.h"
#include "recordlayout.h"
#include "recordtext.h"

namespace GridText {

namespace {

using namespace RecordLayout;

bool StartsWith(std::string_view text, char c)
{
    return !text.empty() && text[0] == c;
}

std::string FrequencyOf(std::string_view record)
{
    const std::string_view rx = RecordText::Field(record, ChannelField::RxFrequency);
    return rx.size() >= 2 ? RecordText::FormatFrequency(rx) : std::string();
}

} // namespace

RecordKind KindOf(Grid grid)
{
    switch (grid) {
    case Grid::Vfo: return RecordKind::Vfo;
    case Grid::Call: return RecordKind::Call;
    case Grid::Dtmf: return RecordKind::Dtmf;
    default: return RecordKind::Memory;
    }
}

int ColumnCount(Grid grid)
{
    return grid == Grid::Memory ? 4 : 3;
}

int RowCount(Grid grid, const BandPlan& plan)
{
    switch (grid) {
    case Grid::Memory: return ChannelDocument::MemorySlots;
    case Grid::Call: return ChannelDocument::CallSlots;
    case Grid::Dtmf: return ChannelDocument::DtmfSlots;
    case Grid::Vfo: break;
    }
    int rows = 0;
    for (int band = 0; band < BandPlan::BandCount; ++band)
        if (plan.BandExists(band))
            ++rows;
    return rows;
}

std::string Title(Grid grid, int column)
{
    static const char* const kMemory[] = {"", " ch.", " RX Frequency", " Name"};
    static const char* const kBand[] = {"", "Band", "Rx Frequency"};
    static const char* const kDtmf[] = {"", "No.", "DTMF Code"};
    if (column < 0 || column >= ColumnCount(grid))
        return {};
    switch (grid) {
    case Grid::Memory: return kMemory[column];
    case Grid::Dtmf: return kDtmf[column];
    default: return kBand[column];
    }
}

int SlotOfRow(Grid grid, int row, const BandPlan& plan)
{
    if (row < 1 || row > RowCount(grid, plan))
        return -1;
    if (grid != Grid::Vfo)
        return row - 1;
    int seen = 0;
    for (int band = 0; band < BandPlan::BandCount; ++band)
        if (plan.BandExists(band) && ++seen == row)
            return band;
    return -1;
}

int RowOfSlot(Grid grid, int slot, const BandPlan& plan)
{
    if (grid != Grid::Vfo)
        return slot >= 0 && slot < RowCount(grid, plan) ? slot + 1 : -1;
    if (slot < 0 || slot >= BandPlan::BandCount || !plan.BandExists(slot))
        return -1;
    int row = 0;
    for (int band = 0; band <= slot; ++band)
        if (plan.BandExists(band))
            ++row;
    return row;
}

std::string Cell(const ChannelDocument& doc, Grid grid, int row, int column)
{
    const BandPlan& plan = doc.Plan();
    const int slot = SlotOfRow(grid, row, plan);
    if (slot < 0)
        return {};
    const std::string_view record = doc.Record(KindOf(grid), slot);
    switch (grid) {
    case Grid::Memory:
        if (column == 1)
            return RecordText::ChannelLabel(slot);
        if (record.size() < 2)
            return {};
        if (column == 0)
            return MemorySlot::IsChannel(slot) && RecordText::Field(record, ChannelField::Lockout) == "1"
                       ? "*"
                       : std::string();
        if (column == 2)
            return RecordText::FormatFrequency(RecordText::Field(record, ChannelField::RxFrequency));
        if (column == 3)
            return std::string(RecordText::Field(record, ChannelField::Name));
        return {};
    case Grid::Vfo:
        if (column == 1)
            return plan.BandName(slot);
        return column == 2 ? FrequencyOf(record) : std::string();
    case Grid::Call:
        if (column == 1)
            return plan.BandName(slot == 0 ? 1 : 3);
        return column == 2 ? FrequencyOf(record) : std::string();
    case Grid::Dtmf:
        if (column == 1)
            return std::to_string(slot);
        return column == 2 ? std::string(RecordText::Field(record, DtmfField::Code)) : std::string();
    }
    return {};
}

std::string StatusToneText(std::string_view code)
{
    const auto value = RecordText::DecimalValue(code, 39);
    if (!value || *value < 1)
        return {};
    if (*value == 2)
        return "69.0";
    return ChannelListing::ToneName(code);
}

std::array<std::string, 3> StatusPanels(const ChannelDocument& doc, Grid grid, int row)
{
    std::array<std::string, 3> panels;
    if (grid == Grid::Dtmf)
        return panels;
    const std::string_view record = doc.Record(KindOf(grid), SlotOfRow(grid, row, doc.Plan()));
    auto field = [&](int n) { return RecordText::Field(record, n); };
    const std::string_view transmit = field(ChannelField::TxFrequency);
    const std::string_view shift = field(ChannelField::Shift);
    const bool split = transmit.size() >= 2;

    if (split) {
        panels[0] = "Tx Frequency : " + RecordText::FormatFrequency(transmit) + "MHz";
    } else if (!StartsWith(shift, '0') && !StartsWith(shift, '3')) {
        const std::string_view offset = field(ChannelField::Offset);
        if (offset.size() >= 2)
            panels[0] = "Offset : " + RecordText::FormatOffset(offset) + "MHz";
    }

    std::string direction;
    if (shift == "1")
        direction = "+";
    else if (shift == "2")
        direction = "-";
    else if (shift == "3")
        direction = "-7.6";
    else if (split)
        direction = "+-";
    if (direction != "+-" && StartsWith(field(ChannelField::Reverse), '1'))
        direction += " R";
    panels[1] = direction;

    if (StartsWith(field(ChannelField::Ctcss), '1'))
        panels[2] = "CT : " + StatusToneText(field(ChannelField::CtcssCode));
    else if (StartsWith(field(ChannelField::Tone), '1'))
        panels[2] = "T : " + StatusToneText(field(ChannelField::ToneCode));
    return panels;
}

} // namespace GridText
