#include "common/TextAround.h"

namespace horavine {

QStringList TextAround(const QString& sentence, int count)
{
    QStringList pieces;
    qsizetype from = 0;
    for (int n = 1; n <= count; ++n) {
        const QString placeholder = QLatin1Char('%') + QString::number(n);
        const qsizetype at = sentence.indexOf(placeholder, from);
        if (at < 0) {
            pieces.append(QString());
            continue;
        }
        pieces.append(sentence.mid(from, at - from));
        from = at + placeholder.size();
        if (from < sentence.size() && sentence.at(from) == QLatin1Char(' '))
            ++from;
    }
    pieces.append(sentence.mid(from));
    return pieces;
}

} // namespace horavine
