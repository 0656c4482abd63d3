#pragma once

// Modal windows in tests. A command that shows a dialog with exec() does not
// return until somebody ends that dialog; a test that answers it from a timer
// must never leave it open, or the suite waits for ever. ModalAnswers names
// the windows a test expects, answers each as it shows, and fails the test,
// naming the window, and ends every modal window when
//   - an expected window has not shown within the deadline,
//   - a window it did not expect shows,
//   - a handler failed (a QVERIFY in it returned early),
//   - an answered window is still open at the deadline.
// A window the test expected and never saw fails that test when the
// ModalAnswers goes out of scope, never a later one. Outside a ModalAnswers,
// a watchdog ends any modal window left open past the deadline, so that even
// a test that expected none cannot hang.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

namespace modal {

// Long enough for a loaded machine, far below ctest's time-out;
// ZRX_MODAL_DEADLINE_MS sets another (the helper's own test).
inline int deadlineMs() {
    static const int value = [] {
        bool ok = false;
        const int set = qEnvironmentVariableIntValue("ZRX_MODAL_DEADLINE_MS", &ok);
        return ok && set > 0 ? set : 20000;
    }();
    return value;
}

// How a failure is told; Qt Test's failure by default. Programs that are not
// Qt Test suites (the picture-takers) put their own in.
using FailureReporter = std::function<void(const QString& message)>;
inline FailureReporter& failureReporter() {
    static FailureReporter reporter = [](const QString& message) {
        QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    };
    return reporter;
}

// The modal window on top, if any. Offscreen the active window is not always
// set, so a visible modal top-level counts too.
inline QWidget* current() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    QWidget* found = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->isModal()) {
            found = top;
        }
    }
    return found;
}

inline QString describe(const QWidget* window) {
    if (window == nullptr) {
        return QStringLiteral("no window");
    }
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(window->metaObject()->className()), window->windowTitle());
}

// Ends every modal window, the top one first, so each exec() waiting for one
// returns once control gets back to it.
inline void closeAll() {
    for (int guard = 0; guard < 16; ++guard) {
        QWidget* window = current();
        if (window == nullptr) {
            return;
        }
        if (auto* dialog = qobject_cast<QDialog*>(window)) {
            dialog->QDialog::done(QDialog::Rejected);
        } else {
            window->close();
        }
        window->hide();
    }
}

// How many ModalAnswers are alive: while one is, it alone looks after the
// modal windows.
inline int& activeAnswerers() {
    static int count = 0;
    return count;
}

} // namespace modal

// The modal windows one test expects, in order.
//
//     ModalAnswers answers;
//     answers.expect<QMessageBox>("the error box", [&](QMessageBox* box) { ... box->accept(); });
//     doc->OnOpenDocument(path);
//
// A step made with allow() may be left out (a message that shows only in
// some rows of a data-driven test).
class ModalAnswers {
public:
    explicit ModalAnswers(int deadlineMs = modal::deadlineMs()) : m_deadlineMs(deadlineMs) {
        ++modal::activeAnswerers();
        m_clock.start();
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }
    ~ModalAnswers() {
        m_timer.stop();
        --modal::activeAnswerers();
        if (!m_failed) {
            for (std::size_t i = m_next; i < m_steps.size(); ++i) {
                if (m_steps[i].required) {
                    fail(QStringLiteral("%1 never opened").arg(m_steps[i].what));
                    break;
                }
            }
        }
        // Nothing this test opened outlives it.
        modal::closeAll();
    }
    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;

    template <typename T>
    ModalAnswers& expect(const QString& what, std::function<void(T*)> handler) {
        return add<T>(what, std::move(handler), true);
    }
    template <typename T>
    ModalAnswers& allow(const QString& what, std::function<void(T*)> handler) {
        return add<T>(what, std::move(handler), false);
    }

    // How many windows have been answered so far.
    [[nodiscard]] int answered() const { return static_cast<int>(m_next); }
    [[nodiscard]] bool failed() const { return m_failed; }

private:
    struct Step {
        QString what;
        std::function<bool(QWidget*)> matches;
        std::function<void(QWidget*)> handle;
        bool required = true;
    };

