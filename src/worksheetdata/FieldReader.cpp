#include "worksheetdata/FieldReader.h"

#include "base/TextFile.h"
#include "worksheetdata/DataError.h"

#include <QFile>
#include <QIODevice>

#include <algorithm>

namespace bs {

namespace {

[[noreturn]] void fail(const QString& message)
{
    throw DataError(message.toStdString());
}

QByteArray readLimited(QIODevice& device, const QString& name)
{
    QByteArray bytes = device.read(FieldReader::MaxFileSize + 1);
    if (bytes.size() > FieldReader::MaxFileSize)
        fail(QStringLiteral("%1 is too large to be one of the program's files.").arg(name));
    return bytes;
}

} // namespace

FieldReader::FieldReader(QByteArray bytes)
    : m_bytes(std::move(bytes)), m_utf8(m_bytes.startsWith(textfile::Utf8Mark))
{
    if (m_utf8)
        m_pos = textfile::Utf8Mark.size();
}

FieldReader FieldReader::fromDevice(QIODevice& device)
{
    if (!device.isReadable())
        fail(QStringLiteral("The file is not open for reading."));
    return FieldReader(readLimited(device, QStringLiteral("The file")));
}

FieldReader FieldReader::fromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    QByteArray bytes = readLimited(file, path);
    if (file.error() != QFileDevice::NoError)
        fail(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return FieldReader(std::move(bytes));
}

bool FieldReader::atEnd() const
{
    return m_pos >= m_bytes.size();
}

QString FieldReader::readField()
{
    if (atEnd())
        fail(QStringLiteral("Input past end of file"));

    const char* const data = m_bytes.constData();
    const char* const fileEnd = data + m_bytes.size();
    const char* const lineStart = data + m_pos;
    const char* const newline = std::find(lineStart, fileEnd, '\n');
    m_pos = newline == fileEnd ? m_bytes.size() : (newline - data) + 1;

    const char* lineEnd = newline;
    if (lineEnd > lineStart && lineEnd[-1] == '\r')
        --lineEnd;

    const char* start = std::find_if(lineStart, lineEnd, [](char c) { return c != ' '; });
    const char* end;
    if (start != lineEnd && *start == '"') {
        ++start;
        end = std::find(start, lineEnd, '"');
    } else {
        end = std::find(start, lineEnd, ',');
    }
    // The field's ends are ASCII bytes, which never occur inside a UTF-8 sequence.
    return textfile::decode(QByteArrayView(start, end - start), m_utf8);
}

} // namespace bs
