#pragma once

#include <QString>
#include <QStringList>

namespace horavine {

// A row such as "Every [3] days." is one translated sentence, "Every %1 days.", so that each
// language puts its words where its grammar wants them around the boxes. This cuts the sentence
// into the labels that go before, between and after the boxes %1, %2, ... (in that order): the
// text before a placeholder is kept as it is, and one space right after a placeholder is dropped,
// since the layout already leaves a gap there. Returns count + 1 pieces; a placeholder missing
// from the text leaves its piece empty.
QStringList TextAround(const QString& sentence, int count);

} // namespace horavine
