#pragma once

#include <optional>

// The lock keys whose state the status bar shows.
enum class LockKey { CapsLock, NumLock, ScrollLock };

// Whether the key's lock is on, or nothing where the system does not tell
// (the indicator then stays unlit).
[[nodiscard]] std::optional<bool> LockKeyState(LockKey key);
