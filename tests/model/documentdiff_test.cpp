#include "channeldocument.h"
#include "documentdiff.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(DocumentDiff, OneLinePerRecordInTheUsersWords)
{
    auto base = [] {
        ChannelDocument doc;
        doc.ClearDocument();
        doc.StoreMemory(5, "005,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,ABC");
        doc.StoreDtmf(2, "02,12*#");
        doc.StoreDtmf(3, "03,");
        return doc;
    };
    const struct {
        const char* what;
        std::function<void(ChannelDocument&)> change;
        std::vector<std::string> lines;
    } cases[] = {
        {"a slot without frequency and a DTMF memory without code are no channels",
         [](ChannelDocument& d) {
             d.StoreMemory(7, "007");
             d.ClearDtmf(3);
         },
         {}},
        {"fields",
         [](ChannelDocument& d) { d.StoreMemory(5, "005,00145500000,5,0,0,0,0,,09,,09,000600000,0,,,,,X\x1BZ"); },
         {"005: frequency 145.000 MHz \u2192 145.500 MHz, name \"ABC\" \u2192 \"X\\x1BZ\""}},
        {"channel gone and channel new",
         [](ChannelDocument& d) {
             d.ClearMemory(5);
             d.StoreMemory(200, "L0,00144000000,5,0,0,0,0,,09,,09,000600000,0,,,,,");
         },
         {"005: channel 145.000 MHz \"ABC\" \u2192 (none)", "L0: channel (none) \u2192 144.000 MHz"}},
        {"one value stored two ways",
         [](ChannelDocument& d) { d.StoreMemory(5, "005,00145000000,5,0,0,0,0,,09,,09,600000,0,,,,,ABC"); },
         {"005: offset \"000600000\" \u2192 \"600000\""}},
        {"CALL, VFO and DTMF",
         [](ChannelDocument& d) {
             d.StoreCall(1, "1,00440000000,3,0,0,0,0,,09,,09,005000000,,,,,,");
             d.StoreVfo(1, "2,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,3,");
             d.StoreDtmf(2, "02,9");
         },
         {"CALL 1: step 25kHz \u2192 12.5kHz", "VFO 1: power High \u2192 EL", "DTMF 2: code \"12*#\" \u2192 \"9\""}},
    };
    for (const auto& c : cases) {
        const ChannelDocument before = base();
        ChannelDocument after = base();
        c.change(after);
        std::vector<std::string> lines;
        for (const auto& change : DocumentDiff::Compare(before, after))
            lines.push_back(DocumentDiff::Line(change));
        EXPECT_EQ(lines, c.lines) << c.what;
    }
}

} // namespace
