#include "programview.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "cell_edit_rules.h"
#include "channel_commands.h"
#include "channel_grid_editor.h"
#include "channel_grid_view.h"
#include "channel_selection.h"
#include "dialogs/settings_commands.h"
#include "document/programdoc.h"
#include "form_layout.h"
#include "grid/msflexgrid.h"
#include "image/form_lists.h"
#include "print_commands.h"
#include "shell/command_ids.h"
#include "shell/program_state.h"
#include "shell/qt_text.h"
#include "shell/resources.h"
#include "transfer/other_port_box.h"
#include "transfer/port_selection.h"
#include "transfer_commands.h"

namespace {

// Shown when the factory default file is not beside the program.
constexpr zrx::LocalText kPromptCaption{"Prompt", "提示", "提示"};
constexpr zrx::LocalText kDefaultMissing{"Cound not found default.sin", "没找到default.sin文件",
                                         "沒找到default.sin文件"};

void tagWithId(QWidget* widget, int id) {
    widget->setObjectName(QString::number(id));
    widget->setProperty("controlId", id);
}

// A form label's text as the step of changing the control beside it.
QString formStep(const char* label) {
    QString text = res("Dialog101", label);
    text.remove(QLatin1Char('&'));
    return text.trimmed();
}

} // namespace

CProgramView::CProgramView(CProgramDoc* doc, ProgramState& state, PrinterSettings* printers,
                           QWidget* parent)
    : QWidget(parent), m_doc(doc), m_state(state),
      m_ports(new PortSelection(
          m_state.portName, [this] { return DetectSerialPorts(m_state.language); }, this)) {
    createControls();
    m_gridView = std::make_unique<ChannelGridView>(m_doc, m_state, m_grid);
    m_editor = std::make_unique<ChannelGridEditor>(
        *m_gridView, m_state,
        ChannelGridEditor::Widgets{this, m_grid, m_freqEdit, m_toneListBox, m_choiceList});
    m_selection = new ChannelSelection(m_grid, this);
    m_channels = std::make_unique<ChannelCommands>(m_doc, m_state, m_grid, m_selection, this);
    m_transfers = std::make_unique<TransferCommands>(m_doc, m_state, this);
    m_ports->SetLanguage(m_state.language);
    m_ports->SetAsker([this](const QString& current) {
        return AskForOtherPort(window(), current, m_state.language);
    });
    m_ports->SetKeeper([this](const QString& portName) { m_transfers->KeepPort(portName); });
    m_printing = std::make_unique<PrintCommands>(m_doc, m_state, printers, m_grid, this);
    connect(m_doc, &CProgramDoc::imageChanged, this, &CProgramView::OnDocumentChanged);
    // Whatever asks the document whether it changed counts an edit still
    // open in the grid as made.
    connect(m_doc, &CProgramDoc::pendingEditsWanted, m_editor.get(),
            &ChannelGridEditor::CommitOpenEditor);
}

CProgramView::~CProgramView() = default;

const QStringList& CProgramView::toneList() const {
    return m_gridView->toneList();
}

