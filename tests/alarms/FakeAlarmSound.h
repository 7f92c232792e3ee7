#pragma once

#include "alarms/AlarmSound.h"

namespace horavine::test {

// A sound of a given length in whole seconds that plays only as the test lets time pass.
class FakeAlarmSound : public AlarmSound
{
public:
    explicit FakeAlarmSound(int lengthSeconds = 10)
        : m_length(lengthSeconds)
    {
    }

    bool outputAvailable() const override { return output; }
    void play(const QString&) override
    {
        replay();
        if (refuse)
            fail(QStringLiteral("cannot open it"));
    }
    void replay() override
    {
        ++starts;
        m_position = 0;
        playing = true;
    }
    void stop() override { playing = false, ++stops; }

    void advance(int seconds) // a play that reaches its end reports it
    {
        for (int i = 0; i < seconds && playing; ++i) {
            if (++m_position >= m_length)
                end();
        }
    }
    void end()
    {
        playing = false;
        if (onEnded)
            onEnded();
    }
    void fail(const QString& why)
    {
        playing = false;
        if (onError)
            onError(why);
    }

    bool output = true;
    bool refuse = false; // fails as it opens the file
    bool playing = false;
    int starts = 0; // first plays and replays
    int stops = 0;

private:
    int m_length;
    int m_position = 0;
};

} // namespace horavine::test
