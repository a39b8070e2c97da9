#include "QtCommonDialogBackend.h"

#include "ColourValue.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>

namespace {

QStringList nameFilters(const QList<FileFilter>& filters)
{
    QStringList result;
    for (const FileFilter& filter : filters) {
        // Qt takes the patterns from the parentheses of the description.
        result << (filter.description.contains(u'(')
                       ? filter.description
                       : QStringLiteral("%1 (%2)").arg(filter.description, filter.pattern));
    }
    return result;
}

} // namespace

std::optional<QString> QtCommonDialogBackend::pickFile(const FileDialogRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(nameFilters(request.filters));
    if (request.kind == FileDialogKind::Save) {
        // A save names a file that may not exist yet, whatever the must-exist bit says.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite,
                         !(request.flags & DialogFlags::OverwritePrompt));
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode((request.flags & DialogFlags::FileMustExist) ? QFileDialog::ExistingFile
                                                                        : QFileDialog::AnyFile);
    }
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

std::optional<quint32> QtCommonDialogBackend::pickColour(quint32 start)
{
    const QColor chosen =
        QColorDialog::getColor(colourFromValue(start), QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return valueFromColour(chosen);
}
