// The floor: a plain Qt dialog with a tab widget, a line edit and two
// buttons, shown the same way, until its first paint.
#include "bench/first_paint.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* tabs = new QTabWidget(&dialog);
    tabs->addTab(new QWidget(tabs), QStringLiteral("GSM"));
    layout->addWidget(tabs);
    layout->addWidget(new QLineEdit(&dialog));
    layout->addWidget(new QPushButton(QStringLiteral("OK"), &dialog));
    layout->addWidget(new QPushButton(QStringLiteral("Cancel"), &dialog));
    show_until_painted(&dialog);
    return 0;
}
