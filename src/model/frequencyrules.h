#pragma once

#include "bandplan.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The rules that turn typed MHz texts into record texts: normalising, fitting
// a frequency to its band and tuning step, and the tone and step tables.
// Frequencies are integer Hz.
namespace FrequencyRules {

// Tuning step in Hz for step index 0..9 (5 kHz .. 100 kHz).
extern const std::array<std::int32_t, 10> StepTable;
// "5kHz" .. "100kHz".
extern const std::array<const char*, 10> StepNames;
// The 38 tones the editors offer ("67.0Hz" .. "250.3Hz"); code 02 is not among them.
extern const std::array<const char*, 38> ToneNames;

// Typed or display text -> working frequency (Hz, at most 999999990).
// Fails only for more than one "." or a character other than digits and ".".
// Too short or too long texts give 0 or 999999990, which FitToBand clamps.
std::optional<std::int32_t> NormalizeFrequency(std::string_view text);

struct Fit {
    std::int32_t frequency; // Hz, inside the band and on the step grid
    int stepIndex;          // may be coarsened on the 800 MHz band
    bool rounded;           // the frequency had to be changed
};
// Clamps f to the band's edges, keeps it out of the cellular ranges where the
// radio excludes them, and rounds it down to the step.
Fit FitToBand(std::int32_t frequency, int band, int stepIndex, const BandPlan& plan);

// Typed offset text -> working offset (Hz, a multiple of 50 kHz, at most
// 29.95 MHz). Fails only for more than one "." or a foreign character.
std::optional<std::int32_t> NormalizeOffset(std::string_view text);

// Record texts of working values: 11 digits for a frequency, 9 for an offset.
std::string RecordFrequency(std::int32_t hz);
std::string RecordOffset(std::int32_t hz);

// Two-digit record code of tone list index 0..37 ("01", "03".."39").
std::string ToneCode(int index);
// Tone list index of a record code; empty or unknown codes give the default
// index 7 (88.5 Hz).
int ToneIndex(std::string_view code);

// Whether the -7.6 MHz shift button is enabled for a receive band: offered
// by the radio and the band is 300 MHz or above.
bool Minus76Enabled(const BandPlan& plan, int band);

} // namespace FrequencyRules
