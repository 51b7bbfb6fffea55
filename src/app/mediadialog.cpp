#include "app/mediadialog.h"

#include "settings/codecnames.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLocale>
#include <QPushButton>
#include <QStringList>
#include <QTextEdit>

extern "C" {
#include <libavformat/avformat.h>
}

MediaDialog::MediaDialog(QWidget *parent)
    : QDialog(parent)
    , m_text(new QTextEdit(this))
{
    setWindowTitle(tr("Media Infomation"));
    resize(400, 379);
    m_text->setObjectName(QStringLiteral("textEditInfo"));
    m_text->setGeometry(10, 10, 381, 321);
    m_text->setReadOnly(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    buttons->setGeometry(10, 339, 381, 32);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void MediaDialog::fill()
{
    QString error;
    const QString text = report(m_filePath, &error);
    if (!text.isEmpty()) {
        m_text->setPlainText(text);
        return;
    }
    m_text->setPlainText(tr("\"%1\" could not be read as a media file.").arg(QFileInfo(m_filePath).fileName())
                         + QStringLiteral("\n\n") + tr("Reason: %1").arg(error) + QStringLiteral("\n")
                         + tr("Location: %1").arg(QFileInfo(m_filePath).absolutePath()));
}

namespace {
QString reasonOf(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}
}

QString MediaDialog::report(const QString &path, QString *error)
{
    const QByteArray utf8Path = path.toUtf8();
    AVFormatContext *context = nullptr;
    if (const int code = avformat_open_input(&context, utf8Path.constData(), nullptr, nullptr); code < 0) {
        if (error)
            *error = reasonOf(code);
        return QString();
    }
    if (const int code = avformat_find_stream_info(context, nullptr); code < 0) {
        if (error)
            *error = reasonOf(code);
        avformat_close_input(&context);
        return QString();
    }
    av_dump_format(context, 0, utf8Path.constData(), 0);

    // Absent stream kinds keep their lines empty; with several streams of a kind the last one wins.
    QString videoCodec, frameRate, size, audioCodec, sampleRate, channels;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        const AVCodecParameters *codec = stream->codecpar;
        if (codec->codec_type == AVMEDIA_TYPE_VIDEO) {
            videoCodec = tr("Codec") + QStringLiteral(" %1").arg(codecReportName(codec->codec_id));
            const double rate = stream->r_frame_rate.den ? av_q2d(stream->r_frame_rate) : 0.0;
            frameRate = tr("Frame Rate")
                        + QStringLiteral("  %1fps").arg(QString::number(rate, 'g', QLocale::FloatingPointShortest));
            size = tr("Size") + QStringLiteral("  %1 x %2").arg(codec->width).arg(codec->height);
        } else if (codec->codec_type == AVMEDIA_TYPE_AUDIO) {
            audioCodec = tr("Codec") + QStringLiteral(" %1").arg(codecReportName(codec->codec_id));
            sampleRate = tr("Sample Rate") + QStringLiteral("  %1 Hz").arg(codec->sample_rate);
            channels = tr("Channels") + QStringLiteral("  %1").arg(codec->ch_layout.nb_channels);
        }
    }

    const QStringList lines{
        tr("File") + QStringLiteral("  ") + QFileInfo(path).fileName(),
        tr("Format") + QStringLiteral("  ") + QString::fromLatin1(context->iformat->name),
        tr("Bit rate") + QStringLiteral("  %1 kbs").arg(context->bit_rate / 1000),
        tr("Video"),
        videoCodec,
        frameRate,
        size,
        tr("Audio"),
        audioCodec,
        sampleRate,
        channels,
    };
    avformat_close_input(&context);
    return lines.join(QLatin1Char('\n'));
}
