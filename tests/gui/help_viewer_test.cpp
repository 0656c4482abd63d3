#include <QAbstractTextDocumentLayout>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>
#include <random>
#include <set>

#include "app/chm_file.h"
#include "app/help_unpacker.h"
#include "app/helpviewer.h"
#include "app/htmlhelp.h"

namespace {

const QString kFixture = QStringLiteral(ZRX_HELP_FIXTURE);

QString outputFile(const QString& name) {
    return QDir(QString::fromLocal8Bit(qgetenv("ZRX_OUTPUT_DIR"))).filePath(name);
}

QString unpacker() {
#ifdef Q_OS_WIN
    return outputFile(QStringLiteral("zrx-chm-unpack.exe"));
#else
    return outputFile(QStringLiteral("zrx-chm-unpack"));
#endif
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The program's folder and the working directory of a test, given back
// when it ends.
class HelpFolders {
public:
    HelpFolders() : m_savedCurrent(QDir::currentPath()) { QDir::setCurrent(m_working.path()); }
    ~HelpFolders() { QDir::setCurrent(m_savedCurrent); }
    [[nodiscard]] QString moduleDirectory() const { return m_program.path() + QLatin1Char('/'); }
    [[nodiscard]] QString program(const QString& name) const { return m_program.filePath(name); }
    [[nodiscard]] QString working(const QString& name) const { return m_working.filePath(name); }

private:
    QTemporaryDir m_program;
    QTemporaryDir m_working;
    QString m_savedCurrent;
};

// The middle of the first link to `href` on the page, in viewport coordinates.
QPoint linkPoint(QTextBrowser* page, const QString& href) {
    QTextDocument* document = page->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() == href) {
                QTextCursor cursor(document);
                cursor.setPosition(fragment.position() + fragment.length() / 2);
                return page->cursorRect(cursor).center();
            }
        }
    }
    return {-1, -1};
}

// The first picture on the page: its address and the height the layout gave it.
std::pair<QUrl, qreal> firstPicture(QTextBrowser* page) {
    QTextDocument* document = page->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat()) {
                const QString name = it.fragment().charFormat().toImageFormat().name();
                return {page->source().resolved(QUrl(name)),
                        document->documentLayout()->blockBoundingRect(block).height()};
            }
        }
    }
    return {};
}

QTreeWidgetItem* contentsEntry(QTreeWidget* tree, const QString& text) {
    const QList<QTreeWidgetItem*> found =
        tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
}

// Every page, picture and style sheet a page of the file refers to, as
// object paths with their "#fragment".
QStringList referencesOf(const ChmFile& file, const std::string& pagePath) {
    static const QRegularExpression reference(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""),
                                              QRegularExpression::CaseInsensitiveOption);
    const QString html = QString::fromStdString(file.Read(pagePath).value_or(""));
    const QUrl page = CHelpViewer::ObjectUrl(QString::fromStdString(pagePath));
    QStringList found;
    for (auto match = reference.globalMatch(html); match.hasNext();) {
        const QUrl target = page.resolved(QUrl(match.next().captured(1)));
        if (target.scheme() == QLatin1String("chm")) {
            found << target.path() + (target.hasFragment() ? '#' + target.fragment() : QString());
        }
    }
    return found;
}

} // namespace

