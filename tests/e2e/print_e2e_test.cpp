// The program's print switches against a real print system: a private CUPS
// daemon with a cups-pdf queue, the printed PDF read back with poppler.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "pdf_words.h"
#include "private_cups.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr const char* kQueue = "zrx-pdf";

fs::path outputDir() {
    const char* dir = std::getenv("ZRX_OUTPUT_DIR");
    return dir != nullptr ? fs::path(dir) : fs::path();
}

class ProgramPrintTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_cups = new PrivateCups;
        if (!s_cups->error().empty()) {
            return;
        }
        s_queueError = s_cups->addPdfQueue(kQueue);
        // The program finds the print system here and nowhere else, and
        // runs as on a machine without a screen.
        const std::string home = (s_cups->folder() / "home").string();
        ::setenv("CUPS_SERVER", s_cups->socketPath().c_str(), 1);
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", home.c_str(), 1);
        ::chmod(home.c_str(), 0700);
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LPDEST", "PRINTER"}) {
            ::unsetenv(name);
        }
    }
    static void TearDownTestSuite() {
        delete s_cups;
        s_cups = nullptr;
    }

    void SetUp() override {
        ASSERT_TRUE(s_cups->error().empty()) << "no private print system: " << s_cups->error();
        ASSERT_TRUE(s_queueError.empty()) << s_queueError;
        m_file = s_cups->folder() / "radio.sin";
        fs::copy_file(outputDir() / "Default.sin", m_file, fs::copy_options::overwrite_existing);
        s_cups->clearPrinted();
    }

    static TimedRun program(const std::vector<std::string>& arguments) {
        std::vector<std::string> argv{(outputDir() / "Program").string()};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        return runWithin(argv, 60s);
    }

    static PrivateCups* s_cups;
    static std::string s_queueError;
    fs::path m_file;
};

PrivateCups* ProgramPrintTest::s_cups = nullptr;
std::string ProgramPrintTest::s_queueError;

TEST_F(ProgramPrintTest, PrintToNamedQueue_PrintsTheChannelTableOnOnePage) {
    const TimedRun run = program({"/pt", m_file.string(), kQueue});
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_EQ(run.err, "");
    const fs::path pdf = s_cups->waitForPrinted(30s);
    ASSERT_FALSE(pdf.empty()) << "no PDF from the queue" << s_cups->log();

    const PdfWords page = readPdfWords(pdf.string());
    ASSERT_EQ(page.error, "");
    EXPECT_EQ(page.pages, 1);
    // Channel 11 of the factory set, its eight texts in their columns: 2, 8,
    // 20 ... 72 average widths of 14-point Arial (904/2048 of the em).
    const auto eleven = std::find_if(page.words.cbegin(), page.words.cend(),
                                     [](const PdfWord& w) { return w.text == "11"; });
    ASSERT_NE(eleven, page.words.cend());
    std::vector<PdfWord> line;
    std::copy_if(page.words.cbegin(), page.words.cend(), std::back_inserter(line),
                 [&](const PdfWord& w) { return std::abs(w.yMin - eleven->yMin) < 1; });
    std::sort(line.begin(), line.end(),
              [](const PdfWord& a, const PdfWord& b) { return a.xMin < b.xMin; });
    std::vector<std::string> texts;
    for (const PdfWord& word : line) {
        texts.push_back(word.text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"11", "467.76250", "467.76250", "D023N", "D023N",
                                               "Yes", "Narrow", "Add"}));
    ASSERT_EQ(line.size(), 8u);
    const int columns[8] = {2, 8, 20, 32, 42, 52, 62, 72};
    const double width = 14.0 * 904 / 2048;
    for (std::size_t c = 0; c < 8; ++c) {
        EXPECT_NEAR(line[c].xMin - line[0].xMin, (columns[c] - 2) * width, 0.5) << c;
    }
}

TEST_F(ProgramPrintTest, PrintSwitches_OnlyAPrintedPageIsASuccess) {
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const std::string missing = (s_cups->folder() / "missing.sin").string();
    const Case failures[] = {
        {{"/pt", m_file.string(), "Nowhere"}, "ZRX PC Encoder: Printer not found: Nowhere\n"},
        {{"/p", m_file.string()}, "ZRX PC Encoder: There is no default printer.\n"},
        {{"/pt", missing, kQueue}, "ZRX PC Encoder: " + missing + ": no such file or folder\n"},
    };
    for (const Case& failure : failures) {
        const TimedRun run = program(failure.arguments);
        EXPECT_EQ(run.exitStatus, 1) << failure.message << run.output;
        EXPECT_EQ(run.err, failure.message);
    }
    EXPECT_TRUE(s_cups->waitForPrinted(1s).empty()) << "a failure printed";

    // With a default printer, /p prints on it.
    ASSERT_EQ(s_cups->setDefault(kQueue), "");
    const TimedRun run = program({"/p", m_file.string()});
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const fs::path pdf = s_cups->waitForPrinted(30s);
    ASSERT_FALSE(pdf.empty()) << s_cups->log();
    EXPECT_EQ(readPdfWords(pdf.string()).pages, 1);
}

} // namespace
