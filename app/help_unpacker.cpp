#include "help_unpacker.h"

#include <QProcess>

namespace {

constexpr int kTimeoutMs = 10000;

} // namespace

std::optional<HelpBundle> UnpackHelpFile(const QString& chmPath, const QString& unpacker) {
    QProcess helper;
    helper.setProcessChannelMode(QProcess::SeparateChannels);
    helper.setStandardErrorFile(QProcess::nullDevice());
    helper.start(unpacker, {chmPath});
    if (!helper.waitForStarted(kTimeoutMs)) {
        return std::nullopt;
    }
    helper.closeWriteChannel();
    if (!helper.waitForFinished(kTimeoutMs)) {
        helper.kill();
        helper.waitForFinished(1000);
        return std::nullopt;
    }
    if (helper.exitStatus() != QProcess::NormalExit || helper.exitCode() != 0) {
        return std::nullopt;
    }
    const QByteArray output = helper.readAllStandardOutput();
    return UnpackHelpBundle(
        std::string_view(output.constData(), static_cast<std::size_t>(output.size())));
}
