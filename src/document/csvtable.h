#pragma once

#include "picture/boundedread.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <memory>

namespace qm {

// A table's file opened for reading in pieces. Only a regular file is opened, without waiting
// (a pipe without writer would block a plain open), and its descriptor is examined, so a
// folder, pipe, device or dangling link is refused at once.
struct TableFile {
    std::unique_ptr<QFile> file; // open for reading when error is None
    FileReadError error = FileReadError::None;
    QString reason; // the system's reason, for Missing and Unreadable
};
TableFile openTableFile(const QString &path);

// One record of a table: its fields as the bytes of the file, quotes taken off, and the line of
// the file it starts on (the first line is 1).
struct CsvRecord {
    QList<QByteArray> fields;
    qint64 line = 0;
};

// Reads comma-separated values as RFC 4180 writes them: fields in double quotes may hold
// commas, line breaks and doubled quotes; records end with CR LF or a lone LF. A UTF-8 byte
// order mark at the start is skipped. Only one record is held at a time, so tables of any
// length are read in constant memory; a record longer than maxRecordBytes (an unclosed quote
// swallowing the rest of a file, say) is an error, as is a NUL byte. Empty lines are no records.
class CsvReader
{
public:
    static constexpr qint64 DefaultMaxRecordBytes = 1 << 20;

    explicit CsvReader(QIODevice *device, qint64 maxRecordBytes = DefaultMaxRecordBytes);

    // The next record: true when one was read; false at the end or on an error.
    bool next(CsvRecord &record);
    // Why reading stopped short ("line 7: ..."); empty at the regular end.
    const QString &error() const { return m_error; }

private:
    bool fill();
    int peek();
    int take();

    QIODevice *m_device;
    qint64 m_maxRecordBytes;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    qint64 m_line = 1;
    bool m_started = false;
    bool m_ended = false;
    QString m_error;
};

// The text of a table's cells: each cell is decoded on its own from the file's bytes.
class TableDecoder
{
public:
    // "UTF-8", "GB18030" or any other name the system's converter knows; an empty name decides
    // by the file, see forFile().
    explicit TableDecoder(const QString &encoding);
    ~TableDecoder();
    TableDecoder(const TableDecoder &) = delete;
    TableDecoder &operator=(const TableDecoder &) = delete;

    // False when the encoding is not known.
    bool isValid() const;
    const QString &encoding() const { return m_encoding; }

    // The cell's text; false when its bytes are not valid in the encoding.
    bool decode(const QByteArray &bytes, QString *text) const;

    // The encoding a table is read in when none is given: UTF-8 when the whole device is valid
    // UTF-8, otherwise GB18030. The device is read to its end (or its first NUL, which no table
    // holds) and then back at its start.
    static QString encodingOf(QIODevice &device);

private:
    QString m_encoding;
    bool m_utf8 = false;
    void *m_converter; // iconv_t
};

} // namespace qm
