#pragma once

#include "settings/formatlists.h"

#include <QDialog>

namespace Ui {
class QFormatDialog;
}
class ConfigFormat;
class QComboBox;

// The output encoder settings of one container: video codec, bit rate or quality, size,
// aspect and frame rate, and the audio codec, bit rate, channels, sample rate and volume.
// Accepting stores them as the current output format; the Formats tab keeps named presets.
class QFormatDialog : public QDialog
{
    Q_OBJECT
public:
    explicit QFormatDialog(QWidget *parent = nullptr);
    ~QFormatDialog() override;

    // The hardware encoders offered besides the software ones; set before fillLists.
    void setHardwareChoice(const HardwareChoice &found) { m_found = found; }
    // Rebuilds every list for a container index 0 to 9 with its default entries current.
    void fillLists(int containerIndex);
    // Shows the stored output format.
    void loadStored();
    void showRecord(const ConfigFormat &format);
    // Copies the controls into the record's encoder fields; the container is left alone.
    void storeInto(ConfigFormat *format) const;
    int containerIndex() const { return m_container; }

signals:
    // A preset of another container was read; the main window's container list follows it.
    void sigContainerChosen(int containerIndex);

private slots:
    void on_comboBoxACodec_currentIndexChanged(const QString &arg1);
    void on_buttonBox_accepted();
    void on_checkBoxVQuality_clicked(bool checked);
    void on_BtnSchemeRead_clicked();
    void on_BtnSchemeSave_clicked();
    void on_BtnSchemeDelete_clicked();

private:
    void fillAudioLists(const QString &audioCodec);
    void showPresets(const QString &current);
    bool presetFolderReady();
    void updateEnabledControls();
    void warn(const QString &title, const QString &text);

    Ui::QFormatDialog *ui;
    HardwareChoice m_found;
    int m_container = 0;
    QString m_presetFolder;
};
