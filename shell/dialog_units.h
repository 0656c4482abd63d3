#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// Dialog layouts are given in dialog units, which scale with the dialog's
// font: a horizontal unit is a quarter of the font's average character
// width, a vertical unit an eighth of its height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    [[nodiscard]] int ToPixelsX(int units) const;
    [[nodiscard]] int ToPixelsY(int units) const;
    [[nodiscard]] QRect ToPixels(int x, int y, int width, int height) const;
    [[nodiscard]] QSize ToPixels(int width, int height) const;

private:
    int m_charWidth = 0;
    int m_charHeight = 0;
};

// Gives `widget` the numeric control id of its template entry, so tests and
// translations find it by that id.
class QWidget;
void SetControlId(QWidget* widget, int id);
