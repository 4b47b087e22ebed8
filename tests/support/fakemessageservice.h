#pragma once

#include "messageservice.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <functional>

// Answers the program's message boxes and dialogs from a script and keeps a
// log of what was shown, one line per box or dialog:
//   "ask <text>", "info <text>", "warning <text>", "error <text>",
//   "open", "save <proposed name>", "modal <dialog objectName>".
// A box or dialog the script did not foresee is answered with Cancel (or an
// empty file name) and logged all the same, so the test sees it.
class FakeMessageService : public MessageService
{
public:
    QStringList log;
    std::deque<QMessageBox::StandardButton> answers;
    std::deque<QString> fileNames;
    QList<FileRequest> requests;
    std::function<int(QDialog&)> onModal;

    QMessageBox::StandardButton Ask(QWidget*, const QString& text, QMessageBox::StandardButtons buttons) override
    {
        log << QStringLiteral("ask ") + text;
        lastButtons = buttons;
        if (answers.empty())
            return QMessageBox::Cancel;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void Inform(QWidget*, Icon icon, const QString& text) override
    {
        static const char* const names[] = {"info ", "warning ", "error ", "question "};
        log << QLatin1String(names[static_cast<int>(icon)]) + text;
    }

    QString OpenFileName(QWidget*, const FileRequest& request) override
    {
        log << QStringLiteral("open");
        return NextFile(request);
    }

    QString SaveFileName(QWidget*, const FileRequest& request) override
    {
        log << QStringLiteral("save ") + request.proposedName;
        return NextFile(request);
    }

    int RunModal(QDialog& dialog) override
    {
        log << QStringLiteral("modal ") + dialog.objectName();
        return onModal ? onModal(dialog) : QDialog::Rejected;
    }

    QMessageBox::StandardButtons lastButtons;

private:
    QString NextFile(const FileRequest& request)
    {
        requests << request;
        if (fileNames.empty())
            return {};
        const QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
};
