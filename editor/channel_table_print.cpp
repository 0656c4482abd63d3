#include "channel_table_print.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <array>
#include <cmath>

namespace channel_table_print {
namespace {

constexpr int kPointSize = 14;

// Left edges of the eight columns in average character widths.
constexpr std::array<int, 8> kColumnChars = {2, 8, 20, 32, 42, 52, 62, 72};

// How often each lower-case letter and the space occur in English text, per
// thousand characters: the weights by which fonts of the Arial generation
// state their average character width. Newer fonts, among them Arial's
// metric-compatible twin, state an average over every glyph they carry
// instead, which is a third wider and would push the last columns off the
// paper. Weighing the font's own advances by these figures gives Arial's
// printers' width for Arial and its twin alike.
struct LetterWeight {
    char letter;
    int perThousand;
};
constexpr std::array<LetterWeight, 27> kLetterWeights = {{
    {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20},  {'g', 14},
    {'h', 42}, {'i', 63}, {'j', 3},  {'k', 6},  {'l', 35},  {'m', 20},  {'n', 56},
    {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49}, {'s', 56},  {'t', 71},  {'u', 31},
    {'v', 10}, {'w', 18}, {'x', 3},  {'y', 18}, {'z', 2},   {' ', 166},
}};

// a × b / c rounded to the nearest integer, halves away from zero, as the
// printer's integer arithmetic does it.
int mulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

int averageCharWidth(const QFontMetricsF& metrics) {
    double sum = 0;
    for (const LetterWeight& weight : kLetterWeights) {
        sum += metrics.horizontalAdvance(QChar::fromLatin1(weight.letter)) * weight.perThousand;
    }
    return static_cast<int>(std::lround(sum / 1000.0));
}

} // namespace

QFont PageFont(int pixelsPerInchY) {
    QFont font(QStringLiteral("Arial"));
    // The character height (the em), not the cell height, is 14 points.
    font.setPixelSize(std::max(1, mulDiv(kPointSize, pixelsPerInchY, 72)));
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    // A modern family with default pitch: what stands in when no Arial (nor
    // its twin) is installed.
    font.setStyleHint(QFont::TypeWriter, QFont::ForceOutline);
    return font;
}

PageMetrics MeasurePageFont(const QFont& font, const QPainter& painter) {
    const QFontMetricsF metrics(font, painter.device());
    return PageMetrics{static_cast<int>(std::lround(metrics.height() + metrics.leading())),
                       averageCharWidth(metrics)};
}

int ColumnX(int column, const PageMetrics& metrics) {
    return kColumnChars.at(static_cast<std::size_t>(column)) * metrics.charWidth;
}

void DrawPage(QPainter& painter, const GridTexts& rows) {
    painter.save();
    // Black on the white paper, whatever the desktop's colours.
    painter.setPen(Qt::black);
    const QFont font = PageFont(painter.device()->logicalDpiY());
    painter.setFont(font);
    const PageMetrics metrics = MeasurePageFont(font, painter);
    const qreal ascent = QFontMetricsF(font, painter.device()).ascent();
    int y = metrics.lineHeight;
    for (const QStringList& row : rows) {
        y += metrics.lineHeight;
        const int columns = std::min<int>(static_cast<int>(row.size()), kColumnChars.size());
        for (int c = 0; c < columns; ++c) {
            const QString& text = row.at(c);
            if (text.isEmpty()) {
                continue;
            }
            // The text's top at y: Qt places text by its baseline.
            painter.drawText(QPointF(ColumnX(c, metrics), y + ascent), text);
        }
    }
    painter.restore();
}

} // namespace channel_table_print
