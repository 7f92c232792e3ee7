#pragma once

// A sound of a given length in whole seconds that plays only when the test lets time pass.

#include "alarms/AlarmSound.h"

namespace horavine::test {

class FakeAlarmSound : public AlarmSound
{
public:
    explicit FakeAlarmSound(int lengthSeconds = 10)
        : m_length(lengthSeconds)
    {
    }

    bool outputAvailable() const override { return output; }
    void play(const QString& file) override
    {
        path = file;
        start();
        if (refuse)
            fail(QStringLiteral("cannot open ") + file);
    }
    void replay() override { start(); }
    void stop() override
    {
        ++stops;
        playing = false;
    }

    // Seconds of play pass; a play that reaches its end reports it.
    void advance(int seconds)
    {
        for (int i = 0; i < seconds && playing; ++i) {
            if (++m_position >= m_length)
                end();
        }
    }
    void end()
    {
        playing = false;
        ++ended;
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
    QString path;
    int starts = 0; // first plays and replays
    int ended = 0;
    int stops = 0;

private:
    void start()
    {
        ++starts;
        m_position = 0;
        playing = true;
    }

    int m_length;
    int m_position = 0;
};

} // namespace horavine::test
