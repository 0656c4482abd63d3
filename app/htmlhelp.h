#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

// The help viewer: hands a help file to the desktop's handler for it. The
// file is named without a folder and looked for beside the program, then in
// the working directory. When no viewer takes a file, the program stops
// asking for the rest of the run.
class CHtmlHelp {
public:
    using Viewer = std::function<bool(const QUrl&)>;

    // The desktop's handler by default; tests put their own here.
    void SetViewer(Viewer viewer);

    // Shows the start topic of `fileName`. Returns false, showing nothing,
    // when the file is missing or no viewer can show it.
    bool DisplayTopic(QWidget* owner, const QString& fileName);

    [[nodiscard]] bool BindingFailed() const { return m_bindingFailed; }

private:
    Viewer m_viewer;
    bool m_bindingFailed = false;
};
