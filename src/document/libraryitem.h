#pragma once

#include "document/documenterror.h"
#include "document/sealdocument.h"
#include "seal/seal.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QPoint>

#include <memory>
#include <vector>

class QIODevice;

namespace qm {

class ProgressDisplay;

constexpr float LibraryVersion = 8.0f;

// A library item as stored: the thumbnail GIF, the group's box size and each seal with its
// offset from the box's centre. The seals are read at the document's resolution and zoom and
// keep the centres stored in their entries.
struct LibraryItem {
    struct Entry {
        long double dx = 0;
        long double dy = 0;
        std::unique_ptr<Seal> seal;
    };
    float version = 0;
    QByteArray thumbnail;
    long double width = 0;
    long double height = 0;
    std::vector<Entry> items;
};

// Parses a whole library item. OldVersion for a version that rounds below 8, BadFormat for
// anything damaged; *item is only filled on success.
DocumentResult readLibraryItem(QByteArrayView data, const SealDocument &document, LibraryItem *item);
// The same from a file, opened as readDocumentFile() opens documents.
DocumentResult openLibraryItem(const QString &fileName, const SealDocument &document, LibraryItem *item);

// Writes the selected seals as a library item: version, thumbnail, box size, count, then for
// each seal its offset from the box centre and its entry. Nothing is written for an empty
// selection (NothingSelected).
DocumentResult saveLibraryItem(QIODevice &out, const SealSelection &selection, ProgressDisplay &progress);
// The same into a file that replaces the old one only once everything was written.
DocumentResult saveLibraryItem(const QString &fileName, const SealSelection &selection, ProgressDisplay &progress);

// Adds the item's seals to the document's seals and selection with the group's top-left corner
// 2 mm right of and below the visible part of the page, whose top-left corner is `scroll`
// pixels into the page. An item of an older version adds nothing (OldVersion, which the
// library command does not report); a damaged one adds nothing (BadFormat).
DocumentResult loadLibraryItemData(QByteArrayView data, SealDocument &document, ProgressDisplay &progress,
                                   QPoint scroll = {});
DocumentResult loadLibraryItem(const QString &fileName, SealDocument &document, ProgressDisplay &progress,
                               QPoint scroll = {});

} // namespace qm
