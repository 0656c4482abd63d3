#pragma once

#include <QString>

// Program.ini's one section and the keys the program reads and writes there.
inline constexpr char kIniSetupSection[] = "Setup";
inline constexpr char kIniLanguageKey[] = "Language";
inline constexpr char kIniPortKey[] = "COM";

// The settings file, Program.ini in the module directory. It holds the
// file's path and the place of a per-user copy; every read and write goes to
// the files.
class CIniFile {
public:
    // The path becomes `moduleDirectory` (with its separator) followed by `name`.
    void SetFileName(const QString& moduleDirectory, const QString& name);
    [[nodiscard]] QString FileName() const { return m_fileName; }

    // Where changes go when the module directory takes no files (the
    // program installed in a system folder); empty: nowhere.
    void SetPerUserFileName(const QString& path) { m_perUserFileName = path; }

    // The value, cut to 255 characters; empty when the key is empty or the
    // file, section or key is missing.
    [[nodiscard]] QString ReadString(const QString& section, const QString& key) const;

    // Writes one key; an empty key or value writes nothing and gives false.
    bool WriteString(const QString& section, const QString& key, const QString& value) const;

    // The file a write goes to now, in the system's spelling: the one in
    // the module directory, or the per-user copy when the directory takes
    // no files and there is one.
    [[nodiscard]] QString WrittenFileName() const;

private:
    QString m_fileName;
    QString m_perUserFileName;
};
