#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace tqr::fw {

// Calls `changed` after mounts or unmounts while it lives. The kernel flags
// /proc/self/mountinfo with an exceptional condition (poll's POLLPRI) when
// the mount table changes, so the event loop wakes only then, and nothing
// is read on a timer. Without that file it never calls.
class MountWatcher final : public QObject {
  public:
    explicit MountWatcher(std::function<void()> changed, QObject* parent = nullptr);
    ~MountWatcher() override;
    MountWatcher(const MountWatcher&) = delete;
    MountWatcher& operator=(const MountWatcher&) = delete;

  private:
    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace tqr::fw
