#pragma once

#include <QString>
#include <QStringList>
#include <utility>

namespace horavine {

// The font families the system can draw with. The clock fills it from the font database;
// tests and the command-line tool give a fixed list.
class FontCatalog
{
public:
    virtual ~FontCatalog() = default;
    // Family names are compared without regard to letter case.
    virtual bool hasFamily(const QString& family) const = 0;
};

class StaticFontCatalog : public FontCatalog
{
public:
    StaticFontCatalog() = default;
    explicit StaticFontCatalog(QStringList families)
        : m_families(std::move(families))
    {
    }

    bool hasFamily(const QString& family) const override { return m_families.contains(family, Qt::CaseInsensitive); }

    const QStringList& families() const { return m_families; }

private:
    QStringList m_families;
};

} // namespace horavine