void CProgramView::createControls() {
    setFont(form101::formFont());
    const DialogUnits units(font());
    setMinimumSize(form101::formSize(units));
    const int listHeight = form101::closedListHeight(font());

    // A label names the list created after it: a screen reader announces
    // the list by the label's text (and finds the label as its buddy).
    QLabel* lastLabel = nullptr;
    for (const form101::Control& control : form101::kControls) {
        QRect rect = form101::toPixels(units, control);
        switch (control.kind) {
        case form101::ControlKind::GroupBox: {
            auto* box = new QGroupBox(this);
            box->setGeometry(rect);
            break;
        }
        case form101::ControlKind::Label: {
            auto* label = new QLabel(res("Dialog101", control.text), this);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setGeometry(rect);
            lastLabel = label;
            break;
        }
        case form101::ControlKind::DropDownList: {
            auto* list = new QComboBox(this);
            list->setEditable(false);
            // A list that drops down below the box, a dozen entries at a time.
            list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
            list->setMaxVisibleItems(12);
            rect.setHeight(listHeight);
            list->setGeometry(rect);
            tagWithId(list, control.id);
            if (lastLabel != nullptr) {
                lastLabel->setBuddy(list);
                list->setAccessibleName(lastLabel->text());
                lastLabel = nullptr;
            }
            if (control.id == form101::kModelList) {
                m_modelList = list;
                for (const std::string_view entry : zrx::kModelEntries) {
                    list->addItem(toQString(entry));
                }
            } else if (control.id == form101::kRangeList) {
                m_rangeList = list;
                for (const std::string_view entry : zrx::kFrequencyRangeEntries) {
                    list->addItem(toQString(entry));
                }
            } else if (control.id == form101::kToneList) {
                m_toneListBox = list;
            } else {
                m_choiceList = list;
            }
            // No selection until the first decode.
            list->setCurrentIndex(-1);
            break;
        }
        case form101::ControlKind::Edit: {
            m_freqEdit = new QLineEdit(this);
            m_freqEdit->setGeometry(rect);
            tagWithId(m_freqEdit, control.id);
            break;
        }
        case form101::ControlKind::Grid: {
            m_grid = new CMSFlexGrid(this);
            m_grid->setGeometry(rect);
            tagWithId(m_grid, control.id);
            break;
        }
        case form101::ControlKind::Button: {
            m_defaultFactory = new QPushButton(res("Dialog101", control.text), this);
            m_defaultFactory->setGeometry(rect);
            tagWithId(m_defaultFactory, control.id);
            break;
        }
        }
    }

    // Tab follows the screen: the two lists and Default Factory on the top
    // line, then the grid. The cell editors come just before the grid, so
    // Tab out of an open list returns to the grid.
    QWidget::setTabOrder(m_modelList, m_rangeList);
    QWidget::setTabOrder(m_rangeList, m_defaultFactory);
    QWidget::setTabOrder(m_defaultFactory, m_freqEdit);
    QWidget::setTabOrder(m_freqEdit, m_toneListBox);
    QWidget::setTabOrder(m_toneListBox, m_choiceList);
    QWidget::setTabOrder(m_choiceList, m_grid);

    // Only digits and the point ever get into the frequency box: the key
    // filter decides key by key, the validator also stops what arrives any
    // other way (input methods, middle-button paste, drops).
    m_freqEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), m_freqEdit));
    m_freqEdit->setContextMenuPolicy(Qt::NoContextMenu);
    m_freqEdit->setAcceptDrops(false);
    m_freqEdit->setAttribute(Qt::WA_InputMethodEnabled, false);

    // Only a choice by the user sets the band; decoding selects silently.
    connect(m_rangeList, &QComboBox::activated, this, &CProgramView::OnSelChangeRange);
    // Any other change of a list's selection is the user's too (the
    // keyboard, the wheel) and goes into the document.
    for (QComboBox* list : {m_modelList, m_rangeList}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this, list] { OnListChanged(list); });
    }
    connect(m_defaultFactory, &QPushButton::clicked, this, &CProgramView::OnDefaultFactory);
}

void CProgramView::fitGridToItsCells() {
    // The grid's place on the form is given in dialog units, its rows and
    // columns by its own font: where a font or the screen scale makes the
    // cells need more room than the place gives, grid and form grow so that
    // all 17 rows and 8 columns show without scrolling.
    const int frame = 2 * m_grid->frameWidth();
    int width = frame;
    for (int c = 0; c < m_grid->columnCount(); ++c) {
        width += m_grid->columnWidth(c);
    }
    int height = frame;
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        height += m_grid->rowHeight(r);
    }
    const QRect place = m_grid->geometry();
    const QSize grown = place.size().expandedTo(QSize(width, height));
    if (grown == place.size()) {
        return;
    }
    const QSize margin = minimumSize() - QSize(place.right() + 1, place.bottom() + 1);
    m_grid->resize(grown);
    setMinimumSize(minimumSize().expandedTo(
        QSize(place.x() + grown.width(), place.y() + grown.height()) + margin));
}

void CProgramView::OnInitialUpdate() {
    if (!m_gridSetUp) {
        m_gridSetUp = true;
        m_gridView->InitGrid(m_toneListBox);
        fitGridToItsCells();
    }
    ShowFormPositions();
    // An editor still open belongs to the channels being replaced: its text
    // must not land in the new ones.
    m_editor->DiscardOpenEditor();
    m_gridView->RedrawAll();
}

