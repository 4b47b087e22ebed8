#include "channellistlayout.h"

#include "channellisting.h"

namespace ChannelListLayout {

namespace {

class PageWriter
{
public:
    explicit PageWriter(const std::string& caption) : m_caption(caption) { NewPage(); }

    void Draw(int position, const std::string& text) { m_pages.back().push_back({position, text}); }

    // Before each slot: a full page starts a new one.
    void CheckPage()
    {
        if (m_next >= LinesPerPage) {
            NewPage();
            m_next = 2;
        }
    }

    // The title follows one empty line position; near the bottom it moves to
    // a new page, where it lands at position 2.
    void SectionTitle(const char* title)
    {
        if (m_next >= LinesPerPage - 2) {
            NewPage();
            m_next = 1;
        }
        ++m_next;
        Draw(m_next, title);
        ++m_next;
    }

    void Channel(const std::string& text)
    {
        Draw(m_next, text);
        ++m_next;
    }

    int& Next() { return m_next; }
    std::vector<Page> Take() { return std::move(m_pages); }

private:
    void NewPage()
    {
        m_pages.emplace_back();
        Draw(0, m_caption);
    }

    std::string m_caption;
    std::vector<Page> m_pages;
    int m_next = 2;
};

} // namespace

std::vector<Page> Layout(const ChannelDocument& doc, const std::string& caption, const std::string& comment)
{
    PageWriter out(caption);
    out.Next() = 2;
    if (!comment.empty()) {
        out.Draw(2, "Comment");
        out.Draw(3, comment);
        out.Next() = 5;
    }
    out.Draw(out.Next(), "Memory Channel");
    ++out.Next();

    auto slots = [&](RecordKind kind, int count) {
        for (int slot = 0; slot < count; ++slot) {
            out.CheckPage();
            const std::string_view record = doc.Record(kind, slot);
            if (!ChannelListing::IsListed(kind, record))
                continue;
            out.Channel(kind == RecordKind::Dtmf ? ChannelListing::DtmfLine(record)
                                                 : ChannelListing::ChannelLine(kind, record, doc.Plan()));
        }
    };
    slots(RecordKind::Memory, ChannelDocument::MemorySlots);
    out.SectionTitle("VFO");
    slots(RecordKind::Vfo, ChannelDocument::VfoSlots);
    out.SectionTitle("CALL Channel");
    slots(RecordKind::Call, ChannelDocument::CallSlots);
    out.SectionTitle("DTMF Memory");
    slots(RecordKind::Dtmf, ChannelDocument::DtmfSlots);
    return out.Take();
}

} // namespace ChannelListLayout
