#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace horavine {

// The skin fonts this process has added, kept from start-up to the close so that exactly those
// are removed again.
class FontRegistry
{
public:
    // Set only in diagnostic mode: a font that cannot be added is shown through it
    // ("Missing font - <file>") instead of being listed in MissingFonts.txt.
    std::function<void(const QString& message)> diagnosticMessage;

    const QList<int>& ids() const { return m_ids; }
    bool isEmpty() const { return m_ids.isEmpty(); }
    void add(int id) { m_ids.append(id); }
    QList<int> takeAll()
    {
        QList<int> ids;
        ids.swap(m_ids);
        return ids;
    }

private:
    QList<int> m_ids;
};

} // namespace horavine
