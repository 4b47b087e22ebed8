// Feeds arbitrary bytes to both data file readers and writes the result back:
// nothing may crash, overflow a slot or leave a record longer than its slot,
// and a document read from a current-layout file must survive a round trip.
#include "channeldocument.h"
#include "slotchecks.h"
#include "datafile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    ChannelDocument current;
    current.ClearDocument();
    DataFile::ReadDataFile(bytes, current);
    CheckSlots(current);

    // Once written, a document reads back into the same slots: writing it
    // again gives the same bytes. (The first write may differ from the input,
    // since records of four characters or fewer are never written and their
    // slots fall back to the defaults.)
    auto rewrite = [](const std::string& file) {
        ChannelDocument doc;
        doc.ClearDocument();
        DataFile::ReadDataFile(file, doc);
        return DataFile::WriteDataFile(doc);
    };
    const std::string once = rewrite(DataFile::WriteDataFile(current));
    if (rewrite(once) != once)
        std::abort();

    ChannelDocument old;
    old.StoreRadioType("0,3,00,1,1,1,2");
    old.ClearDocument();
    DataFile::ReadV100File(bytes, old);
    CheckSlots(old);
    (void)DataFile::WriteDataFile(old);
    return 0;
}
