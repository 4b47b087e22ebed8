#include "channellisting.h"

#include "frequencyrules.h"
#include "recordlayout.h"
#include "recordtext.h"

#include <array>

namespace ChannelListing {

namespace {

constexpr std::array<const char*, 39> kPrintedTones = {
    "67.0Hz",  "69.4Hz",  "71.9Hz",  "74.4Hz",  "77.0Hz",  "79.7Hz",  "82.5Hz",  "85.4Hz",  "88.5Hz",  "91.5Hz",
    "94.8Hz",  "97.4Hz",  "100.0Hz", "103.5Hz", "107.2Hz", "110.9Hz", "114.8Hz", "118.8Hz", "123.0Hz", "127.3Hz",
    "131.8Hz", "136.5Hz", "141.3Hz", "146.2Hz", "151.4Hz", "156.7Hz", "162.2Hz", "167.9Hz", "173.8Hz", "179.9Hz",
    "186.2Hz", "192.8Hz", "203.5Hz", "210.7Hz", "218.1Hz", "225.7Hz", "233.6Hz", "241.8Hz", "250.3Hz"};

char First(std::string_view field)
{
    return field.empty() ? '\0' : field[0];
}

std::string Label(RecordKind kind, std::string_view code, const BandPlan& plan)
{
    const std::string band3 = plan.Variant() == '2' ? "440MHz" : "430MHz";
    if (kind == RecordKind::Call)
        return First(code) == '0' ? "144MHz" : band3;
    if (kind == RecordKind::Vfo) {
        switch (First(code)) {
        case '1': return "118MHz";
        case '2': return "144MHz";
        case '5': return "300MHz";
        case '6': return band3;
        case '8': return "800MHz";
        default: break;
        }
    }
    return std::string(code);
}

} // namespace

std::string ToneName(std::string_view code)
{
    // Codes outside the table print as they are stored, so nothing is hidden.
    const auto c = RecordText::DecimalValue(code, 39);
    if (!c || *c < 1)
        return std::string(code);
    return kPrintedTones[static_cast<std::size_t>(*c - 1)];
}

std::string StepName(std::string_view index)
{
    const auto i = RecordText::DecimalValue(index, 9);
    return i ? FrequencyRules::StepNames[static_cast<std::size_t>(*i)] : std::string(index);
}

std::string ChannelLine(RecordKind kind, std::string_view record, const BandPlan& plan)
{
    using RecordText::Field;
    using namespace RecordLayout;
    std::string line = Label(kind, Field(record, ChannelField::Key), plan);
    line += ' ';
    line += RecordText::FormatFrequency(Field(record, ChannelField::RxFrequency));
    line += "MHz ";
    line += StepName(Field(record, ChannelField::Step));

    const char shift = First(Field(record, ChannelField::Shift));
    if (shift == '1')
        line += " +";
    else if (shift == '2')
        line += " -";
    else if (shift == '3')
        line += " -7.6";
    if (First(Field(record, ChannelField::Reverse)) == '1')
        line += " R";
    if (First(Field(record, ChannelField::Tone)) == '1')
        line += " T:" + ToneName(Field(record, ChannelField::ToneCode));
    if (First(Field(record, ChannelField::Ctcss)) == '1')
        line += " CT:" + ToneName(Field(record, ChannelField::CtcssCode));
    const std::string_view tx = Field(record, ChannelField::TxFrequency);
    const std::string_view offset = Field(record, ChannelField::Offset);
    if ((shift == '1' || shift == '2') && tx.empty() && offset.size() > 1)
        line += " Offset:" + RecordText::FormatOffset(offset) + "MHz";
    if (tx.size() > 1)
        line += " TX:" + RecordText::FormatFrequency(tx) + "MHz " + StepName(Field(record, ChannelField::TxStep));
    const std::string_view name = Field(record, ChannelField::Name);
    if (!name.empty()) {
        line += " Name:";
        line += name;
    }
    switch (First(Field(record, ChannelField::Power))) {
    case '0': line += " RF:High"; break;
    case '1': line += " RF:Mid"; break;
    case '2': line += " RF:Low"; break;
    case '3': line += " RF:EL"; break;
    default: break;
    }
    if (First(Field(record, ChannelField::Lockout)) == '1')
        line += " *";
    return line;
}

std::string DtmfLine(std::string_view record)
{
    const std::string_view code = RecordText::Field(record, RecordLayout::DtmfField::Code);
    if (code.empty())
        return {};
    std::string line(RecordText::Field(record, RecordLayout::DtmfField::Number));
    line += ' ';
    line += code;
    return line;
}

bool IsListed(RecordKind kind, std::string_view record)
{
    if (kind == RecordKind::Dtmf)
        return !RecordText::Field(record, RecordLayout::DtmfField::Code).empty();
    return RecordText::Field(record, RecordLayout::ChannelField::RxFrequency).size() > 1;
}

std::vector<std::string> ListLines(const ChannelDocument& doc)
{
    std::vector<std::string> lines;
    lines.reserve(ChannelDocument::MemorySlots + 32);
    if (!doc.Comment().empty()) {
        lines.emplace_back("Comment");
        lines.push_back(doc.Comment());
    }
    auto section = [&](const char* title, RecordKind kind, int count) {
        lines.emplace_back(title);
        for (int slot = 0; slot < count; ++slot) {
            const std::string_view record = doc.Record(kind, slot);
            if (!IsListed(kind, record))
                continue;
            lines.push_back(kind == RecordKind::Dtmf ? DtmfLine(record) : ChannelLine(kind, record, doc.Plan()));
        }
    };
    section("Memory Channel", RecordKind::Memory, ChannelDocument::MemorySlots);
    section("VFO", RecordKind::Vfo, ChannelDocument::VfoSlots);
    section("CALL Channel", RecordKind::Call, ChannelDocument::CallSlots);
    section("DTMF Memory", RecordKind::Dtmf, ChannelDocument::DtmfSlots);
    return lines;
}

} // namespace ChannelListing
