#include "other_port_box.h"

#include <QInputDialog>
#include <QLineEdit>

#include "shell/qt_text.h"

namespace {

constexpr zrx::LocalText kMenuText{"&Other port\u2026", "其他端口(&O)\u2026", "其他端口(&O)\u2026"};
constexpr zrx::LocalText kCaption{"Other Port", "其他端口", "其他端口"};
// %1: an example of a port name on this system.
constexpr zrx::LocalText kPrompt{
    "Device name or path of the port, for example %1:", "端口的设备名称或路径，例如 %1：",
    "端口的裝置名稱或路徑，例如 %1："};

#ifdef Q_OS_WIN
const QString kExample = QStringLiteral("COM12");
#else
const QString kExample = QStringLiteral("/dev/ttyUSB0");
#endif

// Program.ini gives back at most 255 characters of a value.
constexpr qsizetype kLongestPortName = 255;

} // namespace

std::optional<QString> AskForOtherPort(QWidget* parent, const QString& current,
                                       zrx::Language language) {
    QInputDialog box(parent);
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(toQString(kCaption.in(language)));
    box.setLabelText(toQString(kPrompt.in(language)).arg(kExample));
    box.setTextValue(current);
    if (auto* line = box.findChild<QLineEdit*>()) {
        line->setMaxLength(kLongestPortName);
        // Room for a long device path, in whatever font the box has.
        line->setMinimumWidth(line->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    }
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return box.textValue();
}

QString OtherPortMenuText(zrx::Language language) {
    return toQString(kMenuText.in(language));
}

std::optional<QString> UsablePortName(const QString& typed) {
    const QString name = typed.trimmed();
    if (name.isEmpty() || name.size() > kLongestPortName) {
        return std::nullopt;
    }
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control) {
            return std::nullopt;
        }
    }
    return name;
}
