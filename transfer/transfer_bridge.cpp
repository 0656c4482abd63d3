#include "transfer_bridge.h"

#include <memory>

#include "shell/qt_text.h"

TransferBridge::TransferBridge(QObject* window, Hooks hooks)
    : m_window(window), m_hooks(std::move(hooks)) {}

void TransferBridge::abandon() {
    {
        const std::lock_guard lock(m_mutex);
        m_abandoned = true;
    }
    m_changed.notify_all();
}

bool TransferBridge::abandoned() const {
    const std::lock_guard lock(m_mutex);
    return m_abandoned;
}

void TransferBridge::callAndWait(std::function<void()> call) {
    if (abandoned()) {
        return;
    }
    auto finished = std::make_shared<bool>(false); // guarded by m_mutex
    // The window owns this bridge and waits for the worker before it goes,
    // so the bridge is alive whenever the call runs; a call still queued
    // when the window is destroyed is dropped with the window's events.
    QMetaObject::invokeMethod(
        m_window,
        [this, call = std::move(call), finished] {
            if (!abandoned()) {
                call();
            }
            {
                const std::lock_guard lock(m_mutex);
                *finished = true;
            }
            m_changed.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return *finished || m_abandoned; });
}

void TransferBridge::portOpened() {
    callAndWait([this] { m_hooks.portOpened(); });
}

void TransferBridge::setProgress(int position, int upperBound, std::string_view percentText) {
    const QString percent = toQString(percentText);
    callAndWait(
        [this, position, upperBound, percent] { m_hooks.progress(position, upperBound, percent); });
}

void TransferBridge::showFailure(std::string_view message) {
    const QString text = toQString(message);
    callAndWait([this, text] { m_hooks.failure(text); });
}

bool TransferBridge::stopRequested() const {
    return abandoned();
}

void TransferBridge::transferEnded(bool success) {
    // Posted, not waited for: the worker goes on to close the port while
    // the window closes.
    if (abandoned()) {
        return;
    }
    QMetaObject::invokeMethod(
        m_window,
        [this, success] {
            if (!abandoned()) {
                m_hooks.ended(success);
            }
        },
        Qt::QueuedConnection);
}
