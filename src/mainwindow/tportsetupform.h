#pragma once

#include "appsettings.h"
#include "portdiagnosis.h"
#include "serialbyid.h"

#include <QDialog>
#include <QTimer>

#include <memory>

class PortSetupModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

// 端口设置: which device COM1 and COM2 lead to. The list shows what a port
// can lead to (the built-in simulated radio, then the serial devices with
// their details, state and reason) and is looked at again every two
// seconds while the dialog is open, as cables come and go and other
// programs take and release devices. Each port takes a choice from the
// list, its default, or a typed path; its state shows beside it. 确定
// stores both as "Ports/COM1" and "Ports/COM2". A command that a reason
// advises (sudo usermod ...) stands below it on a line of its own, to be
// selected and copied whole; a cable kept from the list (brltty) is named
// above the ports. The window keeps its size whatever the states say.
//
// What is listed, stored and how typed text is read is PortSetupModel's;
// this class only shows it.
class TPortSetupForm : public QDialog
{
    Q_OBJECT

public:
    explicit TPortSetupForm(QWidget* parent = nullptr,
                            const QString& byIdFolder = QString::fromLatin1(SerialById::Folder),
                            const PortDiagnosis::Roots& roots = PortDiagnosis::Roots());
    ~TPortSetupForm() override;

    // The list as shown; made afresh at each showing.
    PortSetupModel* Model() const { return m_model.get(); }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Refresh();
    // The combo boxes' items from the model, keeping what each shows.
    void FillChoices();
    void ShowState(int port);
    void ShowUnlisted();
    QString Choice(int port) const;
    void SetChoice(int port, const QString& assignment);

    AppSettings m_settings;
    QString m_byIdFolder;
    PortDiagnosis::Roots m_roots;
    std::unique_ptr<PortSetupModel> m_model;
    QTableView* m_list = nullptr;
    QLabel* m_unlisted = nullptr;
    QLineEdit* m_unlistedCommand = nullptr;
    QComboBox* m_choices[2] = {};
    QLabel* m_states[2] = {};
    QLineEdit* m_commands[2] = {};
    QTimer m_refresh;
};
