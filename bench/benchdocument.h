#pragma once

// The 10 000-seal document the document benchmarks share, built once per program.

#include "document/sealdocument.h"
#include "seal/gbk.h"
#include "seal/seal.h"

namespace qm::bench {

constexpr int SealCount = 10000;

// Round seals with ring texts and codes, text blocks and stars, spread over the page.
inline const SealDocument &largeDocument()
{
    static SealDocument doc;
    if (doc.seals().empty()) {
        doc.page().setPageWidth(210);
        doc.page().setPageHeight(297);
        const SealType kinds[] = {SealType::stEllipse, SealType::stHorzText, SealType::stFiveStar, SealType::stName22};
        for (int i = 0; i < SealCount; ++i) {
            auto seal = doc.createSeal();
            seal->setZoom(100);
            seal->setSealType(kinds[i % 4]);
            seal->setText(Gbk::fromUnicode(QStringLiteral("北京市某某有限公司")));
            seal->setCode(QByteArray::number(1101000000000LL + i));
            seal->setRealCenterX(float(10 + i % 190));
            seal->setRealCenterY(float(10 + (i / 190) % 280));
            doc.seals().push_back(std::move(seal));
        }
    }
    return doc;
}

} // namespace qm::bench
