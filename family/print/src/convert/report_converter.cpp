#include "family/print/src/convert/report_converter.h"

#include "family/print/src/convert/layout_devices.h"
#include "family/print/src/convert/report_layout.h"
#include "family/print/src/convert/report_markers.h"
#include "family/print/src/convert/rtf_tables.h"
#include "family/print/src/dialogs/converter_feedback.h"
#include "family/print/src/job/print_job.h"
#include "family/print/src/render/device_twips.h"

#include "platform/progress/waiting_messages.h"

#include <unistd.h>

#include <algorithm>
#include <memory>
#include <new>

namespace pressel {
namespace {

constexpr int kFailed = 1;

// The blocks one conversion works with.
struct ConversionBlocks {
    std::unique_ptr<PrintFileHeader> header;
    std::unique_ptr<PrintFileBuffer> writer;
    std::unique_ptr<RtfTokenizer> reader;
};

std::optional<ConversionBlocks> AllocateBlocks(int templateFile, int printFile) {
    try {
        return ConversionBlocks{std::make_unique<PrintFileHeader>(),
                                std::make_unique<PrintFileBuffer>(printFile),
                                std::make_unique<RtfTokenizer>(templateFile)};
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

// The header's font and colour tables from the template's, with the maps from the template's
// numbers to their indexes; a number the tables did not record maps to index 0.
struct TableMaps {
    std::array<std::uint8_t, 256> fonts{};
    std::array<std::uint8_t, 256> colours{};
};

TableMaps FillTables(const RtfFontTable& fonts, const std::vector<std::uint32_t>& colours,
                     LayoutDevices& devices, PrintFileHeader& header) {
    TableMaps maps;
    for (std::size_t slot = 0; slot < fonts.fonts.size(); ++slot) {
        header.fonts[slot] = devices.PrinterFontRecord(fonts.fonts[slot].record);
        maps.fonts[static_cast<std::size_t>(fonts.fonts[slot].number)] =
            static_cast<std::uint8_t>(slot);
    }
    for (std::size_t slot = 0; slot < colours.size(); ++slot) {
        header.colours[slot] = colours[slot];
        maps.colours[slot] = static_cast<std::uint8_t>(slot);
    }
    header.defaultFont = maps.fonts[static_cast<std::size_t>(fonts.defaultFont) & 0xFF];
    return maps;
}

FormatState DefaultState(int defaultFont, HDC printer) {
    FormatState state;
    state.section.defaultFont = static_cast<std::int16_t>(defaultFont);
    state.character.font = static_cast<std::uint8_t>(defaultFont);
    if (const std::optional<SIZE> page = PhysicalPageSize(printer)) {
        state.section.paperWidth = static_cast<std::int16_t>(page->cx);
        state.section.paperHeight = static_cast<std::int16_t>(page->cy);
    }
    return state;
}

bool WriteHeader(PrintFileBuffer& writer, const PrintFileHeader& header) {
    const std::int64_t end = writer.Tell();
    const std::vector<std::uint8_t> bytes = EncodePrintFileHeader(header);
    const bool written = writer.Seek(0, PrintFileBuffer::Origin::kStart) == 0 &&
                         writer.PutBytes(bytes) &&
                         writer.Seek(end, PrintFileBuffer::Origin::kStart) == end;
    return written && writer.Flush();
}

ConvertedDocument ConvertWithMarks(int templateFile, int printFile, HDC layoutDc,
                                   const PrintFieldTable* fields, HWND dialog, HDC printerDc,
                                   const PrintJob* job, MarkPositions& marks) {
    ConvertedDocument converted{kFailed, {}};
    std::optional<ConversionBlocks> blocks = AllocateBlocks(templateFile, printFile);
    if (!blocks) {
        ShowLibraryMessage(dialog, kOutOfMemoryCaption, kOutOfMemoryText);
        return converted;
    }
    PrintFileHeader& header = *blocks->header;
    PrintFileBuffer& writer = *blocks->writer;
    RtfTokenizer& reader = *blocks->reader;
    writer.Seek(0, PrintFileBuffer::Origin::kStart);

    const std::int64_t fileSize = std::max<std::int64_t>(::lseek(templateFile, 0, SEEK_END), 0);
    reader.SeekTo(0);
    progress::LetMessagesThrough(dialog);
    const RtfFontTable fonts = ReadRtfFontTable(reader);
    progress::LetMessagesThrough(dialog);
    if (!fonts.hasDefaultFont) {
        ShowLibraryMessage(dialog, kFileErrorCaption, kCorruptFileText);
        return converted;
    }
    // Without a colour table the search for one reads to the end; the body is then read from
    // where the font table ended, so that it is not lost.
    const std::int64_t afterFonts = reader.Tell();
    const std::vector<std::uint32_t> colours = ReadRtfColourTable(reader);
    if (colours.empty() && reader.Tell() >= fileSize) {
        reader.SeekTo(afterFonts);
    }
    progress::LetMessagesThrough(dialog);

    LayoutDevices devices(layoutDc, printerDc);
    const TableMaps maps = FillTables(fonts, colours, devices, header);
    const FormatState defaults = DefaultState(fonts.defaultFont, devices.Printer());
    devices.SelectFont(defaults.character, header.fonts[maps.fonts[defaults.character.font]]);

    LayoutTarget target{header, writer, devices, {}, nullptr, 0, dialog};
    if (fields != nullptr && fields->fields != nullptr && fields->count > 0) {
        target.fields = std::span(fields->fields, static_cast<std::size_t>(fields->count));
    }
    if (job != nullptr) {
        target.tables = job->tables;
        const std::vector<HBITMAP> pictures = HostPicturesOfJob(*job);
        header.pictureCount = static_cast<std::int16_t>(pictures.size());
        std::transform(
            pictures.begin(), pictures.end(), header.pictures.begin(), [](HBITMAP bitmap) {
                return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(bitmap));
            });
        target.hostPictures = header.pictureCount;
    }
    writer.Seek(static_cast<std::int64_t>(kPrintFileHeaderSize), PrintFileBuffer::Origin::kStart);

    ReportLayout layout(reader, target, defaults, maps.fonts, maps.colours);
    converted.result = layout.Run(fileSize);
    marks = layout.Marks();
    // The bitmaps after the caller's are the ones the layout made for the template.
    for (int index = target.hostPictures; index < header.pictureCount; ++index) {
        converted.pictures.push_back(reinterpret_cast<HBITMAP>(
            static_cast<std::uintptr_t>(header.pictures[static_cast<std::size_t>(index)])));
    }
    if (const LRESULT answer = ReportProgress(dialog, 100); answer != 0 && converted.result == 0) {
        converted.result = static_cast<int>(answer);
    }
    if (!WriteHeader(writer, header) || writer.WriteFailed()) {
        // A file that could not be written whole lists its pictures for nobody.
        for (const HBITMAP bitmap : converted.pictures) {
            DeleteObject(bitmap);
        }
        converted.pictures.clear();
        ShowLibraryMessage(dialog, kFileErrorCaption, kCorruptFileText);
        converted.result = kFailed;
    }
    return converted;
}

} // namespace

ConvertedDocument ConvertDocument(int templateFile, int printFile, HDC layoutDc,
                                  const PrintFieldTable* fields, HWND dialog, HDC printerDc,
                                  const PrintJob* job) {
    MarkPositions marks;
    ConvertedDocument converted =
        ConvertWithMarks(templateFile, printFile, layoutDc, fields, dialog, printerDc, job, marks);
    WriteMarkPositions(marks);
    return converted;
}

} // namespace pressel
