// Throughput of the template engine's rewrites over a report-sized template, and of the CRC-16;
// and the substitution of a hostile key set: many keys that share their first bytes, over a
// template made of those bytes, where every position begins some key's prefix.
#include "output/template/template_document.h"

#include "platform/crc/crc16.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace {

constexpr std::size_t kTemplateSize = 100 * 1024;
constexpr int kEyCount = 66;

std::string Key(int i) {
    return "R-Field" + std::to_string(i);
}

// About 100 KB of rich text whose lines each carry one of the 66 tokens, as a Stretch report
// template carries its report fields.
std::string TokenTemplate() {
    std::string text = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}}\n";
    for (int line = 0; text.size() < kTemplateSize; ++line) {
        text += "\\pard\\fs20 Distribution for the year " + Key(line % kEyCount) +
                " of the planholder\\tab\\par\n";
    }
    return text + "}";
}

// About 100 KB of rich text around one table block of three-cell rows.
std::string TableTemplate() {
    std::string text = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}}\n";
    const std::string block = "$#table PLANHOLDER1 {\\trowd\\cellx2000\\cellx4000\\cellx6000"
                              "{\\b Year}\\cell{\\b Age}\\cell{\\b Distribution}\\cell\\row}\n"
                              "$#entry 40,40\n{\\trowd\\cellx2000\\cellx4000\\cellx6000 "
                              "~1\\cell ~2\\cell ~3\\cell\\row}\n$#endentry\n"
                              "{\\pard\\par}\n$#endtable\n";
    const std::string filler = "\\pard\\fs20 Text of the report around its tables.\\par\n";
    while (text.size() < kTemplateSize / 2) {
        text += filler;
    }
    text += block;
    while (text.size() < kTemplateSize) {
        text += filler;
    }
    return text + "}";
}

void DoSubWith66Keys(benchmark::State& state) {
    const std::string text = TokenTemplate();
    output::TemplateDocument document;
    for (int i = 0; i < kEyCount; ++i) {
        document.SubToken(Key(i), "$" + std::to_string(1000 + i * 37) + ".00");
    }
    for (auto _ : state) {
        document.SetDocument(text);
        benchmark::DoNotOptimize(document.DoSub());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(DoSubWith66Keys);

constexpr int kSharedKeyCount = 10000;
constexpr std::size_t kHostileTemplateSize = 200 * 1024;

// 10,000 keys "$K0000" to "$K9999" over 200 KB of "$K" and "$K1" with one key in every 64 bytes:
// at each byte a matcher that tries every key of that first byte tries all 10,000.
void DoSubWith10000KeysSharingTheirFirstBytes(benchmark::State& state) {
    output::TemplateDocument document;
    for (int i = 0; i < kSharedKeyCount; ++i) {
        char key[8];
        std::snprintf(key, sizeof key, "$K%04d", i);
        document.SubToken(key, std::to_string(i));
    }
    std::string text;
    while (text.size() < kHostileTemplateSize) {
        text += text.size() % 64 == 0 ? "$K4242" : "$K$K1";
    }
    for (auto _ : state) {
        document.SetDocument(text);
        benchmark::DoNotOptimize(document.DoSub());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(DoSubWith10000KeysSharingTheirFirstBytes)->Unit(benchmark::kMillisecond);

void DoTableWith100Rows(benchmark::State& state) {
    const std::string text = TableTemplate();
    output::TemplateDocument document;
    for (int year = 2002; year < 2102; ++year) {
        document.TableEntry(std::to_string(year) + "~" + std::to_string(year - 1930) + "~$" +
                            std::to_string(year * 3) + ".00");
    }
    for (auto _ : state) {
        document.SetDocument(text);
        benchmark::DoNotOptimize(document.DoTable("PLANHOLDER1"));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(DoTableWith100Rows);

// A report-sized document written to a file and read back, as a report fill ends and the next
// one begins. The file lies in a folder of the run's own, removed at the end.
void FileWriteAndRead(benchmark::State& state) {
    std::string folder = std::filesystem::temp_directory_path() / "bench-template-XXXXXX";
    if (mkdtemp(folder.data()) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::filesystem::path file = std::filesystem::path(folder) / "report.rtf";
    const std::string text = TokenTemplate();
    output::TemplateDocument document;
    for (auto _ : state) {
        document.SetDocument(text);
        benchmark::DoNotOptimize(document.FileWrite(file));
        benchmark::DoNotOptimize(document.FileRead(file));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    std::filesystem::remove_all(folder);
}
BENCHMARK(FileWriteAndRead);

void Crc16Over10MB(benchmark::State& state) {
    std::string bytes(10 * 1024 * 1024, '\0');
    std::mt19937 random(5103);
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(crc::Crc16Of(bytes));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(Crc16Over10MB)->Unit(benchmark::kMillisecond);

} // namespace
