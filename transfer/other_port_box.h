#pragma once

#include <QString>
#include <optional>

#include "image/language.h"

class QWidget;

// The box of Port > Other port...: one line for any device name or path
// ("COM12", "/dev/ttyACM0", a link to a device), filled with the current
// port. The text as typed when the user presses OK; nullopt on Cancel.
[[nodiscard]] std::optional<QString> AskForOtherPort(QWidget* parent, const QString& current,
                                                     zrx::Language language);

// The menu item that opens the box: "Other port..." in `language`.
[[nodiscard]] QString OtherPortMenuText(zrx::Language language);

// What a typed port name becomes: without the spaces around it; nullopt
// when nothing is left, or it holds a control character (which Program.ini
// could not keep on its one line), or it is longer than Program.ini reads
// back.
[[nodiscard]] std::optional<QString> UsablePortName(const QString& typed);
