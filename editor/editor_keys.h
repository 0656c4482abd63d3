#pragma once

#include "cell_edit_rules.h"

class QKeyEvent;

// A key press as the editing rules know keys.
[[nodiscard]] zrx::editing::Key keyOf(const QKeyEvent* event);
[[nodiscard]] zrx::editing::KeyStroke strokeOf(const QKeyEvent* event);
