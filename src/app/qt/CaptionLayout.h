#pragma once

// Where a label's caption breaks into lines: between words and between
// Japanese characters, never inside a run of Latin letters, digits and
// punctuation. A word wider than the label stays whole on its own line and
// is cut at the label's edge, so "8.33333333333333" shows as far as it fits
// instead of breaking after its decimal point.

#include <QFontMetrics>
#include <QString>
#include <QStringList>

namespace qtshell {

QStringList captionLines(const QString& caption, const QFontMetrics& metrics, int width);

} // namespace qtshell
