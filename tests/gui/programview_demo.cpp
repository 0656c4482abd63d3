// Shows the channel table in a plain window, for screenshots and for trying
// the editor by hand before the main window exists around it.
//
//   zrx_programview_demo [--language 0|1|2] [--open FILE.sin]
//                        [--edit ROW,COL] [--popup]
//
// --edit opens the in-place editor of that cell as a press on it would;
// --popup then drops its list down.
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QTimer>

#include "app/view_factory.h"
#include "document/programdoc.h"
#include "editor/channel_grid_editor.h"
#include "editor/programview.h"
#include "grid/msflexgrid.h"
#include "shell/program_state.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption languageOption("language", "Language index 0, 1 or 2.", "index", "0");
    const QCommandLineOption openOption("open", "Channel data file to open.", "file");
    const QCommandLineOption editOption("edit", "Open the editor of cell ROW,COL.", "row,col");
    const QCommandLineOption popupOption("popup", "Drop the open list down.");
    parser.addOptions({languageOption, openOption, editOption, popupOption});
    parser.process(app);

    const int language = std::clamp(parser.value(languageOption).toInt(), 0, 2);
    ProgramState state;
    state.language = static_cast<zrx::Language>(language);
    state.moduleDirectory = QCoreApplication::applicationDirPath() + QLatin1Char('/');

    CProgramDoc doc(state);
    doc.OnNewDocument();
    const ViewParts parts = CreateProgramView(&doc, state, nullptr);
    auto* view = static_cast<CProgramView*>(parts.widget);
    doc.SetDialogParent(view);
    view->setWindowTitle(QStringLiteral("ZRX PC Encoder"));
    view->resize(view->minimumSize());
    view->move(10, 10);
    if (parser.isSet(openOption) && !doc.OnOpenDocument(parser.value(openOption))) {
        return 1;
    }
    view->show();
    view->activateWindow();

    if (parser.isSet(editOption)) {
        const QStringList cell = parser.value(editOption).split(QLatin1Char(','));
        const int row = cell.value(0).toInt();
        const int col = cell.value(1).toInt();
        const bool popup = parser.isSet(popupOption);
        QTimer::singleShot(300, view, [view, row, col, popup]() {
            view->grid()->setFocus();
            view->grid()->setCurrentCell(row, col);
            view->gridEditor()->ShowCellEditor();
            if (popup) {
                QTimer::singleShot(300, view, [view]() {
                    if (view->toneListBox()->isVisible()) {
                        view->toneListBox()->showPopup();
                    } else if (view->choiceList()->isVisible()) {
                        view->choiceList()->showPopup();
                    }
                });
            }
        });
    }
    return app.exec();
}
