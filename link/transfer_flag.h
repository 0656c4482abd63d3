#pragma once

#include <atomic>

// 1 while a programming worker runs, 0 otherwise. Written by the worker,
// read by the transfer dialog's Start button.
inline std::atomic<int> g_transferFlag{0};
