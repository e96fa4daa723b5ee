#include "app/qt/CaptionLayout.h"

namespace qtshell {

namespace {

// Kana, CJK ideographs and full-width forms: a line may break around each.
bool breaksAround(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFF00 && u <= 0xFFEF);
}

// The caption as words: runs of other characters, one word per Japanese
// character, each with the spaces that precede it.
QStringList wordsOf(const QString& caption)
{
    QStringList words;
    QString word;
    bool inRun = false; // the current word is a run of non-space characters
    for (const QChar c : caption) {
        if (c == u' ') {
            if (inRun) {
                words.push_back(word);
                word.clear();
                inRun = false;
            }
            word.push_back(c);
            continue;
        }
        if (inRun && (breaksAround(c) || breaksAround(word.back()))) {
            words.push_back(word);
            word.clear();
        }
        word.push_back(c);
        inRun = true;
    }
    if (!word.isEmpty())
        words.push_back(word);
    return words;
}

} // namespace

QStringList captionLines(const QString& caption, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    QString line;
    for (const QString& word : wordsOf(caption)) {
        const QString longer = line + word;
        if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
            line = longer;
            continue;
        }
        lines.push_back(line);
        // Spaces at a break belong to neither line.
        qsizetype first = 0;
        while (first < word.size() && word[first] == u' ')
            ++first;
        line = word.mid(first);
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines.push_back(line);
    return lines;
}

} // namespace qtshell
