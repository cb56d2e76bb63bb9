#pragma once

#include "document/placeholdertext.h"
#include "export/sealexporter.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace qm {
class Seal;
}

namespace qm::cli {

// One row of a table, decoded, with the name its picture is written under.
struct BatchRow {
    qint64 line = 0;   // where the row starts in the file, the header being line 1
    qint64 number = 0; // counted from 1 after the header
    QStringList cells;
    QString fileName;
};

// What became of a row: written when problem is empty.
struct BatchOutcome {
    qint64 line = 0;
    qint64 number = 0;
    QString problem;
    QString fileName;
    int width = 0;
    int height = 0;
};

// The seals of a template with placeholders in their texts, and the pattern of the names their
// pictures are written under. make() only reads the plan, so rows may be made on several
// threads at once; each row fills copies of its own.
class BatchPlan
{
public:
    // The seal texts that may hold placeholders, in the order they are reported.
    static constexpr int TextCount = 5; // Text, Text1, Text2, Text3, Code

    // Takes the seals (kept by the caller) and the output pattern; false and *error when a text
    // or the pattern has an unmatched brace, or the pattern names no picture kind.
    bool prepare(const QList<const Seal *> &seals, const QString &outputPattern, QString *error);
    // Binds every placeholder to the header's columns; returns what is wrong with the names:
    // "no column is named X", "several columns are named X".
    QStringList bind(const QStringList &columns);

    // The folder every picture is written in or under, created by the caller.
    const QString &folder() const { return m_folder; }
    ExportRequest &request() { return m_request; }

    // The file name of a row's picture; empty and *problem when its cells would make a name
    // that leaves the folder or that no file can have.
    QString fileNameFor(const QStringList &cells, QString *problem) const;
    // Fills the texts and writes the picture.
    BatchOutcome make(const BatchRow &row) const;

private:
    struct SealTexts {
        const Seal *seal = nullptr;
        std::array<std::optional<PlaceholderText>, TextCount> texts;
    };
    QList<SealTexts> m_seals;
    QStringList m_columns;
    QString m_folder;
    PlaceholderText m_name{QString()};
    ExportRequest m_request;
};

} // namespace qm::cli
