#include "channellistlayout.h"
#include "recordtext.h"

#include <gtest/gtest.h>

namespace {

using ChannelListLayout::Page;

ChannelDocument WithMemory(int used)
{
    ChannelDocument doc;
    doc.ClearDocument();
    for (int slot = 0; slot < used; ++slot)
        doc.StoreMemory(slot, RecordText::ChannelLabel(slot) + ",00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,");
    return doc;
}

// Where a text lands: page and position.
std::pair<int, int> Find(const std::vector<Page>& pages, const std::string& text)
{
    for (std::size_t p = 0; p < pages.size(); ++p)
        for (const auto& line : pages[p])
            if (line.text == text)
                return {static_cast<int>(p), line.position};
    return {-1, -1};
}

TEST(ChannelListLayoutPages, CommentShiftsTheMemoryTitle)
{
    const ChannelDocument doc = WithMemory(1);
    auto pages = ChannelListLayout::Layout(doc, "QXP-R46 [a.46]", "");
    EXPECT_EQ(Find(pages, "QXP-R46 [a.46]"), std::make_pair(0, 0));
    EXPECT_EQ(Find(pages, "Memory Channel"), std::make_pair(0, 2));
    EXPECT_EQ(Find(pages, "000 145.000MHz 20kHz"), std::make_pair(0, 3));
    EXPECT_EQ(Find(pages, "VFO"), std::make_pair(0, 5)) << "one empty position before a title";

    pages = ChannelListLayout::Layout(doc, "cap", "note");
    EXPECT_EQ(Find(pages, "Comment"), std::make_pair(0, 2));
    EXPECT_EQ(Find(pages, "note"), std::make_pair(0, 3));
    EXPECT_EQ(Find(pages, "Memory Channel"), std::make_pair(0, 5));
}

TEST(ChannelListLayoutPages, EveryPageStartsWithTheCaptionAndContinuesAtTwo)
{
    const ChannelDocument doc = WithMemory(221);
    const auto pages = ChannelListLayout::Layout(doc, "cap", "");
    for (const Page& page : pages) {
        ASSERT_FALSE(page.empty());
        EXPECT_EQ(page.front().position, 0);
        EXPECT_EQ(page.front().text, "cap");
        for (const auto& line : page)
            EXPECT_LT(line.position, 60);
    }
    // Page 0 holds the title at 2 and slots 0..56 at 3..59; slot 57 opens page 1 at 2.
    EXPECT_EQ(Find(pages, "056 145.000MHz 20kHz"), std::make_pair(0, 59));
    EXPECT_EQ(Find(pages, "057 145.000MHz 20kHz"), std::make_pair(1, 2));
}

TEST(ChannelListLayoutPages, SectionTitlesNearTheBottomMoveToANewPage)
{
    struct Case {
        int used;         // memory slots used from 0
        int titlePage;    // where "VFO" lands
        int titlePosition;
    } cases[] = {
        {54, 0, 58}, // the memory section ends with the counter at 57: title at 58
        {55, 1, 2},  // counter 58: new page, title at 2
        {56, 1, 2},  // counter 59
        {57, 1, 3},  // counter 60: the next (empty) slot's check opens the page
    };
    for (const auto& c : cases) {
        const auto pages = ChannelListLayout::Layout(WithMemory(c.used), "cap", "");
        EXPECT_EQ(Find(pages, "VFO"), std::make_pair(c.titlePage, c.titlePosition)) << c.used;
    }
    // Title at 58: the first VFO line lands at 59.
    const auto pages = ChannelListLayout::Layout(WithMemory(54), "cap", "");
    EXPECT_EQ(Find(pages, "118MHz 118.000MHz 12.5kHz"), std::make_pair(0, 59));
}

TEST(ChannelListLayoutPages, PageChecksRunForEmptySlotsToo)
{
    // Slots 0..56 fill page 0 to position 59; only empty slots follow, yet
    // the check at slot 57 starts page 1, so "VFO" lands at position 3 of it.
    const auto pages = ChannelListLayout::Layout(WithMemory(57), "cap", "");
    EXPECT_EQ(Find(pages, "VFO"), std::make_pair(1, 3));

    // 40 channels, 3 VFO and 2 CALL lines put DTMF memory 5 at position 59;
    // the check at the empty memory 6 opens a last page with only the caption.
    ChannelDocument doc = WithMemory(40);
    for (int slot = 0; slot < 6; ++slot)
        doc.StoreDtmf(slot, "0" + std::to_string(slot) + ",1");
    const auto lastPage = ChannelListLayout::Layout(doc, "cap", "");
    EXPECT_EQ(Find(lastPage, "05 1"), std::make_pair(0, 59));
    ASSERT_EQ(lastPage.size(), 2u);
    ASSERT_EQ(lastPage[1].size(), 1u);
    EXPECT_EQ(lastPage[1][0].text, "cap");
}

} // namespace
