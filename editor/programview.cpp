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
#include "dialogs/settings_commands.h"
#include "form_layout.h"
#include "grid/msflexgrid.h"
#include "grid_texts.h"
#include "image/channel_codec.h"
#include "image/form_lists.h"
#include "image/image_layout.h"
#include "image/programdoc.h"
#include "image/tone_list.h"
#include "link/other_port_box.h"
#include "link/port_selection.h"
#include "shell/command_ids.h"
#include "shell/printer_settings.h"
#include "shell/program_state.h"
#include "shell/qt_text.h"
#include "shell/resources.h"

namespace {

constexpr int kGridRows = 17;
constexpr int kGridCols = zrx::editing::kGridColumnCount;

// Shown when the factory default file is not beside the program.
constexpr zrx::LocalText kPromptCaption{"Prompt", "提示", "提示"};
constexpr zrx::LocalText kDefaultMissing{"Cound not found default.sin", "没找到default.sin文件",
                                         "沒找到default.sin文件"};

void tagWithId(QWidget* widget, int id) {
    widget->setObjectName(QString::number(id));
    widget->setProperty("controlId", id);
}

// A list's selected position as one byte: no selection is 0xFF.
std::uint8_t selectionByte(const QComboBox* list) {
    return static_cast<std::uint8_t>(static_cast<unsigned>(list->currentIndex()) & 0xFFu);
}

void selectFromByte(QComboBox* list, std::uint8_t stored) {
    const int index = stored < list->count() ? stored : 0;
    list->setCurrentIndex(index);
}

} // namespace

CProgramView::CProgramView(CProgramDoc* doc, ProgramState& state, PrinterSettings* printers,
                           QWidget* parent)
    : QWidget(parent), m_doc(doc), m_state(state),
      m_ownPrinters(printers == nullptr ? std::make_unique<PrinterSettings>() : nullptr),
      m_printers(printers == nullptr ? m_ownPrinters.get() : printers),
      m_ports(new PortSelection(
          m_state.portName, [this] { return DetectSerialPorts(m_state.language); }, this)) {
    createControls();
    m_ports->SetLanguage(m_state.language);
    m_ports->SetAsker([this](const QString& current) {
        return AskForOtherPort(window(), current, m_state.language);
    });
    m_ports->SetKeeper([this](const QString& portName) { KeepPort(portName); });
    // What the user sees is the grid and the two lists, as the image they
    // would encode to.
    m_doc->SetViewHooks({[this] { return EncodedImage(); }, [this] { EncodeChannels(); }});
}

CProgramView::~CProgramView() {
    // The editors outlive this part of the view by a moment; nothing they
    // report then may reach the view.
    for (QWidget* watched :
         {static_cast<QWidget*>(m_freqEdit), static_cast<QWidget*>(m_toneListBox),
          static_cast<QWidget*>(m_choiceList), static_cast<QWidget*>(m_grid),
          static_cast<QWidget*>(m_toneListBox->view()),
          static_cast<QWidget*>(m_choiceList->view())}) {
        watched->removeEventFilter(this);
    }
}

void CProgramView::createControls() {
    setFont(form101::formFont());
    const DialogUnits units(font());
    setMinimumSize(form101::formSize(units));
    const int listHeight = form101::closedListHeight(font());

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

    // Only digits and the point ever get into the frequency box: the key
    // filter decides key by key, the validator also stops what arrives any
    // other way (input methods, middle-button paste, drops).
    m_freqEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), m_freqEdit));
    m_freqEdit->setContextMenuPolicy(Qt::NoContextMenu);
    m_freqEdit->setAcceptDrops(false);
    m_freqEdit->setAttribute(Qt::WA_InputMethodEnabled, false);

    // The editors lie over the grid while they are shown.
    for (QWidget* editor : {static_cast<QWidget*>(m_freqEdit), static_cast<QWidget*>(m_toneListBox),
                            static_cast<QWidget*>(m_choiceList)}) {
        editor->hide();
        editor->raise();
        editor->installEventFilter(this);
    }
    m_grid->installEventFilter(this);
    // Enter in an opened drop-down reaches its list, not the box: it must
    // still commit and move on, as it does with the list closed.
    m_toneListBox->view()->installEventFilter(this);
    m_choiceList->view()->installEventFilter(this);

    connect(m_grid, &CMSFlexGrid::EnterCell, this, &CProgramView::OnGridEnterCell);
    connect(m_grid, &CMSFlexGrid::MouseDown, this, &CProgramView::OnGridMouseDown);
    // Only a choice by the user sets the band; decoding selects silently.
    connect(m_rangeList, &QComboBox::activated, this, &CProgramView::OnSelChangeRange);
    connect(m_defaultFactory, &QPushButton::clicked, this, &CProgramView::OnDefaultFactory);
}

