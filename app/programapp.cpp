#include "programapp.h"
#include "shell/qt_text.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QProcess>
#include <QSaveFile>
#include <QScrollArea>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTranslator>
#include <cstdio>

#include "aboutdlg.h"
#include "diagnostic_report.h"
#include "dialogs/plandlg.h"
#include "document/programdoc.h"
#include "editor/print_request.h"
#include "editor/programview.h"
#include "languagedlg.h"
#include "plans/plan_loading.h"
#include "safety/port_report.h"
#include "shell/command_ids.h"
#include "shell/font_fallbacks.h"
#include "shell/inifile.h"
#include "shell/language_choice.h"
#include "shell/mainframe.h"
#include "shell/resources.h"

namespace {

const QString kSetup = QString::fromLatin1(kIniSetupSection);
const QString kLanguageKey = QString::fromLatin1(kIniLanguageKey);
const QString kComKey = QString::fromLatin1(kIniPortKey);

// The program restarts itself under this name, beside the running one.
QString programFileName() {
#ifdef Q_OS_WIN
    return QStringLiteral("Program.exe");
#else
    return QStringLiteral("Program");
#endif
}

// The title shown on message boxes, also before any library is loaded.
QString applicationTitle() {
    return res("String", "ZRX PC Encoder");
}

constexpr zrx::LocalText kLanguageNotStored{
    "The language could not be saved in %1, so the program goes on in the current language.",
    "无法把语言保存到 %1，程序继续使用当前语言。",
    "無法把語言儲存到 %1，程式繼續使用目前的語言。",
};

constexpr zrx::LocalText kReportCaption{"Save Diagnostic Report", "保存诊断报告", "儲存診斷報告"};
constexpr zrx::LocalText kReportFiles{"Text files (*.txt)", "文本文件 (*.txt)", "文字檔 (*.txt)"};
// %1: the file's name; %2: the system's reason.
constexpr zrx::LocalText kReportNotSaved{"The diagnostic report could not be saved to %1.\n%2",
                                         "无法把诊断报告保存到 %1。\n%2",
                                         "無法把診斷報告儲存到 %1。\n%2"};
constexpr zrx::LocalText kReportSaved{"Diagnostic report saved to %1", "诊断报告已保存到 %1",
                                      "診斷報告已儲存到 %1"};

} // namespace

CProgramApp::CProgramApp(QObject* parent) : QObject(parent) {
    m_launcher = [](const QString& program) {
        QProcess::startDetached(program, QStringList(), QString());
    };
    m_quitter = [] {
        QMetaObject::invokeMethod(
            qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    };
    m_startupMessageBox = [](const QString& caption, const QString& text) {
        QMessageBox::warning(nullptr, caption, text);
    };
    m_messageBox = [this](const QString& caption, const QString& text) {
        QMessageBox::warning(m_frame.get(), caption, text);
    };
    m_reportFilePrompt = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(m_frame.get(),
                                            toQString(kReportCaption, m_state.language), suggested,
                                            toQString(kReportFiles, m_state.language));
    };
    m_languageChooser = [this](zrx::Language current) -> std::optional<zrx::Language> {
        CLanguageDlg dialog(current, m_frame.get());
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return dialog.Chosen();
    };
}

CProgramApp::~CProgramApp() {
    m_frame.reset(); // the view is the frame's child and goes with it
    m_document.reset();
    if (m_translatorInstalled) {
        QCoreApplication::removeTranslator(m_library->Translator());
    }
    if (m_qtTranslator) {
        QCoreApplication::removeTranslator(m_qtTranslator.get());
    }
}

bool CProgramApp::InitInstance(const StartupContext& context) {
    m_hasDisplay = context.hasDisplay;
    // The module directory: the executable's folder, with its separator, so
    // file names are appended to it directly.
    const QFileInfo executable(context.executablePath);
    m_state.moduleDirectory = QDir::toNativeSeparators(executable.absolutePath());
    if (!m_state.moduleDirectory.endsWith(QDir::separator())) {
        m_state.moduleDirectory += QDir::separator();
    }

    m_help.SetModuleDirectory(m_state.moduleDirectory);
    m_state.iniFile.SetFileName(m_state.moduleDirectory, QStringLiteral("Program.ini"));
    m_state.iniFile.SetPerUserFileName(m_perUserSettingsFile);
    const QString code = m_state.iniFile.ReadString(kSetup, kLanguageKey);
    // The port name is taken as stored, also when it is empty.
    m_state.portName = m_state.iniFile.ReadString(kSetup, kComKey);
    m_state.language = LanguageFromCode(code);

    if (!LoadLanguageLibrary(code, context.workingDirectory)) {
        ShowStartupMessage(toQString(kLoadLanguageFailed, m_state.language));
        return false;
    }
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon128.png")));
    // Bitmap fonts (some Chinese ones are) look blocky or spaced out once
    // scaled; every text of the program prefers outline fonts, and Chinese
    // comes from an outline CJK font in the running language's forms.
    QFont font = QApplication::font();
    font.setStyleStrategy(QFont::PreferOutline);
    font.setFamilies(QStringList{font.family()} + ChineseFallbackFamilies(m_state.language));
    QApplication::setFont(font);

    if (!CreateDocumentTemplate()) {
        return false;
    }
    if (!ProcessShellCommand(ParseCommandLine(context.arguments))) {
        return false;
    }
    m_frame->show();
    m_frame->repaint();
    m_frame->raise();
    m_frame->activateWindow();
    return true;
}

