#pragma once

// Field types of the on-disk records. Each one stores its value little-endian in memory,
// so a record is the file's bytes on any host and is read and written with a single copy.

#include <QtEndian>
#include <cstring>

namespace horavine {

using LeInt32 = qint32_le;
using LeUInt32 = quint32_le;

// A double stored as its little-endian IEEE-754 bit pattern.
class LeDouble
{
public:
    LeDouble() = default;
    LeDouble(double v) { *this = v; }

    LeDouble& operator=(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, sizeof bits);
        m_bits = bits;
        return *this;
    }

    operator double() const
    {
        const quint64 bits = m_bits;
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }

private:
    quint64_le m_bits;
};

static_assert(sizeof(LeDouble) == 8 && alignof(LeDouble) == 8);
static_assert(sizeof(LeInt32) == 4 && alignof(LeInt32) == 4);

} // namespace horavine
