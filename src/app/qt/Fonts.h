#pragma once

// The one face the layouts name, and where it comes from on this system.

#include <QFont>
#include <QString>

namespace qtshell {

// The face every layout font names.
QString designFace();

// Makes the design face resolve to a Japanese face drawn to the same metrics
// (IPAPGothic, then Noto Sans CJK JP): the face itself is not installed here
// and fontconfig would otherwise pick a Latin face without Japanese glyphs.
// Safe to call more than once.
void installFontSubstitutes();

// The design face at pointSize points, regular weight. Fractional sizes
// such as 20.25 are kept.
QFont designFont(double pointSize);

} // namespace qtshell
