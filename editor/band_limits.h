#pragma once

#include "image/frequency_codec.h"

// The lowest and highest frequency the channel editor accepts; the Frequency
// Range list sets them. 400 to 470 MHz until the user picks a range.
inline zrx::FrequencyCount g_bandLower = 40000000;
inline zrx::FrequencyCount g_bandUpper = 47000000;
