#include "framework/folder_browser.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace tqr::fw {

std::optional<std::string> run_folder_browser(QWidget* owner, const std::string& title)
{
    QDialog dialog(owner != nullptr ? owner->window() : nullptr);
    dialog.setWindowTitle(QStringLiteral("Folder Browser"));
    dialog.resize(360, 420);
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(QString::fromStdString(title), &dialog);
    layout->addWidget(label);

    auto* model = new QFileSystemModel(&dialog);
    model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model->setRootPath(QDir::rootPath());
    auto* tree = new QTreeView(&dialog);
    tree->setModel(model);
    for (int column = 1; column < model->columnCount(); ++column)
        tree->hideColumn(column);
    tree->header()->hide();
    const QModelIndex home = model->index(QDir::homePath());
    tree->setCurrentIndex(home);
    tree->scrollTo(home);
    layout->addWidget(tree, 1);

    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted || !tree->currentIndex().isValid())
        return std::nullopt;
    return model->filePath(tree->currentIndex()).toStdString();
}

} // namespace tqr::fw
