#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace bs {

// Reads the program's text files (Windows-1252, or UTF-8 after a byte-order mark; CR LF or LF
// line ends) one field per line:
// leading spaces skipped; a field starting with a double quote runs to the next quote on the
// line (to the line end when there is none); otherwise to the next comma or the end of the
// line, spaces at its end kept. Whatever else stands on a line is passed over, so a line
// never shifts the fields after it. Reading past the last line throws DataError.
class FieldReader
{
public:
    // Larger files are refused: the program's own files are a few kilobytes to a few hundred.
    static constexpr qsizetype MaxFileSize = 16 * 1024 * 1024;

    explicit FieldReader(QByteArray bytes);
    // Reads the whole device; throws DataError when it cannot be read.
    static FieldReader fromDevice(QIODevice& device);
    // Opens and reads the file; throws DataError when it is missing or unreadable.
    static FieldReader fromFile(const QString& path);

    QString readField();
    bool atEnd() const;

private:
    QByteArray m_bytes;
    qsizetype m_pos = 0;
    bool m_utf8 = false;
};

} // namespace bs
