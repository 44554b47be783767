// The spoken start-up greetings: three WAVE images built into the program,
// the choice by the hour, and the Timer1 rule that greets at most once a run.
#pragma once

#include <QByteArray>
#include <QString>

class Clock;
class SoundEngine;

// "ZuliAsa" for hours 4 to 11, "ZuliHiru" for 12 to 18, else "ZuliBan".
QString GreetingForHour(int hour);

// The WAVE image of a built-in greeting, found by name regardless of case;
// empty when there is none of that name.
QByteArray GreetingImage(const QString& name);

// A greeting's test button: plays it and returns when it has ended.
void PlayGreetingAndWait(SoundEngine& engine, const QString& name);

// Timer1: on the first tick that finds the option on, greets by the hour of
// the clock, without waiting, and asks for the timer to stop for good.
class StartupGreeting {
public:
    StartupGreeting(SoundEngine& engine, Clock& clock) : engine_(engine), clock_(clock) {}

    // One tick; true when the timer must stop.
    bool Tick(bool checked);
    bool Greeted() const { return greeted_; }

private:
    SoundEngine& engine_;
    Clock& clock_;
    bool greeted_ = false;
};
