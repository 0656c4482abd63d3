#include "port_problem.h"

#include "link/port_name.h"
#include "shell/qt_text.h"

namespace {

#ifdef Q_OS_LINUX
constexpr zrx::LocalText kPermissionDenied{
    "%1: permission denied: add your user to the dialout group",
    "%1：权限不足：请把您的用户加入 dialout 组",
    "%1：權限不足：請把您的使用者加入 dialout 群組",
};
#else
constexpr zrx::LocalText kPermissionDenied{"%1: permission denied", "%1：权限不足", "%1：權限不足"};
#endif

} // namespace

QString PermissionProblemText(const QString& portName, zrx::Language language) {
#ifdef Q_OS_WIN
    const QString device = portName;
#else
    const QString device =
        QString::fromStdString(zrx::posixDeviceForPortName(portName.toStdString()));
#endif
    return toQString(kPermissionDenied, language).arg(device);
}
