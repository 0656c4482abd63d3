#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "command_line.h"
#include "htmlhelp.h"
#include "language_library.h"
#include "shell/cmd_target.h"
#include "shell/printer_settings.h"
#include "shell/program_state.h"
#include "view_factory.h"

class CMainFrame;
class CProgramDoc;
class QTranslator;
class QWidget;

// Where the program was started from: the resolved path of its executable,
// the working directory and the command line (without the program name).
// Without a display (printing from the command line on a machine without a
// screen) start-up messages go to stderr instead of a message box.
struct StartupContext {
    QString executablePath;
    QString workingDirectory;
    QStringList arguments;
    bool hasDisplay = true;
};

// The application: start-up, the application-level commands (New, Open,
// About, Language, Help and those whose features come with later work) and
// the restart after a change of language.
class CProgramApp : public QObject, public CCmdTarget {
    Q_OBJECT
public:
    // Starts `program` (no shell, no arguments); the result is not examined.
    using Launcher = std::function<void(const QString& program)>;
    // Asks the event loop to end with exit code 0.
    using Quitter = std::function<void()>;
    // Shows a message with an OK button: caption, text.
    using MessageBox = std::function<void(const QString&, const QString&)>;
    // Asks for the language, the current one first; nullopt when the user
    // cancels.
    using LanguageChooser = std::function<std::optional<zrx::Language>(zrx::Language current)>;

    // Asks where a diagnostic report goes, offering `suggested`; empty when
    // the user cancels. A save dialog by default.
    using ReportFilePrompt = std::function<QString(const QString& suggested)>;

    explicit CProgramApp(QObject* parent = nullptr);
    ~CProgramApp() override;

    // Runs start-up; true to run the event loop, false to end at once.
    bool InitInstance(const StartupContext& context);
    // The exit status when start-up ended the program: 0 after printing
    // from the command line, 1 after a failure.
    [[nodiscard]] int StartupExitCode() const { return m_exitCode; }

    void SetLauncher(Launcher launcher) { m_launcher = std::move(launcher); }
    void SetQuitter(Quitter quitter) { m_quitter = std::move(quitter); }
    void SetStartupMessageBox(MessageBox box) { m_startupMessageBox = std::move(box); }
    // Messages once the window is up; a warning box over it by default.
    void SetMessageBox(MessageBox box) { m_messageBox = std::move(box); }
    // The Language dialog by default.
    void SetLanguageChooser(LanguageChooser chooser) { m_languageChooser = std::move(chooser); }
    void SetReportFilePrompt(ReportFilePrompt prompt) { m_reportFilePrompt = std::move(prompt); }
    // Where the user's own copy of Program.ini goes when the program's folder
    // takes no files; empty (the default): nowhere. Set before start-up.
    void SetPerUserSettingsFile(const QString& path) { m_perUserSettingsFile = path; }

    [[nodiscard]] CMainFrame* MainFrame() const { return m_frame.get(); }
    [[nodiscard]] CProgramDoc* Document() const { return m_document.get(); }
    [[nodiscard]] QWidget* View() const { return m_view.widget; }
    // What the program's parts share; tests change the port name here.
    [[nodiscard]] ProgramState& State() { return m_state; }
    [[nodiscard]] CHtmlHelp& Help() { return m_help; }
    [[nodiscard]] const LanguageLibrary* Library() const { return m_library.get(); }
    [[nodiscard]] PrinterSettings& Printers() { return m_printers; }

    bool OnCmdMsg(int id) override;

    void OnFileNew();
    void OnFileNewFromPlan();
    void OnFileOpen();
    void OnAppAbout();
    void OnLanguage();
    void OnHelp();
    // Help > Save Diagnostic Report.
    void OnSaveDiagnosticReport();

private:
    bool LoadLanguageLibrary(const QString& code, const QString& workingDirectory);
    void LoadQtTranslations();
    bool CreateDocumentTemplate();
    bool ProcessShellCommand(const CCommandLineInfo& info);
    bool PrintFromCommandLine(const CCommandLineInfo& info);
    void ShowStartupMessage(const QString& text);

    std::unique_ptr<LanguageLibrary> m_library;
    bool m_translatorInstalled = false;
    // Qt's own texts (file dialogs, standard buttons, print dialogs) in the
    // running language.
    std::unique_ptr<QTranslator> m_qtTranslator;
    std::unique_ptr<CProgramDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
    ProgramState m_state;
    ViewParts m_view{nullptr, nullptr, nullptr};
    CHtmlHelp m_help;
    PrinterSettings m_printers;
    bool m_hasDisplay = true;
    Launcher m_launcher;
    Quitter m_quitter;
    MessageBox m_startupMessageBox;
    MessageBox m_messageBox;
    LanguageChooser m_languageChooser;
    ReportFilePrompt m_reportFilePrompt;
    QString m_perUserSettingsFile;
    int m_exitCode = 1;
};
