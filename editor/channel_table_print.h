#pragma once

#include <QFont>
#include <QList>
#include <QStringList>

class QPainter;

// The printed channel table: one page that lists the texts of every grid
// row, the heading row first, as plain text in columns. No title, header,
// footer or ruling; a text longer than its column runs on over the next one.
namespace channel_table_print {

// The grid's texts, one list per row (row 0 the headings), column 0 first.
using GridTexts = QList<QStringList>;

// The font every position on the page derives from: "Arial" at 14 points,
// its character height set in the device pixels of a printer with
// `pixelsPerInchY` vertical resolution.
[[nodiscard]] QFont PageFont(int pixelsPerInchY);

// The two distances the page is laid out in, in device pixels.
struct PageMetrics {
    int lineHeight; // the font's height plus its external leading
    int charWidth;  // the font's average character width
};
[[nodiscard]] PageMetrics MeasurePageFont(const QFont& font, const QPainter& painter);

// Left edge of grid column `column` (0 to 7) in device pixels.
[[nodiscard]] int ColumnX(int column, const PageMetrics& metrics);

// Draws the page with `painter`, which is active on the printer (or preview
// page) in its device pixels; row i's texts have their tops at (i + 2) line
// heights.
void DrawPage(QPainter& painter, const GridTexts& rows);

} // namespace channel_table_print
