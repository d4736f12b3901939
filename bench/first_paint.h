#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

// Notes the first paint event of the object it watches. Where the
// environment names a file descriptor in TQR_PAINT_FD, the moment of that
// paint goes there, in nanoseconds of the monotonic clock, so that the one
// who started the program can tell the time from exec to the first paint.
class FirstPaint : public QObject {
  public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            if (const char* fd = std::getenv("TQR_PAINT_FD")) {
                if (FILE* out = fdopen(std::atoi(fd), "w")) {
                    std::fprintf(out, "%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                    std::fclose(out);
                }
            }
        }
        return false;
    }
};

// Shows `window` and runs the events until its first paint.
inline void show_until_painted(QWidget* window)
{
    FirstPaint paint;
    window->installEventFilter(&paint);
    window->show();
    while (!paint.painted)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window->removeEventFilter(&paint);
}
