#pragma once

#include <QString>
#include <functional>

namespace horavine {

// The sound of an alarm presentation: the platform's player behind a small interface, so the
// presentation rules can be run against a fake.
class AlarmSound
{
public:
    virtual ~AlarmSound() = default;

    // Whether any sound output exists at all; without one the alarm is presented silently.
    virtual bool outputAvailable() const = 0;
    // Opens the file and plays it from its start.
    virtual void play(const QString& path) = 0;
    // Plays the file given last once more from its start, after it has ended.
    virtual void replay() = 0;
    virtual void stop() = 0;

    // A play has reached its end (a stop is not an end).
    std::function<void()> onEnded;
    // The file cannot be played; the text says which file and why.
    std::function<void(const QString& message)> onError;
};

} // namespace horavine
