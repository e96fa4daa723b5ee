#include "app/qt/Fonts.h"

#include <QStringList>

namespace qtshell {

QString designFace()
{
    return QStringLiteral("ＭＳ Ｐゴシック");
}

void installFontSubstitutes()
{
    static const bool installed = [] {
        QFont::insertSubstitutions(designFace(), {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
        return true;
    }();
    (void)installed;
}

QFont designFont(double pointSize)
{
    QFont font(designFace());
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace qtshell
