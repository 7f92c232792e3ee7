#pragma once

#include "face/ClockFaceHost.h"

#include <functional>

namespace horavine {

// A face shown at one fixed moment with no window around it: the gallery preview and the
// command-line render build it with the clock's own tick.
class FixedMomentHost : public ClockFaceHost
{
public:
    FixedMomentHost(TDateTime moment, int digitalFormat, std::function<void()> onTextureNotFound = {})
        : m_moment(moment)
        , m_digitalFormat(digitalFormat)
        , m_onTextureNotFound(std::move(onTextureNotFound))
    {
    }

    TDateTime clockTime() const override { return m_moment; }
    TDateTime realTime() const override { return m_moment; }
    bool clockShown() const override { return true; }
    int digitalFormatIndex() const override { return m_digitalFormat; }
    void textureNotFound() override
    {
        if (m_onTextureNotFound)
            m_onTextureNotFound();
    }

private:
    TDateTime m_moment;
    int m_digitalFormat;
    std::function<void()> m_onTextureNotFound;
};

} // namespace horavine
