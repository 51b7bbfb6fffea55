#include "settings/configformat.h"
#include "settings/formatlists.h"
#include "testmedia.h"
#include "testprofile.h"

#include <QTemporaryDir>

// The format choices against the real encoders: a choice the encoder refuses would fail the
// user's whole conversion.
class TestFormatLists : public QObject
{
    Q_OBJECT
private slots:
    void everyOfferedAudioChoiceEncodes()
    {
        QTemporaryDir dir;
        int choices = 0;
        for (int container = 0; container < ConfigFormat::kContainerCount; ++container) {
            const QString output = dir.filePath(QStringLiteral("choice.") + ConfigFormat::containerName(container));
            for (const QString &codec : FormatLists::audioCodecs(container).entries) {
                if (codec == QLatin1String("copy"))
                    continue;
                for (const QString &rate : FormatLists::audioSampleRates(codec, container).entries) {
                    for (const QString &count : FormatLists::audioChannels(codec).entries) {
                        QVERIFY2(TestMedia::run(QStringLiteral("ffmpeg"),
                                                {"-v", "error", "-y", "-f", "lavfi", "-i", "sine=d=0.05", "-acodec", codec,
                                                 "-ar", rate.section(' ', 0, 0), "-ac", count.section(' ', 0, 0), output}),
                                 qPrintable(QStringLiteral("%1 %2 %3").arg(output, rate, count)));
                        ++choices;
                    }
                }
            }
        }
        QVERIFY(choices >= 40);
    }
};

BRINDLE_TEST_MAIN(TestFormatLists)
#include "test_formatlists.moc"
