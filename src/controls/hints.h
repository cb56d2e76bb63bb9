#pragma once

#include <QString>

class QWidget;

namespace qm {

// Captions and hints as the forms write them: "&" marks the access key ("&&" is a literal
// ampersand); a hint is "short|long", the short part for the tool tip (it may hold line
// breaks), the long part for the status bar. Without "|" both parts are the whole hint.
QString captionText(const QString &caption);
QString shortHint(const QString &hint);
QString longHint(const QString &hint);

// Tool tip := the short hint, status tip := the long hint, and, unless the widget already has
// one, accessible name := the first line of the short hint, so every control is named.
void applyHint(QWidget *widget, const QString &hint);

} // namespace qm
