#include "ui/opendialog.h"

#include "platform/argument.h"
#include "platform/dosfs.h"
#include "ui/showmodal.h"

#include <QFileDialog>

namespace velmora::ui {

QString RunOpenDialog(QWidget* parent, const OpenDialogOptions& options, const QString& preset)
{
    QFileDialog dialog(parent, options.title);
    dialog.setObjectName("OpenDialog1");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(options.filters);
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
