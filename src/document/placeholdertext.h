#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace qm {

// A text with placeholders naming the columns of a table: "{名称}" stands for the cell of the
// column 名称, "{{" and "}}" for a brace. Cells are only ever copied in, never read as
// placeholders, paths or formats.
class PlaceholderText
{
public:
    // Parses the text; on an unmatched brace or an empty "{}" *error says so and the text is
    // taken literally.
    explicit PlaceholderText(const QString &text, QString *error = nullptr);

    bool hasPlaceholders() const;
    // Each name once, in order of appearance.
    QStringList names() const;
    // Binds the names to the columns' positions; returns the names no column has.
    QStringList bind(const QStringList &columns);
    // The text with each placeholder replaced by its cell; after bind().
    QString fill(const QStringList &cells) const;
    // The same, but each cell first goes through `cell`; false when it refused one.
    template <typename CellCheck> bool fill(const QStringList &cells, CellCheck cell, QString *out) const
    {
        out->clear();
        for (const Piece &piece : m_pieces) {
            if (piece.column == -1) {
                out->append(piece.literal);
                continue;
            }
            const QString value = piece.column >= 0 && piece.column < cells.size() ? cells.at(piece.column) : QString();
            if (!cell(piece.literal, value))
                return false;
            out->append(value);
        }
        return true;
    }

private:
    struct Piece {
        QString literal; // the text, or the placeholder's name
        int column = -1; // -1: literal text; -2: a name not yet bound
    };
    QList<Piece> m_pieces;
};

} // namespace qm