void CProgramView::OnDocumentChanged() {
    ShowFormPositions();
    m_gridView->Redraw([this](int row) { m_editor->RowReplaced(row); });
}

void CProgramView::ShowFormPositions() {
    m_showing = true;
    const CProgramDoc::FormPositions positions = m_doc->Positions();
    m_modelList->setCurrentIndex(positions.model);
    m_rangeList->setCurrentIndex(positions.range);
    m_showing = false;
}

void CProgramView::OnListChanged(QComboBox* list) {
    if (m_showing) {
        return;
    }
    m_doc->SetPositions({m_modelList->currentIndex(), m_rangeList->currentIndex()},
                        formStep(list == m_modelList ? "Model" : "Frequency Range"));
}

void CProgramView::OnSelChangeRange() {
    int index = m_rangeList->currentIndex();
    if (index < 0) {
        index = 0;
    }
    const auto band = zrx::editing::bandFromRangeText(m_rangeList->itemText(index).toStdString());
    if (band) {
        m_state.bandLower = band->lower;
        m_state.bandUpper = band->upper;
    }
}

void CProgramView::OnDefaultFactory() {
    const QString path = m_state.moduleDirectory + QStringLiteral("Default.sin");
    const QFileInfo file(path);
    if (!file.exists() || file.isDir()) {
        QMessageBox box(QMessageBox::NoIcon, toQString(kPromptCaption, m_state.language),
                        toQString(kDefaultMissing, m_state.language), QMessageBox::Ok, this);
        box.exec();
        return;
    }
    // Unsaved changes are asked about first, as before any file replaces
    // them; the factory memory then comes in as an untitled document.
    if (m_doc->SaveModified()) {
        m_doc->LoadFactoryDefaults(path, formStep("Default Factory"));
    }
}

void CProgramView::OnFileSave() {
    m_editor->CommitOpenEditor();
    m_doc->DoFileSave();
}

void CProgramView::OnFileSaveAs() {
    m_editor->CommitOpenEditor();
    m_doc->DoSave(QString());
}

void CProgramView::RunSettingsDialog(int id) {
    // The dialog works on a copy; what it changed becomes one step named
    // after it.
    m_editor->CommitOpenEditor();
    zrx::RadioImage image = m_doc->Image();
    QString caption;
    RunSettingsCommand(id, image, m_state.language, window(), &caption);
    m_doc->ReplaceImage(image, caption);
}

void CProgramView::PrintForCommandLine(PrintRequest& request) {
    m_editor->CommitOpenEditor();
    m_printing->PrintForCommandLine(request);
}

void CProgramView::OnPrint(QPainter& painter) {
    m_printing->OnPrint(painter);
}

bool CProgramView::OnCmdMsg(int id) {
    switch (id) {
    case cmd::kOption:
    case cmd::kSideKey:
    case cmd::kEmbed:
        RunSettingsDialog(id);
        return true;
    case cmd::kFileSave:
        OnFileSave();
        return true;
    case cmd::kFileSaveAs:
        OnFileSaveAs();
        return true;
    case cmd::kRead:
    case cmd::kWrite:
    case cmd::kProgramMany:
    case cmd::kCheckPlan:
    case cmd::kCompareWithRadio:
        // Read and Write, and printing below, take an edit still open as made.
        m_editor->CommitOpenEditor();
        return m_transfers->OnCmdMsg(id);
    case cmd::kFilePrint:
    case cmd::kFilePrintDirect:
    case cmd::kFilePrintPreview:
        m_editor->CommitOpenEditor();
        return m_printing->OnCmdMsg(id);
    case cmd::kEditCut:
    case cmd::kEditCopy:
    case cmd::kEditPaste:
    case cmd::kEditClear:
    case cmd::kMoveUp:
    case cmd::kMoveDown:
    case cmd::kSortByRx:
        m_editor->CommitOpenEditor();
        return m_channels->OnCmdMsg(id);
    default:
        return m_ports->OnCmdMsg(id);
    }
}

bool CProgramView::OnUpdateCmdUI(int id, CCmdUI& ui) {
    return m_channels->OnUpdateCmdUI(id, ui) || m_ports->OnUpdateCmdUI(id, ui);
}