bool CProgramApp::LoadLanguageLibrary(const QString& code, const QString& workingDirectory) {
    // The library is found by its bare name: beside the program first, then
    // in the working directory. The name comes from the code as written, so
    // an unknown code asks for a library of that name.
    m_library = std::make_unique<LanguageLibrary>();
    const QStringList folders = {m_state.moduleDirectory, workingDirectory};
    if (!m_library->Load(LanguageLibraryName(code), folders)) {
        return false;
    }
    m_translatorInstalled = QCoreApplication::installTranslator(m_library->Translator());
    if (m_translatorInstalled) {
        LoadQtTranslations();
    }
    return m_translatorInstalled;
}

void CProgramApp::LoadQtTranslations() {
    const QString catalogue = QtTranslationName(m_state.language);
    if (catalogue.isEmpty()) {
        return;
    }
    // Beside the program first (a folder that carries its own Qt), then
    // where Qt keeps its translations. Without them, Qt's texts stay English.
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder :
         {m_state.moduleDirectory, QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (translator->load(catalogue, folder)) {
            QCoreApplication::installTranslator(translator.get());
            m_qtTranslator = std::move(translator);
            return;
        }
    }
}

bool CProgramApp::CreateDocumentTemplate() {
    m_document = std::make_unique<CProgramDoc>(m_state);
    m_frame = std::make_unique<CMainFrame>();
    if (!m_frame->Create()) {
        m_frame.reset();
        return false;
    }
    m_document->SetDialogParent(m_frame.get());
    m_view = CreateProgramView(m_document.get(), m_state, m_frame.get(), &m_printers);
    // Closing the window (and Exit, which closes it) first asks about
    // unsaved changes.
    m_frame->SetCloseGuard([this] { return m_document->SaveModified(); });
    // Like a form view, the form keeps its own size and scrolls when the
    // frame is smaller than the form, instead of stretching the frame.
    auto* scroller = new QScrollArea(m_frame.get());
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(m_view.widget);
    // The scroll area is no stop of its own in the Tab order.
    scroller->setFocusPolicy(Qt::NoFocus);
    m_frame->setCentralWidget(scroller);
    m_frame->SetForm(m_view.widget);
    m_frame->SetCommandTargets(m_view.target, m_document.get(), this);
    // Undo and Redo follow every step, however it was made (a cell, a
    // list), so their keys work at once.
    connect(&m_document->UndoStack(), &QUndoStack::indexChanged, m_frame.get(),
            &CMainFrame::UpdateCommandUI);
    m_frame->UpdateCommandUI();
    return true;
}

bool CProgramApp::ProcessShellCommand(const CCommandLineInfo& info) {
    using Shell = CCommandLineInfo::Shell;
    if (info.shellCommand == Shell::FileNew) {
        return m_document->OnNewDocument();
    }
    if (info.shellCommand != Shell::FileOpen) {
        return PrintFromCommandLine(info);
    }
    // A document named on the command line: a failed open has shown its
    // message, and the program ends.
    m_document->SetDialogParent(nullptr);
    const bool opened = m_document->OnOpenDocument(QFileInfo(info.fileName).absoluteFilePath());
    m_document->SetDialogParent(m_frame.get());
    return opened;
}

bool CProgramApp::PrintFromCommandLine(const CCommandLineInfo& info) {
    // Print and end without showing the window. Whatever keeps the page from
    // the printer is told the way start-up tells its failures, and the
    // program ends with status 1; only a printed page is a success.
    m_document->SetErrorReporter([this](const QString& message) { ShowStartupMessage(message); });
    const bool opened = m_document->OnOpenDocument(QFileInfo(info.fileName).absoluteFilePath());
    m_document->SetErrorReporter({});
    if (!opened) {
        return false;
    }
    PrintRequest outcome{info.printerName, info.driverName, info.portName, false, {}};
    m_view.view->PrintForCommandLine(outcome);
    if (outcome.printed) {
        m_exitCode = 0;
    } else {
        ShowStartupMessage(outcome.failure);
    }
    return false;
}

