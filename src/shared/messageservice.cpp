#include "messageservice.h"

#include <QDialog>
#include <QFileDialog>

namespace {

QMessageBox::Icon BoxIcon(MessageService::Icon icon)
{
    switch (icon) {
    case MessageService::Icon::Information: return QMessageBox::Information;
    case MessageService::Icon::Warning: return QMessageBox::Warning;
    case MessageService::Icon::Error: return QMessageBox::Critical;
    case MessageService::Icon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString RunFileDialog(QWidget* parent, const MessageService::FileRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, MessageService::Caption(), request.directory);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(request.filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

const QString& MessageService::Caption()
{
    static const QString caption = QStringLiteral("QXP-R46");
    return caption;
}

QMessageBox::StandardButton MessageService::Ask(QWidget* parent, const QString& text,
                                                QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::Question, Caption(), text, buttons, parent);
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    if (buttons.testFlag(answer))
        return answer;
    return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No;
}

void MessageService::Inform(QWidget* parent, Icon icon, const QString& text)
{
    QMessageBox box(BoxIcon(icon), Caption(), text, QMessageBox::Ok, parent);
    box.exec();
}

QString MessageService::OpenFileName(QWidget* parent, const FileRequest& request)
{
    return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString MessageService::SaveFileName(QWidget* parent, const FileRequest& request)
{
    return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

int MessageService::RunModal(QDialog& dialog)
{
    return dialog.exec();
}
