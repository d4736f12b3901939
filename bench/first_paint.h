#pragma once

#include <QEvent>
#include <QObject>

// Notes the first paint event of the object it watches.
class FirstPaint : public QObject {
  public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};
