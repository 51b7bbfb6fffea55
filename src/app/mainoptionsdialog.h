#pragma once

#include "settings/hardwarechoice.h"

#include <QDialog>
#include <QList>

namespace Ui {
class MainOptionsDialog;
}
class ConfigSystem;

// Language, job limit and hardware encoder choices.
class MainOptionsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit MainOptionsDialog(QWidget *parent = nullptr);
    ~MainOptionsDialog() override;

    // Copies the settings' values in; the check button works on the same settings.
    void setSettings(ConfigSystem *settings);

    int language() const { return m_language; }
    int threads() const { return m_threads; }
    bool useHardware() const { return m_useHardware; }
    // The chosen family's place in the list of families found, as the settings keep it.
    int priority() const { return m_priority; }

    static QString familyName(HardwareFamily family);

private slots:
    void on_comboBoxLanguage_currentIndexChanged(int index);
    void on_spinBoxThreads_valueChanged(int arg1);
    void on_comboBoxPriority_currentIndexChanged(int index);
    void on_checkBoxHW_stateChanged(int arg1);
    void on_pushButtonCheckHW_clicked();

private:
    void refreshControls();

    Ui::MainOptionsDialog *ui;
    ConfigSystem *m_settings = nullptr;
    int m_language = 1;
    int m_threads = 2;
    bool m_useHardware = true;
    int m_priority = 0;
    QList<HardwareFamily> m_found;
};
