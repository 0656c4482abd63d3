// Any text as a CSV channel table: the reader and the import must never
// crash, an import that fails must leave the image alone, and what the
// writer writes must read back as the same cells.
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "image/new_image.h"
#include "table/channel_table.h"
#include "table/csv_reader.h"
#include "table/csv_writer.h"

using namespace zrx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const CsvReadResult read = readCsv(text);
    if (!read.error) {
        std::vector<std::vector<std::string>> rows;
        for (const CsvRecord& record : read.records) {
            rows.push_back(record.cells);
        }
        const CsvReadResult again = readCsv(writeCsv(rows));
        ZRX_FUZZ_CHECK(!again.error);
        ZRX_FUZZ_CHECK(again.records.size() == rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            ZRX_FUZZ_CHECK(again.records[i].cells == rows[i]);
        }
    }

    RadioImage image = makeNewImage();
    const RadioImage before = image;
    if (const auto error = importChannelTable(text, image)) {
        ZRX_FUZZ_CHECK(image == before);
        ZRX_FUZZ_CHECK(error->line >= 1);
        ZRX_FUZZ_CHECK(!error->message.empty());
    } else {
        // A table that imports also exports and imports again, to the same
        // bytes: every value it gives is the one the channel holds.
        RadioImage copy = image;
        ZRX_FUZZ_CHECK(
            !importChannelTable(writeCsv(channelTableRows(image, Language::English)), copy));
        ZRX_FUZZ_CHECK(copy == image);
    }
    return 0;
}
