// The application object of the latency benchmark: it sees every event the
// program delivers, so it can tell when the repaint caused by an input event
// has been painted and handed to the window system.
//
// How one event is measured: pending events are first delivered, so nothing
// earlier is counted. The clock starts, the input is delivered (a key goes in
// through the window as the window system would hand it over: shortcut
// override, press, release), and the event loop runs until the outermost
// event during which the watched widget (or one of its children) received a
// Paint event has returned. Widgets paint inside the top-level window's
// UpdateRequest, which paints every dirty widget into the backing store and
// then flushes it to the window (offscreen: into the window's image; xcb: the
// image is sent to the X server), so its return is the end of the repaint.
// An event that causes no repaint of the watched widget within two seconds
// counts as a failure.
//
// These machines are shared: another process may take the core in the middle
// of an event, and a time slice (4 ms here) then dwarfs the event itself, so
// the 99th percentile would measure the other processes. An event during
// which the kernel switched this thread out against its will (an involuntary
// context switch, from getrusage) is therefore set aside and counted, not
// timed; waits of the program's own (a file, the window system) are voluntary
// switches and stay in the time.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <functional>

class PaintProbe : public QApplication {
public:
    PaintProbe(int& argc, char** argv);

    static constexpr qint64 kNoRepaint = -1;
    static constexpr qint64 kPreempted = -2;

    // Nanoseconds from delivering the input to the end of the repaint of
    // target it causes, or kNoRepaint, or kPreempted.
    qint64 Measure(QWidget* target, const std::function<void()>& deliver);
    // Delivers everything pending, including repaints.
    static void Settle();

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QElapsedTimer clock_;
    QWidget* target_ = nullptr;
    int depth_ = 0;
    bool targetPainted_ = false;
    qint64 finishedAt_ = -1;
};
