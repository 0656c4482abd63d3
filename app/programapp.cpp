#include "programapp.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QScrollArea>

#include "aboutdlg.h"
#include "command_ids.h"
#include "image/programdoc.h"
#include "inifile.h"
#include "language_choice.h"
#include "language_state.h"
#include "languagedlg.h"
#include "link/program_port_name.h"
#include "mainframe.h"
#include "module_directory.h"
#include "print_request.h"
#include "resources.h"

namespace {

const QString kSetup = QStringLiteral("Setup");
const QString kLanguageKey = QStringLiteral("Language");
const QString kComKey = QStringLiteral("COM");

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
}

CProgramApp::~CProgramApp() {
    m_frame.reset(); // the view is the frame's child and goes with it
    m_document.reset();
    if (m_translatorInstalled) {
        QCoreApplication::removeTranslator(m_library->Translator());
    }
}

bool CProgramApp::InitInstance(const StartupContext& context) {
    // The module directory: the executable's folder, with its separator, so
    // file names are appended to it directly.
    const QFileInfo executable(context.executablePath);
    g_moduleDirectory = QDir::toNativeSeparators(executable.absolutePath());
    if (!g_moduleDirectory.endsWith(QDir::separator())) {
        g_moduleDirectory += QDir::separator();
    }

    g_iniFile.SetFileName(QStringLiteral("Program.ini"));
    g_iniFile.SetPerUserFileName(m_perUserSettingsFile);
    const QString code = g_iniFile.ReadString(kSetup, kLanguageKey);
    // The port name is taken as stored, also when it is empty.
    g_portName = g_iniFile.ReadString(kSetup, kComKey);
    g_language = LanguageFromCode(code);

    if (!LoadLanguageLibrary(code, context.workingDirectory)) {
        ShowStartupMessage(InLanguage(kLoadLanguageFailed, g_language));
        return false;
    }
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon128.png")));

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
    const QStringList folders = {g_moduleDirectory, workingDirectory};
    if (!m_library->Load(LanguageLibraryName(code), folders)) {
        return false;
    }
    m_translatorInstalled = QCoreApplication::installTranslator(m_library->Translator());
    return m_translatorInstalled;
}

bool CProgramApp::CreateDocumentTemplate() {
    m_document = std::make_unique<CProgramDoc>();
    m_frame = std::make_unique<CMainFrame>();
    if (!m_frame->Create()) {
        m_frame.reset();
        return false;
    }
    m_document->SetDialogParent(m_frame.get());
    m_view = CreateProgramView(m_document.get(), m_frame.get());
    // Like a form view, the form keeps its own size and scrolls when the
    // frame is smaller than the form, instead of stretching the frame.
    auto* scroller = new QScrollArea(m_frame.get());
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(m_view.widget);
    m_frame->setCentralWidget(scroller);
    m_frame->SetCommandTargets(m_view.target, m_document.get(), this);
    return true;
}

bool CProgramApp::ProcessShellCommand(const CCommandLineInfo& info) {
    using Shell = CCommandLineInfo::Shell;
    if (info.shellCommand == Shell::FileNew) {
        return m_document->OnNewDocument();
    }
    // A document named on the command line: a failed open has shown its
    // message, and the program ends.
    m_document->SetDialogParent(nullptr);
    const bool opened = m_document->OnOpenDocument(QFileInfo(info.fileName).absoluteFilePath());
    m_document->SetDialogParent(m_frame.get());
    if (!opened) {
        return false;
    }
    if (info.shellCommand == Shell::FileOpen) {
        return true;
    }
    // Print and end, without showing the window; that is a success.
    g_commandLinePrint = PrintRequest{info.printerName, info.driverName, info.portName};
    m_frame->Dispatch(cmd::kFilePrintDirect);
    g_commandLinePrint.reset();
    m_exitCode = 0;
    return false;
}

void CProgramApp::ShowStartupMessage(const QString& text) {
    if (m_startupMessageBox) {
        m_startupMessageBox(applicationTitle(), text);
    }
}

bool CProgramApp::OnCmdMsg(int id) {
    switch (id) {
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
    // Commands whose features are handled by the form view once it has them
    // (saving, printing and the settings dialogs)
    // end here, doing nothing, until then.
    case cmd::kFileSave:
    case cmd::kFileSaveAs:
    case cmd::kFilePrint:
    case cmd::kFilePrintDirect:
    case cmd::kFilePrintPreview:
    case cmd::kFilePrintSetup:
    case cmd::kOption:
    case cmd::kSideKey:
    case cmd::kEmbed:
        return true;
    default:
        return false;
    }
}

void CProgramApp::OnFileNew() {
    m_document->OnNewDocument();
}

void CProgramApp::OnFileOpen() {
    const QString path = m_document->PromptOpenFileName();
    if (!path.isEmpty()) {
        m_document->OnOpenDocument(path);
    }
}

void CProgramApp::OnAppAbout() {
    CAboutDlg about(m_frame.get());
    about.exec();
}

void CProgramApp::OnLanguage() {
    CLanguageDlg dialog(g_language, m_frame.get());
    if (dialog.exec() != QDialog::Accepted || dialog.Chosen() == g_language) {
        return;
    }
    // The port goes first, so the restarted program keeps the chosen port;
    // an empty value is not written. A failed write is not reported: the
    // restarted program then comes up in the language still stored.
    g_iniFile.WriteString(kSetup, kComKey, g_portName);
    g_iniFile.WriteString(kSetup, kLanguageKey, LanguageCode(dialog.Chosen()));
    m_launcher(g_moduleDirectory + programFileName());
    // The running program ends without asking: nothing is ever marked
    // modified, and unsaved edits are lost.
    m_quitter();
}

void CProgramApp::OnHelp() {
    m_help.DisplayTopic(m_frame.get(), HelpFileName(g_language));
}