void CProgramView::OnInitialUpdate() {
    if (!m_gridSetUp) {
        m_gridSetUp = true;
        InitGrid();
        fitGridToItsCells();
        FillToneList();
        m_toneListBox->clear();
        m_toneListBox->addItems(m_toneList);
        m_toneListBox->setCurrentIndex(-1);
    }
    DecodeChannels();
    m_doc->SetUnchanged();
}

void CProgramView::InitGrid() {
    m_grid->SetRows(kGridRows);
    m_grid->SetCols(kGridCols);
    m_grid->SetFixedRows(1);
    m_grid->SetFixedCols(1);
    for (int c = 0; c < kGridCols; ++c) {
        m_grid->SetTextMatrix(
            0, c,
            toQString(
                zrx::editing::kGridHeadings.at(static_cast<std::size_t>(c)).in(m_state.language)));
        m_grid->SetColAlignment(c, CMSFlexGrid::kAlignCenterCenter);
    }
    for (int r = 1; r < kGridRows; ++r) {
        m_grid->SetTextMatrix(r, 0, QString::number(r));
    }
    m_grid->SetSelectionMode(0);
    m_grid->SetWordWrap(true);
    // The channel-number column is half as wide as each data column.
    const long width = m_grid->GetColWidth(0);
    m_grid->SetColWidth(0, width / 2);
    for (int c = 1; c < kGridCols; ++c) {
        m_grid->SetColWidth(c, width);
    }
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

void CProgramView::FillToneList() {
    m_toneList.clear();
    for (const std::string& tone : zrx::buildToneList(m_state.language)) {
        m_toneList.append(toQString(tone));
    }
}

void CProgramView::DecodeChannels() {
    // An editor still open belongs to the channels being replaced: its text
    // must not land in the new ones.
    discardOpenEditor();
    selectFromByte(m_modelList, m_doc->Image().byte(zrx::layout::kModelIndex));
    selectFromByte(m_rangeList, m_doc->Image().byte(zrx::layout::kRangeIndex));
    for (int n = 1; n <= zrx::layout::kChannelCount; ++n) {
        const zrx::ChannelTexts texts = zrx::decodeChannel(m_doc->Image(), n, m_state.language);
        for (int c = 0; c < zrx::kChannelColumnCount; ++c) {
            m_grid->SetTextMatrix(n, c + 1, toQString(texts.at(static_cast<std::size_t>(c))));
        }
    }
}

void CProgramView::EncodeChannels() {
    // An editor still open holds text the user sees as entered: commit it
    // before the grid is read.
    commitOpenEditor();
    EncodeChannelsInto(m_doc->Image());
}

void CProgramView::EncodeChannelsInto(zrx::RadioImage& image) const {
    image.setByte(zrx::layout::kModelIndex, selectionByte(m_modelList));
    image.setByte(zrx::layout::kRangeIndex, selectionByte(m_rangeList));
    for (int n = 1; n <= zrx::layout::kChannelCount; ++n) {
        zrx::ChannelTexts texts;
        for (int c = 0; c < zrx::kChannelColumnCount; ++c) {
            texts.at(static_cast<std::size_t>(c)) = m_grid->GetTextMatrix(n, c + 1).toStdString();
        }
        zrx::encodeChannel(image, n, texts);
    }
}

zrx::RadioImage CProgramView::EncodedImage() const {
    zrx::RadioImage image = m_doc->Image();
    EncodeChannelsInto(image);
    return image;
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
        QMessageBox box(QMessageBox::NoIcon, toQString(kPromptCaption.in(m_state.language)),
                        toQString(kDefaultMissing.in(m_state.language)), QMessageBox::Ok, this);
        box.exec();
        return;
    }
    // Unsaved changes are asked about, then the factory channels load as a
    // document of no name, as after New: a Save asks where to put them, so
    // the factory file itself is never overwritten by a quick Ctrl+S.
    if (m_doc->SaveModified()) {
        m_doc->OnOpenUntitled(path);
    }
}

void CProgramView::OnFileSave() {
    EncodeChannels();
    m_doc->DoFileSave();
}

void CProgramView::OnFileSaveAs() {
    EncodeChannels();
    m_doc->DoSave(QString());
}

bool CProgramView::OnCmdMsg(int id) {
    // Option, Side Key and Embed open the radio settings dialogs.
    if (RunSettingsCommand(id, m_doc->Image(), m_state.language, window())) {
        return true;
    }
    switch (id) {
    case cmd::kFileSave:
        OnFileSave();
        return true;
    case cmd::kFileSaveAs:
        OnFileSaveAs();
        return true;
    case cmd::kRead:
        OnRead();
        return true;
    case cmd::kWrite:
        OnWrite();
        return true;
    case cmd::kFilePrint:
        OnFilePrint();
        return true;
    case cmd::kFilePrintDirect:
        OnFilePrintDirect();
        return true;
    case cmd::kFilePrintPreview:
        OnFilePrintPreview();
        return true;
    default:
        return m_ports->OnCmdMsg(id);
    }
}

bool CProgramView::OnUpdateCmdUI(int id, CCmdUI& ui) {
    return m_ports->OnUpdateCmdUI(id, ui);
}
