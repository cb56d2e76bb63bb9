#pragma once

#include <QImage>

namespace qm {

// The picture flipped left to right: in every row, column x takes the value that column
// width − 1 − x had. Mirrored export and mirrored printing both use it.
QImage mirrorLeftRight(const QImage &picture);

} // namespace qm
