#include "framework/mount_watcher.h"

#include "framework/removable_volumes.h"

#include <QSocketNotifier>

#include <unistd.h>

namespace tqr::fw {

MountWatcher::MountWatcher(std::function<void()> changed, QObject* parent) : QObject(parent), fd_(open_mount_events())
{
    if (fd_ < 0)
        return;
    // Each poll that reports the change also takes it, so the notifier
    // fires once per change and the file is never read here.
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Exception, this);
    QObject::connect(notifier_, &QSocketNotifier::activated, this, [changed = std::move(changed)] { changed(); });
}

MountWatcher::~MountWatcher()
{
    delete notifier_;
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace tqr::fw
