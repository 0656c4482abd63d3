#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "app/programapp.h"
#include "modal_answers.h"

// The tests answer the program's file dialogs as Qt widgets. On Windows the
// program shows the system's own dialog, which no test can reach: the tests
// ask for Qt's.
inline const bool kQtDialogsForTests = [] {
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    return true;
}();

// The program's file name on this system.
inline QString programFileName() {
#ifdef Q_OS_WIN
    return QStringLiteral("Program.exe");
#else
    return QStringLiteral("Program");
#endif
}

// How this system's file names compare: Windows finds "chs.dll" as Chs.dll.
#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kFileNameCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kFileNameCase = Qt::CaseSensitive;
#endif

// A module directory of its own for one test: copies of the language
// libraries that the build put in the output folder, and a Program.ini.
class ProgramFolder {
public:
    ProgramFolder() { QDir().mkpath(m_workingDirectory.path()); }

    [[nodiscard]] QString path() const { return m_dir.path(); }
    [[nodiscard]] QString file(const QString& name) const { return m_dir.filePath(name); }
    [[nodiscard]] QString workingDirectory() const { return m_workingDirectory.path(); }

    // Copies <code>.dll from the build's output folder, optionally under another name.
    bool addLibrary(const QString& code, const QString& asName = QString()) const {
        const QString source = QDir(QString::fromLocal8Bit(qgetenv("ZRX_OUTPUT_DIR")))
                                   .filePath(code + QStringLiteral(".dll"));
        return QFile::copy(source, file(asName.isEmpty() ? code + QStringLiteral(".dll") : asName));
    }
    void addAllLibraries() const {
        addLibrary(QStringLiteral("Eng"));
        addLibrary(QStringLiteral("Chs"));
        addLibrary(QStringLiteral("Cht"));
    }
    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile out(file(name));
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(bytes);
    }
    [[nodiscard]] QByteArray readFile(const QString& name) const {
        QFile in(file(name));
        in.open(QIODevice::ReadOnly);
        return in.readAll();
    }
    void writeIni(const QByteArray& text) const { writeFile(QStringLiteral("Program.ini"), text); }

    // Where the program would keep a per-user Program.ini: inside this test's
    // folders, never the real home.
    [[nodiscard]] QString perUserFile() const {
        return QDir(workingDirectory()).filePath(QStringLiteral("config/Program.ini"));
    }

    [[nodiscard]] StartupContext context(const QStringList& arguments = {}) const {
        return {file(programFileName()), workingDirectory(), arguments};
    }

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_workingDirectory;
};

// What the application did that a test must see without it happening: the
// start-up message and later ones, help's notices, the restart and the quit.
struct AppObserver {
    QStringList messages; // "caption|text"
    QStringList notices;  // why help could not be shown
    QStringList launched; // programs started
    int quitRequests = 0;

    void attach(CProgramApp& app) {
        app.SetStartupMessageBox([this](const QString& caption, const QString& text) {
            messages << caption + QLatin1Char('|') + text;
        });
        app.SetMessageBox([this](const QString& caption, const QString& text) {
            messages << caption + QLatin1Char('|') + text;
        });
        app.Help().SetNotice([this](QWidget*, const QString& text) { notices << text; });
        app.SetLauncher([this](const QString& program) { launched << program; });
        app.SetQuitter([this] { ++quitRequests; });
    }
};

// A program started in a module directory of its own, in the language of
// `code` ("Eng", "Chs", "Cht") and, when given, on `port`, with its
// messages and restarts observed.
struct StartedProgram {
    ProgramFolder folder;
    CProgramApp app;
    AppObserver observer;

    [[nodiscard]] bool start(const QByteArray& code, const QByteArray& port = {}) {
        folder.addAllLibraries();
        folder.writeIni("[Setup]\r\nLanguage=" + code + "\r\n" +
                        (port.isEmpty() ? QByteArray() : "COM=" + port + "\r\n"));
        observer.attach(app);
        return app.InitInstance(folder.context());
    }
};
