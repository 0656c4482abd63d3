#include "diagnostic_report.h"

#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QtGlobal>

#include "settings/program_version.h"
#include "shell/program_state.h"

namespace {

// A Program.ini larger than this is no settings file; the report says so
// instead of copying it.
constexpr qint64 kLargestSettingsFile = 64 * 1024;

const char* languageName(zrx::Language language) {
    switch (language) {
    case zrx::Language::SimplifiedChinese:
        return "Simplified Chinese";
    case zrx::Language::TraditionalChinese:
        return "Traditional Chinese";
    case zrx::Language::English:
        break;
    }
    return "English";
}

void heading(QByteArray& out, const char* title) {
    out += "\n== ";
    out += title;
    out += " ==\n";
}

// One settings file: its name, then its text as it is on disk.
void settingsFile(QByteArray& out, const QString& fileName) {
    out += QFile::encodeName(fileName) + ":\n";
    QFile file(fileName);
    if (!QFileInfo(fileName).isFile()) {
        out += "(no such file)\n";
    } else if (file.size() > kLargestSettingsFile) {
        out += "(" + QByteArray::number(file.size()) + " bytes, not copied)\n";
    } else if (!file.open(QIODevice::ReadOnly)) {
        out += "(cannot be read: " + file.errorString().toUtf8() + ")\n";
    } else {
        QByteArray text = file.readAll();
        if (!text.endsWith('\n')) {
            text += '\n';
        }
        out += text;
    }
}

} // namespace

QByteArray DiagnosticReport(const ProgramState& state, const std::vector<std::string>& portLines) {
    QByteArray out = "ZRX PC Encoder diagnostic report\n";
    heading(out, "Program");
    out += "version: " + QByteArray::fromStdString(std::string(zrx::programVersion())) + "\n";
    out += "system: " + QSysInfo::prettyProductName().toUtf8() + " (" +
           QSysInfo::currentCpuArchitecture().toUtf8() + ")\n";
    out += "Qt: " + QByteArray(qVersion()) + "\n";
    out += "language: " + QByteArray(languageName(state.language)) + "\n";

    heading(out, "Serial ports");
    for (const std::string& line : portLines) {
        out += QByteArray::fromStdString(line) + "\n";
    }
    out += "chosen port: " + state.portName.toUtf8() + "\n";

    heading(out, "Program.ini");
    settingsFile(out, state.iniFile.FileName());
    const QString written = state.iniFile.WrittenFileName();
    if (QFileInfo(written) != QFileInfo(state.iniFile.FileName())) {
        settingsFile(out, written);
    }

    heading(out, "Last transfer");
    const std::string trace = state.lastTransferTrace.text();
    out += trace.empty() ? QByteArray("(no transfer since the program started)\n")
                         : QByteArray::fromStdString(trace);
    return out;
}
