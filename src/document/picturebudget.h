#pragma once

#include "document/documenterror.h"
#include "picture/decodebudget.h"

#include <QString>

#include <vector>

namespace qm {

class Seal;
class SealDocument;

// Decoded pixels that the seals keep: each picture, by its bytes, counted once however many
// seals share it. The readers take the same from their DecodeBudget, so a document within
// MaxDocumentPicturePixels by this count opens again.
qint64 picturePixelsKept(const std::vector<const Seal *> &seals);

// What seals entering the document (pasted, from a library item or JSON, or a seal with a new
// emblem, which then leaves as its old self) would make the document keep; empty when that is
// within the document's picturePixelBudget(), otherwise the message that refuses them.
QString pictureBudgetRefusal(const SealDocument &document, const std::vector<const Seal *> &entering,
                             const std::vector<const Seal *> &leaving = {});
// The same with the largest picture of `entering` named in the message, for a given budget.
QString pictureBudgetRefusal(const std::vector<const Seal *> &kept, const std::vector<const Seal *> &entering,
                             qint64 budget);

// A budget for decoding pictures that enter the document: what the document keeps is taken
// already, and its pictures are known by their bytes, so that a picture it holds is not decoded
// again.
DecodeBudget documentDecodeBudget(const SealDocument &document, qint64 pixels = MaxDocumentPicturePixels);

// TooMuchToAdd when adding that many seals would make the document hold more than
// MaxDocumentSeals; ok otherwise.
DocumentResult sealCountAddRefusal(const SealDocument &document, qint64 adding);
// TooMuchToAdd for pictures refused by a budget from documentDecodeBudget() while decoding.
DocumentResult pictureBudgetExhausted();

// Pixel counts as the messages tell them, in ten thousands (万): needed rounded up, allowed down.
QString tenThousandsUp(qint64 pixels);
QString tenThousandsDown(qint64 pixels);

// The document's seals, as the functions above take them.
std::vector<const Seal *> sealsOf(const SealDocument &document);

} // namespace qm
