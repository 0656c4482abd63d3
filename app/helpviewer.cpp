#include "helpviewer.h"
#include "shell/qt_text.h"

#include <cctype>

#include <QDesktopServices>
#include <QFileInfo>
#include <QHeaderView>
#include <QSplitter>
#include <QStringDecoder>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <optional>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

#include "chm_contents.h"
#include "help_page_images.h"
#include "help_unpacker.h"
#include "shell/language_choice.h"

namespace {

const QString kScheme = QStringLiteral("chm");

constexpr zrx::LocalText kBack{"Back", "后退", "後退"};
constexpr zrx::LocalText kForward{"Forward", "前进", "前進"};
constexpr zrx::LocalText kHome{"Home", "首页", "首頁"};
constexpr zrx::LocalText kPageMissing{"This page is not in the help file.",
                                      "帮助文件中没有这一页。", "幫助文件中沒有這一頁。"};

// The code page a help file's texts are in when they do not say: the one
// Windows uses for the file's language.
QByteArray codePageOf(std::uint32_t lcid) {
    switch (lcid & 0xFFFF) {
    case 0x0804: // Chinese, PRC
    case 0x1004: // Chinese, Singapore
        return "GBK";
    case 0x0404: // Chinese, Taiwan
    case 0x0C04: // Chinese, Hong Kong
    case 0x1404: // Chinese, Macao
        return "Big5";
    default:
        return "windows-1252";
    }
}

// The charset an HTML text declares in its head ("charset=utf-8"), if any.
QByteArray declaredCharset(const QByteArray& html) {
    const QByteArray head = html.left(2048).toLower();
    const qsizetype at = head.indexOf("charset=");
    if (at < 0) {
        return {};
    }
    qsizetype end = at + 8;
    while (end < head.size() && (std::isalnum(static_cast<unsigned char>(head[end])) != 0 ||
                                 head[end] == '-' || head[end] == '_')) {
        ++end;
    }
    return head.mid(at + 8, end - at - 8);
}

#ifdef Q_OS_WIN
// Qt for Windows knows only the Unicode charsets (it has no ICU there); the
// system itself decodes the code pages Chinese help files are written in.
std::optional<QString> decodeWithSystem(const QByteArray& charset, const QByteArray& data) {
    const QByteArray name = charset.toLower();
    UINT codePage = 0;
    if (name == "gbk" || name == "gb2312" || name == "cp936") {
        codePage = 936;
    } else if (name == "gb18030") {
        codePage = 54936;
    } else if (name == "big5" || name == "cp950") {
        codePage = 950;
    } else if (name == "windows-1252" || name == "iso-8859-1" || name == "cp1252") {
        codePage = 1252;
    } else {
        return std::nullopt;
    }
    if (data.isEmpty()) {
        return QString();
    }
    const int size = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, data.constData(),
                                         static_cast<int>(data.size()), nullptr, 0);
    if (size <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, data.constData(),
                        static_cast<int>(data.size()), wide.data(), size);
    return QString::fromStdWString(wide);
}
#endif

// A text of the file as the user should read it: in the charset it
// declares, else in its language's code page.
QString decodeHelpText(const std::string& bytes, std::uint32_t lcid) {
    const QByteArray data = QByteArray::fromStdString(bytes);
    for (const QByteArray& charset : {declaredCharset(data), codePageOf(lcid)}) {
        if (charset.isEmpty()) {
            continue;
        }
        QStringDecoder decoder(charset.constData());
        if (decoder.isValid()) {
            QString text = decoder.decode(data);
            if (!decoder.hasError()) {
                return text;
            }
        }
#ifdef Q_OS_WIN
        else if (const std::optional<QString> text = decodeWithSystem(charset, data)) {
            return *text;
        }
#endif
    }
    return QString::fromUtf8(data);
}

// The object a contents entry names: "a.html#b", "/a.html" or
// "ms-its:eng.chm::/a.html".
QUrl entryUrl(const std::string& local) {
    QString path = QString::fromStdString(local);
    const qsizetype separator = path.indexOf(QStringLiteral("::"));
    if (separator >= 0) {
        path = path.mid(separator + 2);
    }
    if (path.isEmpty()) {
        return {};
    }
    return CHelpViewer::ObjectUrl(QStringLiteral("/")).resolved(QUrl(path));
}

// The page area: everything it shows comes from the help file, never from
// the disk or the network.
class ChmBrowser : public QTextBrowser {
public:
    ChmBrowser(const HelpBundle& help, zrx::Language language, QWidget* parent)
        : QTextBrowser(parent), m_help(help), m_language(language) {}

    QVariant loadResource(int type, const QUrl& name) override {
        const std::string* bytes = nullptr;
        if (name.scheme() == kScheme) {
            bytes = m_help.Find(name.path(QUrl::FullyDecoded).toStdString());
        }
        if (!bytes) {
            if (type == QTextDocument::HtmlResource) {
                return QStringLiteral("<p>%1</p>").arg(toQString(kPageMissing, m_language));
            }
            return {};
        }
        // Pages are decoded by their own charset declaration.
        const QByteArray content = QByteArray::fromStdString(*bytes);
        if (type == QTextDocument::StyleSheetResource) {
            return QString::fromUtf8(content) + PaletteRules();
        }
        return content;
    }

