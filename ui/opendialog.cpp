#include "ui/opendialog.h"

#include "platform/argument.h"
#include "platform/dosfs.h"
#include "ui/showmodal.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>

namespace velmora::ui {

namespace {

constexpr QSize kOpenDialogSize{560, 340};

// The size and date columns of the file list take the room their contents
// need; the name column has the rest.
void ShowWholeColumns(QFileDialog& dialog)
{
    auto* list = dialog.findChild<QTreeView*>("treeView");
    if (list == nullptr) {
        return;
    }
    QHeaderView* header = list->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    dialog.resize(dialog.sizeHint().expandedTo(kOpenDialogSize));
}

} // namespace

QString RunOpenDialog(QWidget* parent, const OpenDialogOptions& options, const QString& preset)
{
    QFileDialog dialog(parent, options.title);
    dialog.setObjectName("OpenDialog1");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The filters show by their names; Qt would add the patterns in brackets.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(options.filters);
    ShowWholeColumns(dialog);
    dialog.selectNameFilter(options.filters.value(options.filterIndex));
    dialog.setDefaultSuffix(options.defaultSuffix);
    // The field may still hold a host path being typed.
    if (const auto host = platform::HostPathOfArgument(preset.toStdString())) {
        const QString hostPath = QString::fromStdString(host->string());
        if (std::filesystem::is_directory(*host)) {
            dialog.setDirectory(hostPath);
        } else {
            dialog.setDirectory(QString::fromStdString(host->parent_path().string()));
            dialog.selectFile(hostPath);
        }
    }
    if (ShowModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return preset;
    }
    const std::filesystem::path chosen = dialog.selectedFiles().constFirst().toStdString();
    const auto dos = platform::DosPath(chosen);
    return dos ? QString::fromStdString(*dos) : preset;
}

} // namespace velmora::ui
