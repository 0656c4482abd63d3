// The grid's operations and events: units, geometry that matches what it
// draws, the fixed heading row and column, and the order of its events.
#include <QSignalSpy>
#include <QTest>

#include "grid/msflexgrid.h"

class MSFlexGridTest : public QObject {
    Q_OBJECT

private:
    CMSFlexGrid* m_grid = nullptr;

private slots:
    void init() {
        m_grid = new CMSFlexGrid;
        m_grid->resize(600, 400);
        m_grid->SetRows(17);
        m_grid->SetCols(8);
        m_grid->SetFixedRows(1);
        m_grid->SetFixedCols(1);
        m_grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_grid));
    }
    void cleanup() { delete m_grid; }

    void twipsFollowTheScreensLogicalResolution() {
        const int dpi = m_grid->logicalDpiX();
        m_grid->SetColWidth(3, 1440);
        QCOMPARE(m_grid->GetColWidth(3), 1440L);
        // One inch of cell interior, plus the grid line.
        QCOMPARE(m_grid->columnWidth(3), dpi + 1);
    }

    void positionsAndSizesAgreeWithTheDrawnCells() {
        auto px = [this](long value) { return m_grid->twipsToPixelsX(value); };
        for (int c = 0; c < 8; ++c) {
            const QRect cell = m_grid->cellInteriorRect(4, c);
            // Client area = viewport, inside the 2-pixel frame.
            QCOMPARE(m_grid->viewport()->pos(), QPoint(2, 2));
            QCOMPARE(px(m_grid->GetColPos(c)), cell.left());
            QCOMPARE(px(m_grid->GetColWidth(c)), cell.width());
        }
        const QRect cell = m_grid->cellInteriorRect(9, 2);
        QCOMPARE(px(m_grid->GetRowPos(9)), cell.top());
        QCOMPARE(px(m_grid->GetRowHeight(9)), cell.height());
    }

    void textMatrixOfAnUntouchedCellIsEmpty() {
        QCOMPARE(m_grid->GetTextMatrix(5, 5), QString());
        m_grid->SetTextMatrix(5, 5, QStringLiteral("x"));
        QCOMPARE(m_grid->GetTextMatrix(5, 5), QStringLiteral("x"));
        // Out of range reads are empty and writes are ignored.
        QCOMPARE(m_grid->GetTextMatrix(99, 1), QString());
        m_grid->SetTextMatrix(-1, 1, QStringLiteral("y"));
    }

    void currentCellNeverEntersTheHeadings() {
        QCOMPARE(m_grid->GetRow(), 1L);
        QCOMPARE(m_grid->GetCol(), 1L);
        m_grid->setFocus();
        QTest::keyClick(m_grid, Qt::Key_Left);
        QTest::keyClick(m_grid, Qt::Key_Up);
        QCOMPARE(m_grid->GetRow(), 1L);
        QCOMPARE(m_grid->GetCol(), 1L);
        m_grid->SetCol(4);
        QTest::keyClick(m_grid, Qt::Key_Home);
        QCOMPARE(m_grid->GetCol(), 1L);
        QTest::keyClick(m_grid, Qt::Key_End);
        QCOMPARE(m_grid->GetCol(), 7L);
        m_grid->SetCol(0);
        QCOMPARE(m_grid->GetCol(), 7L);
    }

    void mouseDownComesAfterTheCurrentCellMoved() {
        QSignalSpy enter(m_grid, &CMSFlexGrid::EnterCell);
        long rowAtMouseDown = -1;
        long colAtMouseDown = -1;
        long mouseCol = -1;
        short buttonSeen = 0;
        connect(m_grid, &CMSFlexGrid::MouseDown, this, [&](short button, short, long, long) {
            rowAtMouseDown = m_grid->GetRow();
            colAtMouseDown = m_grid->GetCol();
            mouseCol = m_grid->GetMouseCol();
            buttonSeen = button;
        });
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {},
                          m_grid->cellInteriorRect(6, 3).center());
        QCOMPARE(enter.count(), 1);
        QCOMPARE(rowAtMouseDown, 6L);
        QCOMPARE(colAtMouseDown, 3L);
        QCOMPARE(mouseCol, 3L);
        QCOMPARE(buttonSeen, short{1});
    }

    void aPressOnAChannelNumberSelectsItsRow() {
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {},
                          m_grid->cellInteriorRect(9, 0).center());
        QCOMPARE(m_grid->GetRow(), 9L);
        QCOMPARE(m_grid->GetCol(), 1L);
        QCOMPARE(m_grid->GetMouseCol(), 0L);
        const auto selected = m_grid->selectionModel()->selectedIndexes();
        QCOMPARE(selected.size(), 7);
        for (const QModelIndex& index : selected) {
            QCOMPARE(index.row(), 9);
        }
    }

    void highLightDecidesWhetherTheSelectionIsDrawn() {
        m_grid->SetTextMatrix(3, 2, QStringLiteral(" "));
        m_grid->setCurrentCell(3, 2);
        m_grid->selectionModel()->select(
            QItemSelection(m_grid->model()->index(3, 2), m_grid->model()->index(5, 4)),
            QItemSelectionModel::ClearAndSelect);
        m_grid->setFocus();
        auto colourAt = [this](int row, int col) {
            const QImage image = m_grid->viewport()->grab().toImage();
            return image.pixelColor(m_grid->cellInteriorRect(row, col).center() + QPoint(0, 3));
        };
        const QColor highlight = m_grid->palette().color(QPalette::Highlight);
        m_grid->SetHighLight(CMSFlexGrid::kHighLightAlways);
        QCOMPARE(colourAt(4, 3), highlight);
        // The current cell shows its focus frame, not the highlight.
        QVERIFY(colourAt(3, 2) != highlight);
        m_grid->SetHighLight(CMSFlexGrid::kHighLightNever);
        QVERIFY(colourAt(4, 3) != highlight);
    }

    void highLightAndAlignmentAreKept() {
        m_grid->SetHighLight(CMSFlexGrid::kHighLightNever);
        QCOMPARE(m_grid->GetHighLight(), 0L);
        m_grid->SetColAlignment(2, CMSFlexGrid::kAlignCenterCenter);
        QCOMPARE(m_grid->alignmentOf(2), Qt::AlignHCenter | Qt::AlignVCenter);
    }
};

QTEST_MAIN(MSFlexGridTest)
#include "msflexgrid_test.moc"
