// The window on a dark and on a high-contrast desktop, and at any screen
// scale, measured from pictures of it: every text at least 4.5 : 1 against
// what it stands on, the current cell's frame plain to see, grid lines all
// equally wide, toolbar images without blur, the printed page black on
// white. ctest runs it at 1, 1.5 and 2 times the scale. With
// ZRX_PICTURE_DIR set, the pictures measured are kept there to look at.
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolBar>
#include <QtTest>
#include <cmath>

#include "dialogs/optionfunctiondlg.h"
#include "document/programdoc.h"
#include "editor/channel_table_print.h"
#include "editor/programview.h"
#include "grid/flexgrid_painting.h"
#include "grid/msflexgrid.h"
#include "gui_test_support.h"
#include "image/new_image.h"
#include "shell/mainframe.h"

namespace {

QPalette darkPalette() {
    // Window text, button, light, dark, mid, text, bright text, base, window.
    QPalette p(QColor(0xe6e6e6), QColor(0x3c3c3c), QColor(0x505050), QColor(0x181818),
               QColor(0x606060), QColor(0xe6e6e6), Qt::white, QColor(0x1e1e1e), QColor(0x2b2b2b));
    p.setColor(QPalette::AlternateBase, QColor(0x353535));
    p.setColor(QPalette::Highlight, QColor(0x3d7ad6));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x8ab4f8));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(QPalette::Disabled, role, QColor(0x808080));
    }
    return p;
}

// White on black, as Windows' High Contrast Black has it.
QPalette highContrastPalette() {
    QPalette p(Qt::white, Qt::black, Qt::white, Qt::white, Qt::white, Qt::white, Qt::white,
               Qt::black, Qt::black);
    p.setColor(QPalette::Highlight, QColor(0x1a, 0xeb, 0xff));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x3f, 0xf2, 0x3f));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x3f, 0xf2, 0x3f));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x3f, 0xf2, 0x3f));
    p.setColor(QPalette::Link, QColor(0xff, 0xff, 0x00));
    return p;
}

double luminance(const QColor& colour) {
    const auto channel = [](double value) {
        value /= 255.0;
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of what is drawn in `area` of `picture` (logical pixels)
// against the ground it stands on: the ground is the area's commonest
// colour, the text its pixel that differs most from it.
double textContrast(const QImage& picture, const QRect& area) {
    const qreal scale = picture.devicePixelRatio();
    const QRect pixels(
        QPoint(qRound(area.left() * scale), qRound(area.top() * scale)),
        QPoint(qRound((area.right() + 1) * scale) - 1, qRound((area.bottom() + 1) * scale) - 1));
    QHash<QRgb, int> counts;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            ++counts[picture.pixel(x, y)];
        }
    }
    QRgb ground = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            ground = it.key();
        }
    }
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        best = std::max(best, contrast(QColor(ground), QColor(it.key())));
    }
    return best;
}

QRect inWindow(QWidget* widget, const QRect& rect, QWidget* window) {
    return {widget->mapTo(window, rect.topLeft()), rect.size()};
}

void keep(const QImage& picture, const QString& name) {
    const QString folder = qEnvironmentVariable("ZRX_PICTURE_DIR");
    if (!folder.isEmpty()) {
        picture.save(QDir(folder).filePath(name + QStringLiteral(".png")));
    }
}

} // namespace

class ContrastTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QApplication::setPalette(QPalette()); }

    void textIsReadableOnEveryPalette_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("dark") << darkPalette();
        QTest::newRow("high contrast") << highContrastPalette();
        QTest::newRow("light") << QApplication::style()->standardPalette();
    }

    void textIsReadableOnEveryPalette() {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        StartedProgram program;
        QVERIFY(program.start("Eng"));
        CMainFrame* frame = program.app.MainFrame();
        auto* view = qobject_cast<CProgramView*>(program.app.View());
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        program.app.Document()->EditChannel(
            3, {"446.00625", "446.00625", "Off", "Off", "No", "Wide", "Add"}, {});
        CMSFlexGrid* grid = view->grid();
        grid->setFocus(Qt::TabFocusReason);
        grid->setCurrentCell(3, 1);
        auto* lit = frame->findChild<QLabel*>(QStringLiteral("CAP"));
        lit->setEnabled(true); // as the lock key being on shows it
        const QImage picture = frame->grab().toImage();
        keep(picture, QStringLiteral("main-") + QTest::currentDataTag());

        const auto cell = [&](int row, int col) {
            return inWindow(grid->viewport(), grid->cellInteriorRect(row, col), frame);
        };
        const auto whole = [&](QWidget* widget) { return inWindow(widget, widget->rect(), frame); };
        const QList<QPair<const char*, QRect>> texts = {
            {"a channel's cell", cell(3, 2)},
            {"the current cell", cell(3, 1).adjusted(3, 3, -3, -3)},
            {"a heading", cell(0, 2)},
            {"a channel number", cell(3, 0)},
            {"a form label", whole(view->findChild<QLabel*>())},
            {"Default Factory", whole(view->findChild<QPushButton*>())},
            {"the Model list", whole(view->modelList()).adjusted(2, 2, -2, -2)},
            {"a lit indicator", whole(lit).adjusted(2, 2, -2, -2)},
        };
        for (const auto& [what, area] : texts) {
            const double ratio = textContrast(picture, area);
            QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2 : 1").arg(what).arg(ratio)));
        }
        // The frame of the current cell stands out from the cell.
        const QRect current = cell(3, 1);
        const QColor frameColour = picture.pixelColor(
            QPoint(current.center().x(), current.top() + 1) * picture.devicePixelRatio());
        QVERIFY(contrast(frameColour, palette.color(QPalette::Base)) >= 4.5);

        zrx::RadioImage image = zrx::makeNewImage();
        COptionFunctionDlg option(image, zrx::Language::English, frame);
        option.show();
        QVERIFY(QTest::qWaitForWindowExposed(&option));
        const QImage dialog = option.grab().toImage();
        keep(dialog, QStringLiteral("option-") + QTest::currentDataTag());
        QComboBox* list = option.List(zrx::SettingsField::TimeOutTimer);
        for (QWidget* widget :
             {static_cast<QWidget*>(option.findChild<QLabel*>()), static_cast<QWidget*>(list)}) {
            const double ratio =
                textContrast(dialog, QRect(widget->pos(), widget->size()).adjusted(2, 2, -2, -2));
            QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
        }
    }

    // Grid lines are whole device pixels, all equally wide, at any scale.
    void gridLinesAreEven() {
        ProgramState state;
        CProgramDoc doc(state);
        doc.OnNewDocument();
        CProgramView view(&doc, state);
        view.OnInitialUpdate();
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        CMSFlexGrid* grid = view.grid();
        const QImage picture = grid->viewport()->grab().toImage();
        keep(picture, QStringLiteral("grid"));
        const QRgb line = GridLineColor(grid->palette()).rgb();
        const qreal scale = picture.devicePixelRatio();
        const auto runs = [&](bool across, int at, int length) {
            QList<int> widths;
            int run = 0;
            for (int i = 0; i < length; ++i) {
                const QRgb pixel = across ? picture.pixel(i, at) : picture.pixel(at, i);
                if ((pixel & 0xFFFFFF) == (line & 0xFFFFFF)) {
                    ++run;
                } else if (run > 0) {
                    widths << run;
                    run = 0;
                }
            }
            if (run > 0) {
                widths << run;
            }
            return widths;
        };
        const QRect cell = grid->cellInteriorRect(5, 3);
        // Clear of the headings' and numbers' glyphs, whose edges may take
        // any shade.
        const QList<int> vertical = runs(true, qRound((cell.top() + 1) * scale), picture.width());
        const QList<int> horizontal =
            runs(false, qRound((cell.left() + 2) * scale), picture.height());
        QCOMPARE(vertical.size(), 8);
        QCOMPARE(horizontal.size(), 17);
        const int expected = std::max(1, static_cast<int>(std::floor(scale)));
        for (const QList<int>& widths : {vertical, horizontal}) {
            for (int width : widths) {
                QCOMPARE(width, expected);
            }
        }
    }

    // Drawn at twice the size, the toolbar images are the art itself, each
    // pixel a square of four: no colour that blurring would make.
    void toolbarImagesAreSharpAtTwiceTheSize() {
        StartedProgram program;
        QVERIFY(program.start("Eng"));
        const QPixmap strip(QStringLiteral(":/toolbar128@2x.png"));
        QSet<QRgb> art;
        const QImage strip2x = strip.toImage();
        for (int y = 0; y < strip2x.height(); ++y) {
            for (int x = 0; x < strip2x.width(); ++x) {
                art.insert(strip2x.pixel(x, y));
            }
        }
        int icons = 0;
        for (QAction* action : program.app.MainFrame()->ToolBar()->actions()) {
            if (action->icon().isNull()) {
                continue;
            }
            ++icons;
            const QImage image = action->icon().pixmap(QSize(18, 18), 2.0).toImage();
            QCOMPARE(image.size(), QSize(36, 36));
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    QVERIFY(art.contains(image.pixel(x, y)));
                }
            }
        }
        QCOMPARE(icons, 7);
    }

    // The page goes to paper black on white whatever the desktop's colours.
    void printedPageIsBlackOnWhite() {
        QApplication::setPalette(darkPalette());
        QImage page(800, 600, QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            QPainter painter(&page);
            channel_table_print::DrawPage(painter, {{QStringLiteral("CH"), QStringLiteral("Rx")},
                                                    {QStringLiteral("1"), QStringLiteral("446")}});
        }
        int darkest = 255;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const QColor pixel = page.pixelColor(x, y);
                QVERIFY(pixel.red() == pixel.green() && pixel.green() == pixel.blue());
                darkest = std::min(darkest, pixel.red());
            }
        }
        QCOMPARE(darkest, 0);
    }
};

QTEST_MAIN(ContrastTest)
#include "contrast_test.moc"
