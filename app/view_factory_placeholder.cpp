#include "view_factory.h"

#include <QWidget>

#include "cmd_target.h"

namespace {

// An empty form that handles no command, standing in until the channel
// editor's view is linked in its place.
class EmptyForm : public QWidget, public CCmdTarget {
public:
    explicit EmptyForm(QWidget* parent) : QWidget(parent) {}
    bool OnCmdMsg(int /*id*/) override { return false; }
};

} // namespace

ViewParts CreateProgramView(CProgramDoc* /*doc*/, QWidget* parent) {
    auto* form = new EmptyForm(parent);
    return {form, form};
}
