#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <set>

#include "editor/channel_table_print.h"
#include "editor/grid_texts.h"
#include "shell/qt_text.h"
#include "pdf_words.h"

// The printed channel table on a PDF printer, read back word by word with
// its position: what a user holds in hand, measured.
//
// Arial's own figures stand against the page: an em of 2048 units, an
// average character width of 904 units, and ascent, descent and external
// leading of 1854, 434 and 67 units. Its metric-compatible twin shares them.
class ChannelTablePrintTest : public QObject {
    Q_OBJECT

private:
    static constexpr int kColumnChars[8] = {2, 8, 20, 32, 42, 52, 62, 72};
    static constexpr int kLongColumn = 1;
    static inline const QString kLongText = QStringLiteral("462.5625000000000000000000");

    // A full grid: headings, channels with all their texts, an empty channel
    // (its number alone) and, in channel 2, an Rx text far too long for its
    // column, with no Tx text, so that it can be read whole.
    static channel_table_print::GridTexts gridTexts(zrx::Language language) {
        using namespace zrx::editing;
        channel_table_print::GridTexts rows;
        QStringList headings;
        for (const zrx::LocalText& heading : kGridHeadings) {
            headings << toQString(heading.in(language));
        }
        rows << headings;
        for (int n = 1; n <= 16; ++n) {
            if (n == 3) {
                rows << QStringList{QString::number(n), {}, {}, {}, {}, {}, {}, {}};
                continue;
            }
            const QString frequency =
                QStringLiteral("4%1.%2250").arg(40 + n).arg(n % 10, 2, 10, QLatin1Char('0'));
            rows << QStringList{QString::number(n),
                                n == 2 ? kLongText : frequency,
                                n == 2 ? QString() : frequency,
                                QStringLiteral("67.0"),
                                QStringLiteral("D023N"),
                                toQString(kBusyLockChoices.first.in(language)),
                                toQString(kBandwidthChoices.second.in(language)),
                                toQString(kAddScanChoices.first.in(language))};
        }
        return rows;
    }

    // The words whose tops lie near `yMin`, left to right. Latin and Chinese
    // glyphs come from different fonts whose boxes start a little apart.
    static std::vector<PdfWord> wordsOnLine(const PdfWords& page, double yMin, double line) {
        std::vector<PdfWord> words;
        std::copy_if(page.words.cbegin(), page.words.cend(), std::back_inserter(words),
                     [=](const PdfWord& w) { return std::abs(w.yMin - yMin) < line / 4; });
        std::sort(words.begin(), words.end(),
                  [](const PdfWord& a, const PdfWord& b) { return a.xMin < b.xMin; });
        return words;
    }

    static const PdfWord* find(const PdfWords& page, const QString& text) {
        const std::string wanted = text.toStdString();
        const auto it = std::find_if(page.words.cbegin(), page.words.cend(),
                                     [&wanted](const PdfWord& w) { return w.text == wanted; });
        return it == page.words.cend() ? nullptr : &*it;
    }

private slots:
    void pageShowsTheGridInColumnsAndRows_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("dpi");
        QTest::newRow("English, 1200 dpi") << int(zrx::Language::English) << 1200;
        QTest::newRow("English, 300 dpi") << int(zrx::Language::English) << 300;
        QTest::newRow("Simplified Chinese, 600 dpi")
            << int(zrx::Language::SimplifiedChinese) << 600;
        QTest::newRow("Traditional Chinese, 1200 dpi")
            << int(zrx::Language::TraditionalChinese) << 1200;
    }

    void pageShowsTheGridInColumnsAndRows() {
        QFETCH(int, language);
        QFETCH(int, dpi);
        const auto lang = static_cast<zrx::Language>(language);
        const channel_table_print::GridTexts grid = gridTexts(lang);

        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("table.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setResolution(dpi);
        QPainter painter;
        QVERIFY(painter.begin(&printer));
        channel_table_print::DrawPage(painter, grid);
        QVERIFY(painter.end());
        const double top = printer.pageLayout().paintRect(QPageLayout::Point).top();

        const PdfWords page = readPdfWords(pdf.toStdString());
        QVERIFY2(page.error.empty(), page.error.c_str());
        QCOMPARE(page.pages, 1);

        const double pixel = 72.0 / dpi; // one printer pixel in points
        const double em = std::round(14.0 * dpi / 72.0) * pixel;

        // Rows: each channel number one line below the one before, channel
        // n's top (n + 2) lines below the top of the printable area; the
        // heading row's first word one line above channel 1.
        std::vector<double> rowTops;
        for (int n = 1; n <= 16; ++n) {
            const PdfWord* number = find(page, QString::number(n));
            QVERIFY(number != nullptr);
            rowTops.push_back(number->yMin);
        }
        const double line = (rowTops.back() - rowTops.front()) / 15;
        QVERIFY2(std::abs(line - std::round(em * 2355 / 2048 / pixel) * pixel) <= pixel,
                 qPrintable(QString::number(line)));
        for (int n = 1; n <= 16; ++n) {
            QVERIFY2(std::abs(rowTops[std::size_t(n - 1)] - (top + (n + 2) * line)) <= pixel + 0.01,
                     qPrintable(QStringLiteral("channel %1").arg(n)));
        }
        const PdfWord* heading = find(page, grid[0][0].split(QLatin1Char(' ')).front()); // CH, 信道
        QVERIFY(heading != nullptr);

        // Columns: a channel's eight texts start at 2, 8, 20 ... 72 average
        // character widths, Arial's average width at 14 points.
        const std::vector<PdfWord> channel = wordsOnLine(page, rowTops[0], line);
        QCOMPARE(channel.size(), std::size_t(8));
        const double width = (channel[7].xMin - channel[0].xMin) / 70;
        QVERIFY2(std::abs(width - em * 904 / 2048) <= pixel / 2 + 0.01,
                 qPrintable(QString::number(width)));
        for (std::size_t c = 0; c < 8; ++c) {
            QVERIFY2(std::abs(channel[c].xMin - channel[0].xMin - (kColumnChars[c] - 2) * width) <
                         0.05,
                     qPrintable(QStringLiteral("column %1").arg(c)));
        }
        // The headings start in the same columns, or lie under the heading
        // before them where that runs on ("Busy Lock" over "W/N").
        const std::vector<PdfWord> headings = wordsOnLine(page, top + 2 * line, line);
        for (std::size_t c = 0; c < 8; ++c) {
            QVERIFY2(std::any_of(headings.cbegin(), headings.cend(),
                                 [&](const PdfWord& w) {
                                     const double x = channel[c].xMin;
                                     return std::abs(w.xMin - x) < 0.05 ||
                                            (w.xMin < x && w.xMax > x);
                                 }),
                     qPrintable(QStringLiteral("heading %1").arg(c)));
        }
        // Nothing runs off the paper.
        for (const PdfWord& word : page.words) {
            QVERIFY2(word.xMax < page.pageWidth, word.text.c_str());
        }

        // A text too long for its column runs on over the next one, whole and
        // on its own line.
        const PdfWord* longText = find(page, kLongText);
        QVERIFY(longText != nullptr);
        QVERIFY(std::abs(longText->yMin - rowTops[1]) < 0.05);
        QVERIFY(std::abs(longText->xMin - channel[kLongColumn].xMin) < 0.05);
        QVERIFY(longText->xMax > channel[kLongColumn + 1].xMin);

        // The empty channel shows its number alone.
        QCOMPARE(wordsOnLine(page, rowTops[2], line).size(), std::size_t(1));
    }
};

QTEST_MAIN(ChannelTablePrintTest)
#include "channel_table_print_test.moc"
