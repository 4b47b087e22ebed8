#pragma once

#include <string>
#include <vector>

class BandPlan;
class ChannelDocument;

// Checks of a channel plan before it goes into a radio: what the radio
// cannot hold at all (errors), what will not work as the user surely meant
// (warnings), and what is merely unusual (information). Each rule is one
// function that looks at the document and returns its findings; none
// changes the document. A record is named by its channel label ("005",
// "L0", "PR") or as "CALL 0", "VFO 1".
namespace PlanCheck {

enum class Severity { Info, Warning, Error };

struct Finding {
    Severity severity = Severity::Info;
    std::string label;
    std::string reason;
    bool operator==(const Finding& other) const
    {
        return severity == other.severity && label == other.label && reason == other.reason;
    }
};

// Errors: memory, CALL and VFO records that the radio of `radio` cannot
// hold: a receive or transmit frequency outside its bands or band limits
// (or in a range the radio excludes), a step its band does not offer, an
// offset off the 50 kHz grid or above 29.95 MHz, a -7.6 MHz shift the band
// does not have. The plan is passed on its own so that a document can be
// checked against the radio it is about to be written into.
std::vector<Finding> RecordsOutsideRadio(const ChannelDocument& doc, const BandPlan& radio);
// Warnings: program-scan pairs L0/U0..L9/U9 with one edge only, with edges
// in different bands, or with the lower edge above the upper.
std::vector<Finding> ScanEdgePairs(const ChannelDocument& doc);
// Warnings: memory channels 000..199 identical in every field but the label.
std::vector<Finding> DuplicateChannels(const ChannelDocument& doc);
// Warnings: memory channels 000..199 with the same name on other frequencies.
std::vector<Finding> SharedNames(const ChannelDocument& doc);
// Warnings: every memory channel locked out of scanning; the priority
// channel empty while there are channels.
std::vector<Finding> ScanAndPriority(const ChannelDocument& doc);
// Information: a repeater shift whose offset is not its band's usual one.
std::vector<Finding> UnusualOffsets(const ChannelDocument& doc);

// Every rule above, against the document's own band plan, errors first.
std::vector<Finding> CheckAll(const ChannelDocument& doc);
// The same, with the records the radio cannot hold judged by `radio`.
std::vector<Finding> CheckAgainst(const ChannelDocument& doc, const BandPlan& radio);

// "error", "warning", "info".
std::string SeverityName(Severity severity);
// "error: 005: 500.000 MHz is outside the 430MHz band (410-469 MHz)".
std::string Line(const Finding& finding);
bool HasErrors(const std::vector<Finding>& findings);
bool HasWarnings(const std::vector<Finding>& findings);

} // namespace PlanCheck