    template <typename T>
    ModalAnswers& add(const QString& what, std::function<void(T*)> handler, bool required) {
        m_steps.push_back(
            {what, [](QWidget* window) { return qobject_cast<T*>(window) != nullptr; },
             [handler = std::move(handler)](QWidget* window) { handler(qobject_cast<T*>(window)); },
             required});
        return *this;
    }

    [[nodiscard]] bool seen(QWidget* window) const {
        for (const QPointer<QWidget>& answered : m_answered) {
            if (answered == window) {
                return true;
            }
        }
        return false;
    }

    [[nodiscard]] QString awaited() const {
        return m_next < m_steps.size() ? m_steps[m_next].what : QStringLiteral("no more windows");
    }

    void poll() {
        if (m_failed) {
            return;
        }
        QWidget* top = modal::current();
        if (top != nullptr && !seen(top)) {
            answer(top);
            return;
        }
        if (m_clock.elapsed() <= m_deadlineMs) {
            return;
        }
        if (top != nullptr) {
            fail(QStringLiteral("%1 still open %2 s after it was answered")
                     .arg(modal::describe(top))
                     .arg(m_deadlineMs / 1000.0, 0, 'f', 1));
        } else if (m_next < m_steps.size() && m_steps[m_next].required) {
            fail(QStringLiteral("%1 did not open within %2 s")
                     .arg(m_steps[m_next].what)
                     .arg(m_deadlineMs / 1000.0, 0, 'f', 1));
        } else {
            return;
        }
        modal::closeAll();
    }

    void answer(QWidget* window) {
        std::size_t step = m_next;
        while (step < m_steps.size() && !m_steps[step].matches(window) && !m_steps[step].required) {
            ++step; // an optional window that did not show
        }
        if (step == m_steps.size() || !m_steps[step].matches(window)) {
            fail(QStringLiteral("%1 opened while waiting for %2")
                     .arg(modal::describe(window), awaited()));
            modal::closeAll();
            return;
        }
        // Taken before the handler runs: a window the handler itself opens
        // is the next step's.
        m_answered.push_back(window);
        m_next = step + 1;
        m_clock.restart();
        // The handler runs from a timer of its own: Qt does not fire the
        // polling timer again while its own call is running, and a window
        // the handler opens must still be answered.
        QTimer::singleShot(0, &m_timer, [this, step, target = QPointer<QWidget>(window)] {
            if (target == nullptr) {
                return;
            }
            const bool failedBefore = QTest::currentTestFailed();
            m_steps[step].handle(target);
            if (!failedBefore && QTest::currentTestFailed()) {
                // The handler's own check failed and returned early: end
                // what it left open so the test can finish.
                m_failed = true;
                modal::closeAll();
            }
        });
    }

    void fail(const QString& message) {
        m_failed = true;
        modal::failureReporter()(message);
    }

    int m_deadlineMs;
    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    QList<QPointer<QWidget>> m_answered;
    QElapsedTimer m_clock;
    QTimer m_timer;
    bool m_failed = false;
};

namespace modal {

// Outside any ModalAnswers, a modal window left open past the deadline fails
// the test and is ended.
class Watchdog : public QObject {
public:
    Watchdog() : QObject(qApp) {
        auto* timer = new QTimer(this);
        timer->setInterval(100);
        QObject::connect(timer, &QTimer::timeout, this, [this] { look(); });
        timer->start();
    }

private:
    void look() {
        QWidget* top = current();
        if (top == nullptr || activeAnswerers() > 0) {
            m_window = nullptr;
            return;
        }
        if (m_window != top) {
            m_window = top;
            m_clock.start();
            return;
        }
        if (m_clock.elapsed() > deadlineMs()) {
            failureReporter()(
                QStringLiteral("%1 was left open with nobody to answer it").arg(describe(top)));
            m_window = nullptr;
            closeAll();
        }
    }

    QPointer<QWidget> m_window;
    QElapsedTimer m_clock;
};

// Every program that includes this gets the watchdog as its application
// starts.
inline const bool kWatchdogInstalled = [] {
    qAddPreRoutine([] { QTimer::singleShot(0, qApp, [] { new Watchdog; }); });
    return true;
}();

} // namespace modal
