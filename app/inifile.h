#pragma once

#include <QString>

// The settings file, Program.ini in the module directory. It holds nothing
// but the file's path; every read and write goes to the file.
class CIniFile {
public:
    // The path becomes the module directory followed by `name`.
    void SetFileName(const QString& name);
    [[nodiscard]] QString FileName() const { return m_fileName; }

    // The value, cut to 255 characters; empty when the key is empty or the
    // file, section or key is missing.
    [[nodiscard]] QString ReadString(const QString& section, const QString& key) const;

    // Writes one key; an empty key or value writes nothing and gives false.
    bool WriteString(const QString& section, const QString& key, const QString& value) const;

private:
    QString m_fileName;
};

// The program's one settings file object.
inline CIniFile g_iniFile;
