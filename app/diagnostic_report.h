#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

struct ProgramState;

// Help > Save Diagnostic Report: what support asks for first, in one text
// file. It holds the program's version, the system, Qt's version and the
// language; the serial ports as `zrx ports` lists them; the chosen port and
// Program.ini; and every byte of the last transfer with how it ended. It
// never holds the user's channel files or anything else.
//
// `portLines` are the ports' lines (they depend on the machine, so the
// caller lists them). The headings are English, for whoever reads it.
[[nodiscard]] QByteArray DiagnosticReport(const ProgramState& state,
                                          const std::vector<std::string>& portLines);
