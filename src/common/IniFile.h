#pragma once

// The settings file: an INI file read and written one key at a time. Nothing is kept in
// memory, so the file on disk is always the truth and hand edits are seen at the next read.

#include <QString>

namespace horavine {

class IniFile
{
public:
    // Longest string value a read returns; longer values are cut.
    static constexpr int kMaxValueLength = 2047;

    explicit IniFile(const QString& path);

    const QString& fileName() const { return m_path; }

    // Section and key names compare without regard to case; the first matching section and the
    // first matching key in it win. A missing file, section or key gives the default.
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // "0x"/"0X" or "$" mean hexadecimal; a value that is not a number gives the default.
    int ReadInteger(const QString& section, const QString& key, int def) const;
    bool ReadBool(const QString& section, const QString& key, bool def) const;

    // Replaces that key's value, or adds the key at the end of its section, or adds the section
    // at the end of the file; every other byte stays as it was. Throws IoError
    // "Unable to write to <full path>" when the file cannot be written.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);

private:
    QString m_path;
};

} // namespace horavine
