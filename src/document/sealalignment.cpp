#include "document/sealalignment.h"

#include "document/sealdocument.h"
#include "seal/seal.h"

#include <QCoreApplication>
#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

// Equal gaps along one axis: lo/hi pick the box's near and far edge, the result is the new
// middle of each box on that axis.
template <typename Lo, typename Hi>
std::vector<long double> spacedMiddles(const std::vector<MmBox> &boxes, Lo lo, Hi hi)
{
    const size_t n = boxes.size();
    std::vector<size_t> order(n);
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return lo(boxes[a]) < lo(boxes[b]); });
    long double first = lo(boxes[0]);
    long double last = hi(boxes[0]);
    long double lengths = 0;
    for (const MmBox &b : boxes) {
        first = std::min(first, lo(b));
        last = std::max(last, hi(b));
        lengths += hi(b) - lo(b);
    }
    const long double gap = (last - first - lengths) / static_cast<long double>(n - 1);
    std::vector<long double> middles(n);
    long double at = first;
    for (size_t i : order) {
        const long double length = hi(boxes[i]) - lo(boxes[i]);
        middles[i] = at + length / 2;
        at += length + gap;
    }
    return middles;
}

} // namespace

int sealsNeededFor(SealAlignment how)
{
    return how == SealAlignment::SpaceHorizontally || how == SealAlignment::SpaceVertically ? 3 : 2;
}

std::vector<MmPoint> alignedCentres(const std::vector<MmBox> &boxes, SealAlignment how)
{
    std::vector<MmPoint> centres;
    centres.reserve(boxes.size());
    for (const MmBox &b : boxes)
        centres.push_back({(b.left + b.right) / 2, (b.top + b.bottom) / 2});
    if (boxes.size() < size_t(sealsNeededFor(how)))
        return centres;

    MmBox bounds = boxes.front();
    for (const MmBox &b : boxes) {
        bounds.left = std::min(bounds.left, b.left);
        bounds.top = std::min(bounds.top, b.top);
        bounds.right = std::max(bounds.right, b.right);
        bounds.bottom = std::max(bounds.bottom, b.bottom);
    }
    for (size_t i = 0; i < boxes.size(); ++i) {
        const MmBox &b = boxes[i];
        const long double halfWidth = (b.right - b.left) / 2;
        const long double halfHeight = (b.bottom - b.top) / 2;
        switch (how) {
        case SealAlignment::Left:
            centres[i].x = bounds.left + halfWidth;
            break;
        case SealAlignment::Right:
            centres[i].x = bounds.right - halfWidth;
            break;
        case SealAlignment::Top:
            centres[i].y = bounds.top + halfHeight;
            break;
        case SealAlignment::Bottom:
            centres[i].y = bounds.bottom - halfHeight;
            break;
        case SealAlignment::HorizontalCentres:
            centres[i].x = (bounds.left + bounds.right) / 2;
            break;
        case SealAlignment::VerticalCentres:
            centres[i].y = (bounds.top + bounds.bottom) / 2;
            break;
        case SealAlignment::SpaceHorizontally:
        case SealAlignment::SpaceVertically:
            break;
        }
    }
    if (how == SealAlignment::SpaceHorizontally) {
        const auto xs = spacedMiddles(
            boxes, [](const MmBox &b) { return b.left; }, [](const MmBox &b) { return b.right; });
        for (size_t i = 0; i < boxes.size(); ++i)
            centres[i].x = xs[i];
    } else if (how == SealAlignment::SpaceVertically) {
        const auto ys = spacedMiddles(
            boxes, [](const MmBox &b) { return b.top; }, [](const MmBox &b) { return b.bottom; });
        for (size_t i = 0; i < boxes.size(); ++i)
            centres[i].y = ys[i];
    }
    return centres;
}

QString alignmentText(SealAlignment how)
{
    switch (how) {
    case SealAlignment::Left:
        return QCoreApplication::translate("Document", "左对齐");
    case SealAlignment::Right:
        return QCoreApplication::translate("Document", "右对齐");
    case SealAlignment::Top:
        return QCoreApplication::translate("Document", "顶端对齐");
    case SealAlignment::Bottom:
        return QCoreApplication::translate("Document", "底端对齐");
    case SealAlignment::HorizontalCentres:
        return QCoreApplication::translate("Document", "水平居中对齐");
    case SealAlignment::VerticalCentres:
        return QCoreApplication::translate("Document", "垂直居中对齐");
    case SealAlignment::SpaceHorizontally:
        return QCoreApplication::translate("Document", "水平等间距");
    case SealAlignment::SpaceVertically:
        return QCoreApplication::translate("Document", "垂直等间距");
    }
    return {};
}

bool alignSelection(SealDocument &document, SealAlignment how)
{
    const SealSelection &selection = document.selection();
    if (selection.size() < size_t(sealsNeededFor(how)))
        return false;
    // A seal's box is its size about its centre, the same box the page draws it in.
    std::vector<MmBox> boxes;
    boxes.reserve(selection.size());
    for (const Seal *seal : selection) {
        const long double halfWidth = seal->RealWidth() / 2.0L;
        const long double halfHeight = seal->RealHeight() / 2.0L;
        boxes.push_back({seal->RealCenterX() - halfWidth, seal->RealCenterY() - halfHeight,
                         seal->RealCenterX() + halfWidth, seal->RealCenterY() + halfHeight});
    }
    const std::vector<MmPoint> centres = alignedCentres(boxes, how);
    return document.editSeals(document.selectionIndices(), alignmentText(how), [&](const SealSelection &seals) {
        for (size_t i = 0; i < seals.size() && i < centres.size(); ++i) {
            seals[i]->setRealCenterX(float(centres[i].x));
            seals[i]->setRealCenterY(float(centres[i].y));
        }
    });
}

} // namespace qm
