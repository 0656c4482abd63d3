#pragma once

#include "image/language.h"

// The language the program runs in, fixed at start-up from Program.ini and
// never changed while it runs (a change of language restarts the program).
inline zrx::Language g_language = zrx::Language::English;