    // The help file's own colours are for a light page: its headings and
    // shaded boxes take the desktop's colours instead, so they stay
    // readable on a dark or high-contrast desktop.
    [[nodiscard]] QString PaletteRules() const {
        const QString text = palette().color(QPalette::Text).name();
        const QString shade = palette().color(QPalette::AlternateBase).name();
        return QStringLiteral("\nh1, h2 { color: %1; }\npre, th, p.note { color: %1; "
                              "background-color: %2; }\n")
            .arg(text, shade);
    }

    // The page's pictures fit the pane's width, with room for the margins
    // and the vertical scroll bar.
    void FitImages() {
        const int margins = 2 * static_cast<int>(document()->documentMargin()) + 4;
        FitImagesToWidth(*document(), viewport()->width() - margins);
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QTextBrowser::resizeEvent(event);
        FitImages();
    }

private:
    const HelpBundle& m_help;
    zrx::Language m_language;
};

void addEntries(const std::vector<ContentsEntry>& entries, QTreeWidgetItem* parent,
                QTreeWidget* tree) {
    for (const ContentsEntry& entry : entries) {
        auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, QString::fromStdString(entry.name));
        item->setData(0, Qt::UserRole, entryUrl(entry.local));
        addEntries(entry.children, item, tree);
    }
}

QUrl withoutFragment(const QUrl& url) {
    return url.adjusted(QUrl::RemoveFragment);
}

} // namespace

CHelpViewer* CHelpViewer::Open(const QString& path, const QString& unpacker, zrx::Language language,
                               QWidget* owner) {
    std::optional<HelpBundle> help = UnpackHelpFile(QFileInfo(path).absoluteFilePath(), unpacker);
    if (!help) {
        return nullptr;
    }
    return new CHelpViewer(std::make_unique<HelpBundle>(std::move(*help)), path, language, owner);
}

CHelpViewer::CHelpViewer(std::unique_ptr<HelpBundle> help, QString path, zrx::Language language,
                         QWidget* owner)
    : QMainWindow(owner, Qt::Window), m_help(std::move(help)), m_path(std::move(path)),
      m_language(language) {
    setAttribute(Qt::WA_DeleteOnClose);
    const QString title = decodeHelpText(m_help->title, m_help->lcid);
    setWindowTitle(title.isEmpty() ? QFileInfo(m_path).fileName() : title);

    m_contents = new QTreeWidget;
    m_contents->setHeaderHidden(true);
    m_contents->setObjectName(QStringLiteral("contents"));
    m_page = new ChmBrowser(*m_help, language, this);
    m_page->setObjectName(QStringLiteral("page"));
    m_page->setOpenLinks(false);

    auto* splitter = new QSplitter;
    splitter->addWidget(m_contents);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 600});
    setCentralWidget(splitter);

    QToolBar* bar = addToolBar(QString());
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                                   toQString(kBack, language), m_page, &QTextBrowser::backward);
    QAction* forward =
        bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                       toQString(kForward, language), m_page, &QTextBrowser::forward);
    bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), toQString(kHome, language), this,
                   &CHelpViewer::ShowDefaultTopic);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_page, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_page, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    connect(m_page, &QTextBrowser::anchorClicked, this, &CHelpViewer::FollowLink);
    connect(m_page, &QTextBrowser::sourceChanged, this, &CHelpViewer::MarkContentsEntry);
    connect(m_page, &QTextBrowser::sourceChanged, this,
            [this] { static_cast<ChmBrowser*>(m_page)->FitImages(); });
    connect(m_contents, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const QUrl url = item != nullptr ? item->data(0, Qt::UserRole).toUrl() : QUrl();
        if (!url.isEmpty() && url != m_page->source()) {
            m_page->setSource(url);
        }
    });

    FillContents();
    resize(860, 620);
}

CHelpViewer::~CHelpViewer() = default;

QUrl CHelpViewer::ObjectUrl(const QString& objectPath) {
    QUrl url;
    url.setScheme(kScheme);
    url.setPath(objectPath);
    return url;
}

void CHelpViewer::ShowDefaultTopic() {
    m_page->setSource(ObjectUrl(QString::fromStdString(m_help->defaultTopic)));
}

void CHelpViewer::FillContents() {
    if (const std::string* hhc = m_help->Find(m_help->contentsFile)) {
        const QString text = decodeHelpText(*hhc, m_help->lcid);
        addEntries(ParseContents(text.toStdString()), nullptr, m_contents);
        m_contents->expandAll();
    }
    m_contents->setVisible(m_contents->topLevelItemCount() > 0);
}

void CHelpViewer::FollowLink(const QUrl& url) {
    if (url.scheme() == kScheme) {
        m_page->setSource(url);
    } else if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https") ||
               url.scheme() == QLatin1String("mailto")) {
        QDesktopServices::openUrl(url);
    }
}

void CHelpViewer::MarkContentsEntry(const QUrl& page) {
    // The entry of the page shown, without following it again.
    const QUrl shown = withoutFragment(page);
    for (QTreeWidgetItemIterator it(m_contents); *it != nullptr; ++it) {
        if (withoutFragment((*it)->data(0, Qt::UserRole).toUrl()) == shown) {
            const QSignalBlocker quiet(m_contents);
            m_contents->setCurrentItem(*it);
            return;
        }
    }
}