// Help > Help: where the help file is looked for, the program's own help
// window on a compiled help file, damaged files, and the user guide itself.
class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void lookupIsBesideTheProgramThenTheWorkingDirectory_data() {
        QTest::addColumn<bool>("besideProgram");
        QTest::addColumn<bool>("inWorkingDirectory");
        QTest::addColumn<QString>("shownFrom");
        QTest::newRow("beside the program") << true << false << "program";
        QTest::newRow("in the working directory") << false << true << "working";
        QTest::newRow("both: the program's folder wins") << true << true << "program";
        QTest::newRow("neither: the missing file is named") << false << false << "";
    }

    void lookupIsBesideTheProgramThenTheWorkingDirectory() {
        QFETCH(bool, besideProgram);
        QFETCH(bool, inWorkingDirectory);
        QFETCH(QString, shownFrom);
        HelpFolders folders;
        if (besideProgram) {
            writeAll(folders.program(QStringLiteral("chs.chm")), "help");
        }
        if (inWorkingDirectory) {
            writeAll(folders.working(QStringLiteral("chs.chm")), "help");
        }
        CHtmlHelp help;
        help.SetModuleDirectory(folders.moduleDirectory());
        QList<QUrl> asked;
        help.SetViewer([&asked](const QUrl& url) {
            asked << url;
            return true;
        });
        QStringList notices;
        help.SetNotice([&notices](QWidget*, const QString& text) { notices << text; });
        const bool shown = help.DisplayTopic(nullptr, QStringLiteral("chs.chm"));
        QCOMPARE(shown, !shownFrom.isEmpty());
        QCOMPARE(notices.size(), shownFrom.isEmpty() ? 1 : 0);
        if (shownFrom.isEmpty()) {
            QVERIFY(asked.isEmpty());
            return;
        }
        QCOMPARE(asked.size(), 1);
        const QString expected = shownFrom == QLatin1String("program")
                                     ? folders.program(QStringLiteral("chs.chm"))
                                     : folders.working(QStringLiteral("chs.chm"));
        QCOMPARE(QFileInfo(asked.front().toLocalFile()).canonicalFilePath(),
                 QFileInfo(expected).canonicalFilePath());
    }

    void ownWindowShowsTheFirstPageWithContentsPicturesAndLinks() {
        HelpFolders folders;
        QVERIFY(QFile::copy(kFixture, folders.program(QStringLiteral("eng.chm"))));
        CHtmlHelp help;
        help.SetModuleDirectory(folders.moduleDirectory());
        help.SetUnpacker(unpacker());
        int desktopAsked = 0;
        help.SetViewer([&desktopAsked](const QUrl&) {
            ++desktopAsked;
            return false; // no viewer on this desktop
        });
        QVERIFY(help.DisplayTopic(nullptr, QStringLiteral("eng.chm")));
        CHelpViewer* window = help.Window();
        QVERIFY(window != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // The title and the contents are in the file's code page (GBK here).
        QCOMPARE(window->windowTitle(), QStringLiteral("帮助测试"));

        QTreeWidget* tree = window->Contents();
        QCOMPARE(tree->topLevelItemCount(), 2);
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("第一页"));
        QCOMPARE(tree->topLevelItem(0)->childCount(), 1);
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("读数据 & 写数据"));
        QCOMPARE(tree->topLevelItem(1)->text(0), QStringLiteral("第二页"));

        // The first page, its UTF-8 text and its picture, read from the file.
        QTextBrowser* page = window->Page();
        QCOMPARE(page->source(), CHelpViewer::ObjectUrl(QStringLiteral("/index.html")));
        QVERIFY(page->toPlainText().contains(QStringLiteral("第一页")));
        QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
        const auto [picture, pictureHeight] = firstPicture(page);
        QCOMPARE(picture, CHelpViewer::ObjectUrl(QStringLiteral("/images/eng-transfer.png")));
        const QVariant loaded = page->document()->resource(QTextDocument::ImageResource, picture);
        QImage image = loaded.value<QImage>();
        if (image.isNull()) {
            image = loaded.value<QPixmap>().toImage();
        }
        QCOMPARE(image.size(), QSize(312, 123));
        QVERIFY(pictureHeight >= 123); // laid out at its size, not as a missing picture

        // A click on the link opens the second page at its anchor and marks
        // the contents entry that names it.
        const QPoint link = linkPoint(page, QStringLiteral("second.html#part"));
        QVERIFY(link.x() >= 0);
        QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, link);
        QTRY_COMPARE(page->source(), CHelpViewer::ObjectUrl(QStringLiteral("/second.html"))
                                         .resolved(QUrl(QStringLiteral("#part"))));
        QVERIFY(page->toPlainText().contains(QStringLiteral("读数据 & 写数据")));
        QCOMPARE(tree->currentItem()->text(0), QStringLiteral("读数据 & 写数据"));

        // Back returns; a contents entry opens its page.
        page->backward();
        QCOMPARE(page->source(), CHelpViewer::ObjectUrl(QStringLiteral("/index.html")));
        tree->setCurrentItem(contentsEntry(tree, QStringLiteral("第二页")));
        QCOMPARE(page->source(), CHelpViewer::ObjectUrl(QStringLiteral("/second.html")));

        // Help again: the same window, on the first page again; the desktop
        // that had no viewer is not asked a second time.
        QVERIFY(help.DisplayTopic(nullptr, QStringLiteral("eng.chm")));
        QCOMPARE(help.Window(), window);
        QCOMPARE(page->source(), CHelpViewer::ObjectUrl(QStringLiteral("/index.html")));
        QCOMPARE(desktopAsked, 1);
        QVERIFY(help.BindingFailed());
        window->close();
    }

    void damagedFilesAreRefusedWithoutACrash() {
        const QByteArray whole = readAll(kFixture);
        QVERIFY(whole.size() > 4096);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("damaged.chm"));

        // Cut short, as by a failed copy: never opened.
        for (const qsizetype length :
             {qsizetype(0), qsizetype(0x5F), qsizetype(0x60), qsizetype(1000), whole.size() / 2,
              whole.size() - 4096, whole.size() - 1}) {
            writeAll(path, whole.left(length));
            QVERIFY2(!UnpackHelpFile(path, unpacker()),
                     qPrintable(QStringLiteral("cut to %1 bytes").arg(length)));
        }

        // One byte that makes the chm library divide by zero: the helper
        // dies of it, the program refuses the file.
        const QString crasher = QString::fromLocal8Bit(qgetenv("ZRX_TEST_DATA")) +
                                QStringLiteral("/help-damaged/divides-by-zero.chm");
        QVERIFY(QFileInfo(crasher).isFile());
        QVERIFY(!UnpackHelpFile(crasher, unpacker()));

        // Overwritten in places: refused, or taken out whole.
        std::mt19937 random(7);
        int refused = 0;
        for (int round = 0; round < 60; ++round) {
            QByteArray bytes = whole;
            const int spots = 1 + static_cast<int>(random() % 8);
            for (int spot = 0; spot < spots; ++spot) {
                bytes[static_cast<qsizetype>(random() % static_cast<unsigned>(bytes.size()))] =
                    static_cast<char>(random());
            }
            writeAll(path, bytes);
            const std::optional<HelpBundle> help = UnpackHelpFile(path, unpacker());
            refused += help ? 0 : 1;
            QVERIFY(!help || help->Find(help->defaultTopic) != nullptr);
        }
        QVERIFY(refused > 0);
    }

    // Help that cannot be shown says which file is missing or damaged, in
    // the program's language, and opens no window.
    void failuresNameTheFile_data() {
        QTest::addColumn<QString>("file"); // what eng.chm is: "", "fixture", "damaged"
        QTest::addColumn<bool>("helper");  // whether the helper is there
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("message"); // %1: the program's folder or the file
        QTest::newRow("no help file") << "" << true << 0
                                      << "The help file eng.chm is missing: it belongs beside the "
                                         "program, in %1.";
        QTest::newRow("no help file, Chinese")
            << "" << true << 1 << "缺少帮助文件 eng.chm：它应该在程序所在的文件夹 %1 中。";
        QTest::newRow("no helper")
            << "fixture" << false << 0
            << "Help cannot be shown: %1, which reads help files for the program, is missing.";
        QTest::newRow("damaged file")
            << "damaged" << true << 2 << "無法顯示幫助：%1 已損壞或不是幫助文件。";
    }

    void failuresNameTheFile() {
        QFETCH(QString, file);
        QFETCH(bool, helper);
        QFETCH(int, language);
        QFETCH(QString, message);
        HelpFolders folders;
        const QString chm = folders.program(QStringLiteral("eng.chm"));
        const QString crasher = QString::fromLocal8Bit(qgetenv("ZRX_TEST_DATA")) +
                                QStringLiteral("/help-damaged/divides-by-zero.chm");
        if (!file.isEmpty()) {
            QVERIFY(QFile::copy(file == QLatin1String("damaged") ? crasher : kFixture, chm));
        }
        const QString missingHelper = folders.program(QStringLiteral("no-such-helper"));
        CHtmlHelp help;
        help.SetModuleDirectory(folders.moduleDirectory());
        help.SetUnpacker(helper ? unpacker() : missingHelper);
        help.SetViewer([](const QUrl&) { return false; });
        QStringList notices;
        help.SetNotice([&notices](QWidget*, const QString& text) { notices << text; });
        QVERIFY(!help.DisplayTopic(nullptr, QStringLiteral("eng.chm"),
                                   static_cast<zrx::Language>(language)));
        const QString named = file.isEmpty() ? folders.moduleDirectory()
                              : helper       ? chm
                                             : missingHelper;
        QCOMPARE(notices, QStringList{message.arg(QDir::toNativeSeparators(named))});
        QVERIFY(help.Window() == nullptr);
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            QVERIFY(!widget->isVisible());
        }
    }

    // The user guide as built: complete in each language, every link and
    // picture inside the file, and the texts in the language's own script.
    void userGuidesAreCompleteAndTheirLinksResolve_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("channelTableTerms");
        QTest::newRow("eng") << "eng.chm"
                             << "ZRX PC Encoder Help"
                             << QStringList{"Rx Freq", "Busy Lock", "Add Scan"};
        QTest::newRow("chs") << "chs.chm"
                             << "ZRX PC Encoder 帮助"
                             << QStringList{"接收频率", "繁忙锁定", "扫描添加"};
        QTest::newRow("cht") << "cht.chm"
                             << "ZRX PC Encoder 幫助"
                             << QStringList{"接收頻率", "繁忙鎖定", "掃描添加"};
    }

    void userGuidesAreCompleteAndTheirLinksResolve() {
        QFETCH(QString, fileName);
        QFETCH(QString, title);
        QFETCH(QStringList, channelTableTerms);
        const std::unique_ptr<ChmFile> file = ChmFile::Open(outputFile(fileName).toStdString());
        QVERIFY(file != nullptr);
        const std::vector<std::string> paths = file->FilePaths();
        const std::set<std::string> objects(paths.begin(), paths.end());

        // Every language has the same pages as the English guide.
        const std::unique_ptr<ChmFile> english = ChmFile::Open(outputFile("eng.chm").toStdString());
        QVERIFY(english != nullptr);
        for (const std::string& path : english->FilePaths()) {
            if (path.ends_with(".html")) {
                QVERIFY2(objects.count(path) == 1, path.c_str());
            }
        }

        for (const std::string& path : paths) {
            if (!path.ends_with(".html")) {
                continue;
            }
            for (const QString& reference : referencesOf(*file, path)) {
                const QString target = reference.section(QLatin1Char('#'), 0, 0);
                const QString anchor = reference.section(QLatin1Char('#'), 1);
                QVERIFY2(objects.count(target.toStdString()) == 1,
                         qPrintable(QString::fromStdString(path) + " -> " + reference));
                if (!anchor.isEmpty()) {
                    const QString targetPage =
                        QString::fromStdString(file->Read(target.toStdString()).value_or(""));
                    QVERIFY2(targetPage.contains(QStringLiteral("id=\"%1\"").arg(anchor)),
                             qPrintable(QString::fromStdString(path) + " -> " + reference));
                }
            }
        }

        std::unique_ptr<CHelpViewer> window(
            CHelpViewer::Open(outputFile(fileName), unpacker(), zrx::Language::English, nullptr));
        QVERIFY(window != nullptr);
        QCOMPARE(window->windowTitle(), title);
        QTreeWidget* tree = window->Contents();
        QVERIFY(tree->topLevelItemCount() >= 10);
        for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
            const QUrl url = (*it)->data(0, Qt::UserRole).toUrl();
            QVERIFY2(objects.count(url.path().toStdString()) == 1, qPrintable((*it)->text(0)));
        }
        window->ShowDefaultTopic();
        tree->setCurrentItem(contentsEntry(tree, tree->topLevelItem(2)->text(0)));
        QCOMPARE(window->Page()->source().path(), QStringLiteral("/channel-table.html"));
        for (const QString& term : channelTableTerms) {
            QVERIFY2(window->Page()->toPlainText().contains(term), qPrintable(term));
        }
    }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
