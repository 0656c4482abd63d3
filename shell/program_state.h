#pragma once

#include <QString>
#include <atomic>

#include "image/frequency_codec.h"
#include "image/language.h"
#include "inifile.h"
#include "link/serial_trace.h"

// What the parts of the running program share: the language and the folder
// it runs from (both fixed at start-up), the port the user chose, the band
// the Frequency Range list allows, the settings file, and whether a transfer
// is running. The application owns the one instance and hands it, by
// reference, to the parts that need it; a test builds its own.
struct ProgramState {
    zrx::Language language = zrx::Language::English;
    // The executable's folder with its trailing separator, so "Program.ini"
    // and "Default.sin" are appended to it directly.
    QString moduleDirectory;
    // Passed unchanged to the port open. Start-up replaces it with the value
    // in Program.ini, also when that is empty.
    QString portName = QStringLiteral("COM1");
    // The lowest and highest frequency the channel editor accepts: 400 to
    // 470 MHz until the user picks a range.
    zrx::FrequencyCount bandLower = 40000000;
    zrx::FrequencyCount bandUpper = 47000000;
    CIniFile iniFile;
    // 1 while a programming worker runs: only one transfer at a time.
    std::atomic<int> transferFlag{0};
    // Every byte of the last transfer, kept (bounded) for a diagnostic report.
    zrx::MemoryTrace lastTransferTrace;
};
