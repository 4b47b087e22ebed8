#pragma once

#include "fixedtext.h"

#include <cstdint>
#include <string>
#include <string_view>

// Which bands the connected radio has and where their edges lie, learnt from
// the radio's type record and band limit answer. Everything that depends on
// the radio model (default frequencies and steps, band names, the band of a
// frequency) is answered here.
//
// Bands: 0 = 118 MHz, 1 = 144 MHz, 2 = 300 MHz, 3 = 430/440 MHz, 4 = 800 MHz.
class BandPlan
{
public:
    static constexpr int BandCount = 5;
    static constexpr const char* DefaultRadioType = "0,2,00,1,1,,";

    BandPlan();

    // The type record, cut to its 19-character slot.
    void SetRadioType(std::string_view record);
    std::string_view RadioType() const { return m_type.View(); }
    // First character of type field n ('\0' when absent); field 2 is compared
    // whole, see SubVariant().
    char TypeFlag(int field) const;
    char Variant() const { return TypeFlag(1); }
    std::string_view SubVariant() const;

    bool BandExists(int band) const;
    // "118MHz", "144MHz", "300MHz", "430MHz"/"440MHz", "800MHz".
    std::string BandName(int band) const;

    // Band limit records ("00136,00173"), cut to their 14-character slots.
    // A band the radio lacks may still hold a record; see Limits().
    void SetLimitRecord(int band, std::string_view record);
    std::string_view LimitRecord(int band) const;
    // The radio's band limit answer: pairs of 5-digit MHz texts, each filed
    // under the band its lower value selects; all five records are emptied
    // first. An unpaired last value is dropped.
    void StoreBandLimits(std::string_view answer);
    static std::string DefaultLimitRecord(int band);

    struct MhzRange {
        int lower;
        int upper;
    };
    // Whole-MHz edges used for fitting. A missing or malformed record falls
    // back to the band's default edges, so fitting never works on garbage.
    MhzRange Limits(int band) const;

    // Band of a text beginning with three MHz digits ("145.000", "144MHz",
    // "145000000"); texts that begin otherwise count as band 1.
    int BandOf(std::string_view frequencyText) const;

    std::string DefaultFrequencyText(int band) const;
    int DefaultStepIndex(int band) const;

    // The offset of a record that arrives without one (read from the radio,
    // pasted, or from an old data file), by the hundreds-of-MHz digit of its
    // 11-digit receive frequency: 600 kHz below 300 MHz; above, 1.6 MHz on
    // variant "3" radios and 5 MHz on the others. The 9-digit record text.
    std::string DefaultOffsetRecord(std::string_view rxRecordFrequency) const;
    // The offset the editors, the channel table and the CSV import give a
    // channel of `band` with an empty offset: 600 kHz for bands 0 and 1,
    // 5 MHz above, whatever the variant. In Hz, and as the offset box shows
    // it ("0.60", "5.00").
    static std::int32_t EditorOffsetHz(int band);
    static std::string EditorOffsetText(int band);

    // The -7.6 MHz shift is offered on variant "3" radios, sub-variant not "05".
    bool Minus76Offered() const;

private:
    FixedText<20> m_type;
    FixedText<15> m_limits[BandCount];
};
