#pragma once

#include <QObject>
#include <QString>
#include <condition_variable>
#include <functional>
#include <mutex>

#include "link/transfer_observer.h"

// Carries a transfer's progress from the worker thread to the window that
// shows it. Every call the engine makes on the worker is handed to the
// user-interface thread and waited for there, so the bar is exactly in step
// with the radio and a failure message is dismissed before the worker goes
// on, as the engine expects. The wait ends early once the window has
// abandoned the transfer (it closed, or the program is ending): nothing is
// then run on the window any more, and the engine stops before its next
// exchange with the radio.
class TransferBridge final : public zrx::TransferObserver {
public:
    // Run on the user-interface thread, in the context of `window`.
    struct Hooks {
        std::function<void()> portOpened;
        std::function<void(int position, int upperBound, const QString& percent)> progress;
        // Returns once the user has dismissed the message.
        std::function<void(const QString& message)> failure;
        // The worker's closing command to the window.
        std::function<void(bool success)> ended;
    };

    TransferBridge(QObject* window, Hooks hooks);

    // User-interface thread: no hook runs after this, and every wait of the
    // worker ends now.
    void abandon();

    // The program's busy flag belongs to the transfer session, not to the
    // window: nothing to do here.
    void setTransferFlag(int /*value*/) override {}
    void portOpened() override;
    void setProgress(int position, int upperBound, std::string_view percentText) override;
    void showFailure(std::string_view message) override;
    [[nodiscard]] bool stopRequested() const override;
    void transferEnded(bool success) override;

private:
    // Runs `call` on the window's thread and waits until it has run, or
    // until the transfer is abandoned.
    void callAndWait(std::function<void()> call);
    [[nodiscard]] bool abandoned() const;

    QObject* m_window;
    Hooks m_hooks;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_abandoned = false;
};