void CProgramApp::ShowStartupMessage(const QString& text) {
    if (!m_hasDisplay) {
        // One line, so that scripts can read it.
        QString line = text;
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        std::fprintf(stderr, "%s: %s\n", qPrintable(applicationTitle()), qPrintable(line));
        return;
    }
    if (m_startupMessageBox) {
        m_startupMessageBox(applicationTitle(), text);
    }
}

bool CProgramApp::OnCmdMsg(int id) {
    switch (id) {
    case cmd::kFileNewFromPlan:
        OnFileNewFromPlan();
        return true;
    case cmd::kFileNew:
        OnFileNew();
        return true;
    case cmd::kFileOpen:
        OnFileOpen();
        return true;
    case cmd::kAppAbout:
        OnAppAbout();
        return true;
    case cmd::kLanguage:
        OnLanguage();
        return true;
    case cmd::kHelp:
        OnHelp();
        return true;
    case cmd::kSaveDiagnostic:
        OnSaveDiagnosticReport();
        return true;
    case cmd::kFilePrintSetup:
        m_printers.OnFilePrintSetup(m_frame.get());
        return true;
    // Commands whose features are handled by the form view once it has them
    // (saving) end here, doing nothing, until then.
    case cmd::kFileSave:
    case cmd::kFileSaveAs:
        return true;
    default:
        return false;
    }
}

void CProgramApp::OnFileNew() {
    if (m_document->SaveModified()) {
        m_document->OnNewDocument();
    }
}

void CProgramApp::OnFileNewFromPlan() {
    const auto programFolder = std::filesystem::path(m_state.moduleDirectory.toStdU16String());
    CPlanDlg dialog(zrx::plans::listPlans(zrx::plans::planFolders(programFolder)), m_state.language,
                    m_frame.get());
    if (dialog.exec() != QDialog::Accepted || dialog.Chosen() == nullptr) {
        return;
    }
    const zrx::plans::PlanEntry& plan = *dialog.Chosen();
    // A plan the radio could not use is refused as a whole, never clamped.
    const zrx::plans::PlanLoad loaded = zrx::plans::loadPlan(plan.path);
    if (!loaded) {
        QMessageBox::warning(
            m_frame.get(), applicationTitle(),
            toQString(zrx::plans::describe(*loaded.error, plan.name, m_state.language)));
        return;
    }
    if (m_document->SaveModified()) {
        m_document->OnNewDocument(loaded.image);
    }
}

void CProgramApp::OnFileOpen() {
    const QString path = m_document->PromptOpenFileName();
    if (!path.isEmpty() && m_document->SaveModified()) {
        m_document->OnOpenDocument(path);
    }
}

void CProgramApp::OnAppAbout() {
    CAboutDlg about(m_frame.get());
    about.exec();
}

void CProgramApp::OnLanguage() {
    const std::optional<zrx::Language> chosen = m_languageChooser(m_state.language);
    if (!chosen || *chosen == m_state.language) {
        return;
    }
    // The restart ends this program: unsaved changes are asked about first.
    if (!m_document->SaveModified()) {
        return;
    }
    // The port goes first, so the restarted program keeps the chosen port;
    // an empty port is not written. Should either write fail, a restart
    // would come up in the language still stored, as if the choice had been
    // ignored: the user is told instead, and this program goes on.
    const CIniFile& ini = m_state.iniFile;
    const bool stored =
        (m_state.portName.isEmpty() || ini.WriteString(kSetup, kComKey, m_state.portName)) &&
        ini.WriteString(kSetup, kLanguageKey, LanguageCode(*chosen));
    if (!stored) {
        m_messageBox(applicationTitle(),
                     toQString(kLanguageNotStored, m_state.language).arg(ini.WrittenFileName()));
        return;
    }
    m_launcher(m_state.moduleDirectory + programFileName());
    // The running program ends; its changes were saved or given up above.
    m_quitter();
}

void CProgramApp::OnHelp() {
    m_help.DisplayTopic(m_frame.get(), HelpFileName(m_state.language), m_state.language);
}

void CProgramApp::OnSaveDiagnosticReport() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(folder).filePath(
        QStringLiteral("zrx-diagnostic-%1.txt")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmm"))));
    const QString fileName = m_reportFilePrompt(suggested);
    if (fileName.isEmpty()) {
        return;
    }
    const std::vector<std::string> ports = zrx::portListing(
        zrx::listSystemSerialPorts(), zrx::listSimulatedRadios(), zrx::Language::English);
    // Written whole or not at all: a report cut short would mislead.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(DiagnosticReport(m_state, ports)) < 0 ||
        !file.commit()) {
        m_messageBox(applicationTitle(),
                     toQString(kReportNotSaved, m_state.language)
                         .arg(QDir::toNativeSeparators(fileName), file.errorString()));
        return;
    }
    m_frame->statusBar()->showMessage(
        toQString(kReportSaved, m_state.language).arg(QDir::toNativeSeparators(fileName)));
}
