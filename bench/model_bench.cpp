// Reading and writing a full document (all 221 memory slots used, every
// DTMF memory set), the command-line listing as a whole process, the
// channel table's work on that document, a CSV import of a large file, and
// the preview before a write (comparison and plan check) of a full radio.
#include "channelcells.h"
#include "channeldocument.h"
#include "channelrows.h"
#include "csvimport.h"
#include "datafile.h"
#include "recordtext.h"
#include "writepreview.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

ChannelDocument FullDocument()
{
    ChannelDocument doc;
    doc.ClearDocument();
    doc.SetComment("Full document for timing");
    for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot)
        doc.StoreMemory(slot, RecordText::ChannelLabel(slot) +
                                  ",00145012500,3,2,0,1,0,,09,,12,000600000,0,,00440012500,3,,NAME" +
                                  std::to_string(slot % 100));
    for (int slot = 0; slot < ChannelDocument::DtmfSlots; ++slot)
        doc.StoreDtmf(slot, "0" + std::to_string(slot) + ",1234567890ABCD*#");
    return doc;
}

void BM_WriteDataFile(benchmark::State& state)
{
    const ChannelDocument doc = FullDocument();
    for (auto _ : state)
        benchmark::DoNotOptimize(DataFile::WriteDataFile(doc));
}
BENCHMARK(BM_WriteDataFile)->Unit(benchmark::kMicrosecond);

void BM_ReadDataFile(benchmark::State& state)
{
    const std::string file = DataFile::WriteDataFile(FullDocument());
    ChannelDocument doc;
    for (auto _ : state) {
        doc.ClearDocument();
        DataFile::ReadDataFile(file, doc);
        benchmark::DoNotOptimize(doc.Record(RecordKind::Memory, 220));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_ReadDataFile)->Unit(benchmark::kMicrosecond);

void BM_CliListProcess(benchmark::State& state)
{
    char dir[] = "/tmp/qxp-bench-XXXXXX";
    if (!::mkdtemp(dir)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string file = std::string(dir) + "/full.46";
    std::ofstream(file, std::ios::binary) << DataFile::WriteDataFile(FullDocument());
    const std::string tool = QXP_CLI_PATH;
    const std::string typeOption = "--type=0,2,00,1,1,,";
    char* argv[] = {const_cast<char*>(tool.c_str()), const_cast<char*>("list"), const_cast<char*>(typeOption.c_str()),
                    const_cast<char*>(file.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, tool.c_str(), &actions, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start qxp-r46-cli");
            break;
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("qxp-r46-cli list failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    std::remove(file.c_str());
    ::rmdir(dir);
}
BENCHMARK(BM_CliListProcess)->Unit(benchmark::kMillisecond);

// 14 MB of one-field rows, every one skipped: the import streams the rows
// and keeps 300 notes, whatever the file holds.
void BM_CsvImportOneFieldRows(benchmark::State& state)
{
    std::string text = "Location,Frequency\n";
    while (text.size() < 14000000)
        text += "1\n";
    const BandPlan plan;
    for (auto _ : state) {
        const CsvImport::Result result = CsvImport::Read(text, plan);
        benchmark::DoNotOptimize(result.skipped);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_CsvImportOneFieldRows)->Unit(benchmark::kMillisecond);

} // namespace

// Every cell of the channel table once: what a search through all rows, or
// a repaint of a very tall window, costs.
void BM_ChannelTableAllCells(benchmark::State& state)
{
    const ChannelDocument doc = FullDocument();
    for (auto _ : state) {
        std::size_t length = 0;
        for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot)
            for (int column = 0; column < ChannelCells::ColumnCount; ++column)
                length += ChannelCells::Text(doc, slot, static_cast<ChannelCells::Column>(column)).size();
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK(BM_ChannelTableAllCells)->Unit(benchmark::kMicrosecond);

// One value for all 221 channels through the rules, as the table's bar sets it.
void BM_ChannelTableSetToneOnAll(benchmark::State& state)
{
    const ChannelDocument doc = FullDocument();
    std::vector<int> slots;
    for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot)
        slots.push_back(slot);
    for (auto _ : state)
        benchmark::DoNotOptimize(ChannelCells::EvaluateRows(doc, slots, ChannelCells::Column::Tone, "88.5Hz"));
}
BENCHMARK(BM_ChannelTableSetToneOnAll)->Unit(benchmark::kMicrosecond);

void BM_SortByFrequency(benchmark::State& state)
{
    ChannelDocument doc = FullDocument();
    for (int slot = 0; slot <= 199; ++slot)
        doc.StoreMemory(slot, RecordText::ChannelLabel(slot) + ",00" + std::to_string(145999 - slot * 7) +
                                  "000,3,0,0,0,0,,09,,09,000600000,0,,,,,");
    std::vector<int> slots;
    for (int slot = 0; slot <= 199; ++slot)
        slots.push_back(slot);
    for (auto _ : state) {
        ChannelDocument copy = doc;
        benchmark::DoNotOptimize(ChannelRows::Sort(copy, slots, ChannelRows::SortKey::RxFrequency));
    }
}
BENCHMARK(BM_SortByFrequency)->Unit(benchmark::kMicrosecond);

// What the preview before a write does once the radio has been read: the
// full radio against a file in which every memory channel differs, compared
// and checked.
void BM_WritePreviewFullRadio(benchmark::State& state)
{
    const ChannelDocument radio = FullDocument();
    ChannelDocument file = FullDocument();
    for (int slot = 0; slot < ChannelDocument::MemorySlots; ++slot)
        file.StoreMemory(slot, RecordText::ChannelLabel(slot) + ",00146025000,3,1,0,1,0,,09,,12,001000000,1,,,,,OTHER" +
                                   std::to_string(slot % 7));
    std::size_t changes = 0;
    for (auto _ : state) {
        const WritePreview::Result preview = WritePreview::Build(file, radio);
        changes = preview.changes.size();
        benchmark::DoNotOptimize(preview.findings.data());
    }
    state.counters["changes"] = static_cast<double>(changes);
}
BENCHMARK(BM_WritePreviewFullRadio)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
