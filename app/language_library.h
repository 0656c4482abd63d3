#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTranslator>

// A language library: the compiled catalogue of every resource text of one
// language, in a file named after the language code ("Chs.dll"). Once
// installed it answers every res() lookup for the rest of the run.
class LanguageLibrary {
public:
    // Looks for `fileName` in each folder in turn, taking a file whose name
    // differs only in case when the exact name is not there (as a file
    // system that ignores case would), and loads the first one found. Only
    // bare names are taken: a name with a folder in it is never loaded.
    bool Load(const QString& fileName, const QStringList& folders);

    // The file that was loaded.
    [[nodiscard]] QString Path() const { return m_path; }
    [[nodiscard]] QTranslator* Translator() { return &m_translator; }

    // The folder entry for `fileName` in `folder`, or an empty text.
    [[nodiscard]] static QString Find(const QString& fileName, const QString& folder);

private:
    QByteArray m_data; // the catalogue refers to these bytes, so they live as long as it
    QTranslator m_translator;
    QString m_path;
};
