#include "framework/win_app.h"

#include <QApplication>

namespace tqr::fw {

int CWinApp::run(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (!init_instance())
        return 0;
    return QApplication::exec();
}

} // namespace tqr::fw
