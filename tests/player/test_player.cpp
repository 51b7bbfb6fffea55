#include "player/playerengine.h"
#include "player/playeroutput.h"
#include "player/qplayerwidget.h"
#include "player/slider.h"
#include "player/timelabel.h"
#include "testmedia.h"
#include "testpictures.h"
#include "testprofile.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTime>
#include <QTimeEdit>

#include <memory>
#include <thread>

using TestPictures::near;

namespace {
// Literal ffmpeg arguments, split at spaces.
QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '));
}

QStringList lavfi(const char *graph)
{
    return words("-f lavfi -i") << QString::fromLatin1(graph);
}

// A file made from another one, such as a copy with different streams or marks.
QString from(const QString &name, const QString &source, const char *arguments)
{
    return TestMedia::make(name, QStringList {QStringLiteral("-i"), source} + words(arguments));
}

const char *const kH264WithTone = "-c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac -shortest";

// A 320x240 picture: left half red, right half blue; with a tone.
QString halvesClip()
{
    return TestMedia::make(QStringLiteral("halves.mp4"),
                           lavfi("color=c=red:s=160x240:r=25:d=2[a];color=c=blue:s=160x240:r=25:d=2[b];[a][b]hstack")
                               + lavfi("sine=frequency=440:duration=2") + words(kH264WithTone));
}

// Red for the first 1.5 s, blue after; one key frame at the start only.
QString redThenBlueClip()
{
    return TestMedia::make(QStringLiteral("red-then-blue.mp4"),
                           lavfi("color=c=red:s=320x240:r=25:d=1.5[a];color=c=blue:s=320x240:r=25:d=1.5[b];"
                                 "[a][b]concat=n=2:v=1:a=0")
                               + lavfi("sine=frequency=440:duration=3") + words(kH264WithTone) + words("-g 300"));
}

// A three-second clip with its index in front, so that damage to its tail spares the index.
QByteArray fastStartBytes()
{
    QFile file(from(QStringLiteral("faststart.mp4"), TestMedia::clip(3.0), "-c copy -movflags +faststart"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void scramble(QByteArray &bytes, int from, int to)
{
    for (int i = from; i < to; ++i)
        bytes[i] = char((i * 7919 + 13) % 251);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString describe(QRgb pixel)
{
    return QStringLiteral("(%1,%2,%3)").arg(qRed(pixel)).arg(qGreen(pixel)).arg(qBlue(pixel));
}

// What the X server shows in the engine's host window.
QImage grabHost(QPlayerWidget &player)
{
    auto *host = player.findChild<QWidget *>(QStringLiteral("playerHost"));
    if (!host || !host->isVisible())
        return QImage();
    return QGuiApplication::primaryScreen()->grabWindow(host->winId()).toImage();
}

// Waits until the host window shows the colour at a fraction of its size.
bool waitForColour(QPlayerWidget &player, double fx, double fy, QColor colour, int timeoutMs = 5000)
{
    QElapsedTimer timer;
    timer.start();
    QRgb last = 0;
    while (timer.elapsed() < timeoutMs) {
        const QImage image = grabHost(player);
        if (!image.isNull()) {
            last = image.pixel(int(fx * (image.width() - 1)), int(fy * (image.height() - 1)));
            if (near(last, colour))
                return true;
        }
        QTest::qWait(50);
    }
    qWarning() << "last colour" << describe(last) << "wanted" << colour.name();
    return false;
}
}

class TestPlayer : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void positionFollowsAudioAndStaysWithinDuration();
    void seekWhilePausedShowsTargetAndStaysPaused_data();
    void seekWhilePausedShowsTargetAndStaysPaused();
    void endOfFileReturnsToIdleOnce();
    void videoOnlyPlaysOnTheExternalClock();
    void quarterTurnPlaysUpright();
    void brokenFilesReturnToIdle_data();
    void brokenFilesReturnToIdle();
    void audioOnlySpectrumScrolls();
    void hostShowsClipPicture();
    void resizeWhilePausedRefitsPicture();
    void filterGraphOverlayShows();
    void playWithoutFileAsksForOne();
    void sliderGrooveClickSeeksAtOnce();
    void timeLabelShowsSpan();
    void flushStartsNewGenerationAndAbortReleasesWaiters();
    void pictureFitsDisplayKeepingItsShape();
    void heldSliderStopsPositionUpdates();
    void copyTimeCopiesShownPosition();
    void awkwardPathPlays();
    void badFilterReturnsToIdle();
    void channelCountFromEnvironment();
    void audioKeepsItsSamplesWhenItIsTheMaster();
    void clocksFollowTheirMasterAndItsGeneration();
    void frameQueueAbortReleasesAWaitingReader();
    void seekPastTheEndEndsThePlay();
    void nextFileShowsNoPictureOfTheLast();
    void damagedMiddlePlaysOnToTheEnd();

private:
    void play(const QString &path);

    PlayerLender m_lender;
    QWidget *m_window = nullptr;
    QPlayerWidget *m_player = nullptr;
};

void TestPlayer::init()
{
    m_window = new QWidget;
    m_window->resize(480, 400);
    m_player = new QPlayerWidget(m_window);
    m_player->bind(&m_lender);
    m_player->setGeometry(0, 0, 480, 400);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestPlayer::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_player = nullptr;
}

void TestPlayer::play(const QString &path)
{
    QVERIFY(!path.isEmpty());
    m_player->setFile(path);
    m_player->OnPlayPause();
    QVERIFY(m_player->isPlaying());
}

void TestPlayer::positionFollowsAudioAndStaysWithinDuration()
{
    const QString clip = TestMedia::clip(3.0);
    const qint64 durationUs = qint64(TestMedia::probeDuration(clip) * 1000000);
    play(clip);
    QTRY_VERIFY_WITH_TIMEOUT(playerPosition() > 0, 5000);
    QVERIFY(playerStatistics().hasAudioOutput);

    const qint64 first = playerPosition();
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(1000);
    const qint64 advancedUs = playerPosition() - first;
    const qint64 wallUs = wall.nsecsElapsed() / 1000;
    QVERIFY2(qAbs(advancedUs - wallUs) < 200000,
             qPrintable(QStringLiteral("advanced %1 us in %2 us").arg(advancedUs).arg(wallUs)));

    qint64 highest = 0;
    while (m_player->isPlaying()) {
        const qint64 position = playerPosition();
        QVERIFY2(position <= durationUs, qPrintable(QString::number(position)));
        highest = qMax(highest, position);
        QTest::qWait(5);
    }
    QVERIFY2(highest > durationUs - 500000, qPrintable(QString::number(highest)));
}

void TestPlayer::seekWhilePausedShowsTargetAndStaysPaused_data()
{
    QTest::addColumn<bool>("lateStart");
    QTest::addColumn<QList<int>>("seeks");
    QTest::newRow("starts at zero") << false << QList<int> {2200};
    QTest::newRow("MPEG-TS starting after 20 s") << true << QList<int> {2200};
    // One key frame at the start: each seek decodes from there and must drop what an earlier
    // seek left on its way.
    QTest::newRow("seeks in a row") << false << QList<int> {2600, 200, 2200, 400, 1000, 2400};
}

void TestPlayer::seekWhilePausedShowsTargetAndStaysPaused()
{
    QFETCH(bool, lateStart);
    QFETCH(QList<int>, seeks);
    // MPEG-TS finds no key frames when it seeks: a broadcast has one every second or so.
    const QString clip = lateStart ? from(QStringLiteral("red-then-blue-late.ts"), redThenBlueClip(),
                                          "-c:v libx264 -preset ultrafast -g 10 -c:a copy -output_ts_offset 20")
                                   : redThenBlueClip();
    play(clip);
    QVERIFY(waitForColour(*m_player, 0.5, 0.5, Qt::red));
    QTRY_VERIFY_WITH_TIMEOUT(playerPosition() >= 0 && playerPosition() < 1500000, 5000);
    m_player->OnPlayPause();
    QVERIFY(m_player->isPaused());

    // The time sought and the time shown are counted from the file's start.
    for (int ms : seeks)
        m_player->OnSliderSeek(ms);
    QVERIFY(waitForColour(*m_player, 0.5, 0.5, Qt::blue));
    QTest::qWait(300);
    QVERIFY(playerStatistics().paused);
    const qint64 held = playerPosition();
    QTest::qWait(500);
    QCOMPARE(playerPosition(), held);
    QVERIFY(m_player->isPlaying());

    // Playing on, the position shown goes on from the time sought.
    m_player->OnPlayPause();
    QTRY_VERIFY_WITH_TIMEOUT(playerPosition() > 0, 3000);
    const qint64 resumed = playerPosition();
    QVERIFY2(resumed >= seeks.last() * 1000 - 100000 && resumed < 3000000, qPrintable(QString::number(resumed)));
    QTRY_VERIFY_WITH_TIMEOUT(playerPosition() > resumed + 200000, 3000);
}

void TestPlayer::endOfFileReturnsToIdleOnce()
{
    QWidget host(m_window);
    host.setAttribute(Qt::WA_NativeWindow);
    host.setGeometry(0, 0, 320, 240);
    host.show();
    int ends = 0;
    playerSetRunning(true);
    const QByteArray path = TestMedia::clip(2.0).toUtf8();
    QCOMPARE(playerStart(path.constData(), &host, [&ends] {
                 ++ends;
                 playerSetRunning(false);
                 playerStop();
             }, 0, 0, 320, 240),
             0);
    QTRY_COMPARE_WITH_TIMEOUT(ends, 1, 8000);
    QTest::qWait(300);
    QCOMPARE(ends, 1);
    QVERIFY(!playerStatistics().playing);
}

void TestPlayer::videoOnlyPlaysOnTheExternalClock()
{
    play(from(QStringLiteral("red-then-blue-silent.mp4"), redThenBlueClip(), "-an -c copy"));
    QVERIFY(waitForColour(*m_player, 0.5, 0.5, Qt::red));
    QVERIFY(!playerStatistics().hasAudioOutput);
    QVERIFY(waitForColour(*m_player, 0.5, 0.5, Qt::blue));
    QTRY_VERIFY_WITH_TIMEOUT(playerPosition() > 1500000, 3000);
    QTRY_VERIFY_WITH_TIMEOUT(!m_player->isPlaying(), 5000);
}

void TestPlayer::quarterTurnPlaysUpright()
{
    // Stored landscape with red left and blue right, marked as turned a quarter counter-clockwise:
    // shown portrait, blue above red, with black bars beside it.
    // ffmpeg 6 and later mark it with "-display_rotation"; ffmpeg 5 knows only the "rotate" tag,
    // which later ones no longer turn into a display matrix.
    QString turned = TestMedia::make(QStringLiteral("turned90.mp4"),
                                     words("-display_rotation 90 -i") << halvesClip() << words("-c copy"));
    if (turned.isEmpty())
        turned = from(QStringLiteral("turned90-tagged.mp4"), halvesClip(), "-c copy -metadata:s:v:0 rotate=90");
    play(turned);
    QVERIFY(waitForColour(*m_player, 0.5, 0.1, Qt::blue));
    QVERIFY(waitForColour(*m_player, 0.5, 0.9, Qt::red));
    QVERIFY(waitForColour(*m_player, 0.05, 0.5, Qt::black));
}

void TestPlayer::brokenFilesReturnToIdle_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("opens");
    QTest::newRow("corrupt") << QStringLiteral("corrupt") << false;
    QTest::newRow("truncated") << QStringLiteral("truncated") << true;
    QTest::newRow("missing") << QStringLiteral("missing") << false;
}

void TestPlayer::brokenFilesReturnToIdle()
{
    QFETCH(QString, kind);
    QFETCH(bool, opens);
    // A good file first: one that cannot be opened must not go on showing its time.
    play(TestMedia::clip(3.0));
    auto *time = m_player->findChild<QTimeEdit *>();
    QTRY_VERIFY_WITH_TIMEOUT(time->time() >= QTime(0, 0, 1), 5000);
    m_player->OnStop();

    const QString path = TestProfile::home() + QStringLiteral("/broken, 'clip': é.mp4");
    QFile::remove(path);
    if (kind == QLatin1String("corrupt")) {
        QByteArray noise(200000, '\0');
        scramble(noise, 0, noise.size());
        QVERIFY(writeFile(path, noise));
    } else if (kind == QLatin1String("truncated")) {
        const QByteArray bytes = fastStartBytes();
        QVERIFY(writeFile(path, bytes.left(bytes.size() * 2 / 5)));
    }
    play(path);
    QTRY_VERIFY_WITH_TIMEOUT(!m_player->isPlaying(), 8000);
    if (!opens)
        QCOMPARE(time->time(), QTime(0, 0));
    QFile::remove(path);
}

namespace {
// The rightmost column of the picture that has a lit pixel; -1 when none has.
int rightmostLitColumn(const QImage &image)
{
    for (int x = image.width() - 1; x >= 0; x--)
        for (int y = 0; y < image.height(); y++)
            if (qGray(image.pixel(x, y)) > 60)
                return x;
    return -1;
}

// The row of a column where one colour channel outweighs the other the most.
int rowWhereLeads(const QImage &image, int x, bool red)
{
    int best = -1;
    int bestLead = 0;
    for (int y = 0; y < image.height(); y++) {
        const QRgb pixel = image.pixel(x, y);
        const int lead = red ? qRed(pixel) - qGreen(pixel) : qGreen(pixel) - qRed(pixel);
        if (lead > bestLead) {
            bestLead = lead;
            best = y;
        }
    }
    return best;
}
}

void TestPlayer::audioOnlySpectrumScrolls()
{
    // A high tone only on the left (red) and a higher one only on the right (green).
    play(TestMedia::make(QStringLiteral("left-right-tones.wav"),
                         lavfi("aevalsrc=0.4*sin(2*PI*3520*t)|0.4*sin(2*PI*7040*t):s=44100:d=6")));
    QTRY_VERIFY_WITH_TIMEOUT(playerStatistics().showsVisualisation, 3000);
    QVERIFY(!playerStatistics().hasVideo);
    const QWidget *host = m_player->findChild<QWidget *>(QStringLiteral("playerHost"));
    QVERIFY(host);
    QCOMPARE(host->width(), m_player->width());
    QVERIFY2(host->height() > m_player->height() / 2, qPrintable(QString::number(host->height())));

    // One new column per refresh, from the left.
    QImage image;
    QTRY_VERIFY_WITH_TIMEOUT(rightmostLitColumn(image = grabHost(*m_player)) > 10, 3000);
    const int before = rightmostLitColumn(image);
    QTest::qWait(500);
    image = grabHost(*m_player);
    const int after = rightmostLitColumn(image);
    QVERIFY2(after > before + 5 && after < image.width() / 2,
             qPrintable(QStringLiteral("lit up to %1, then %2").arg(before).arg(after)));
    QVERIFY(qGray(image.pixel(qMin(image.width() - 1, after + 20), image.height() / 2)) < 20);

    // Each tone at its frequency's height, counted from the bottom, in its channel's colour.
    int bits = 1;
    while ((1 << bits) < 2 * image.height())
        bits++;
    const double rowsPerHertz = double(1 << bits) / g_player.current->audio_tgt.freq;
    const int x = after - 3;
    const int left = image.height() - 1 - rowWhereLeads(image, x, true);
    const int right = image.height() - 1 - rowWhereLeads(image, x, false);
    QVERIFY2(qAbs(left - 3520 * rowsPerHertz) <= 3 && qAbs(right - 7040 * rowsPerHertz) <= 3,
             qPrintable(QStringLiteral("rows %1 and %2").arg(left).arg(right)));
    QTRY_VERIFY_WITH_TIMEOUT(playerPosition() > 500000, 3000);
}

void TestPlayer::hostShowsClipPicture()
{
    play(halvesClip());
    QVERIFY(waitForColour(*m_player, 0.25, 0.5, Qt::red));
    QVERIFY(waitForColour(*m_player, 0.75, 0.5, Qt::blue));

    // A grab takes the next decoded picture, scaled to the size asked for.
    m_player->OnPlayPause();
    QImage grabbed;
    QTRY_VERIFY(playerGrabFrame(&grabbed, 64, 48) == 0 && !grabbed.isNull());
    QCOMPARE(grabbed.size(), QSize(64, 48));
    QVERIFY2(near(grabbed.pixel(10, 24), Qt::red), qPrintable(describe(grabbed.pixel(10, 24))));
    QVERIFY2(near(grabbed.pixel(54, 24), Qt::blue), qPrintable(describe(grabbed.pixel(54, 24))));
}

void TestPlayer::resizeWhilePausedRefitsPicture()
{
    play(halvesClip());
    QVERIFY(waitForColour(*m_player, 0.75, 0.5, Qt::blue));
    m_player->OnPlayPause();
    QVERIFY(m_player->isPaused());

    m_player->resize(640, 300);
    auto *host = m_player->findChild<QWidget *>(QStringLiteral("playerHost"));
    QTRY_VERIFY(host->width() < 640);
    const QRect area = host->parentWidget()->rect();
    QVERIFY2(qAbs(host->width() * 3 - host->height() * 4) <= 4, qPrintable(QStringLiteral("%1x%2").arg(host->width()).arg(host->height())));
    QVERIFY(qAbs(host->geometry().center().x() - area.center().x()) <= 1);
    QVERIFY(waitForColour(*m_player, 0.25, 0.5, Qt::red));
    QVERIFY(waitForColour(*m_player, 0.75, 0.5, Qt::blue));
    QVERIFY(m_player->isPaused());
}

void TestPlayer::filterGraphOverlayShows()
{
    const QString mark = TestMedia::make(QStringLiteral("green-mark.png"),
                                         lavfi("color=c=lime:s=64x64") + words("-frames:v 1"));
    m_player->setFilterProvider([mark] {
        return QStringLiteral("movie='%1'[wm];[in][wm]overlay=x=W-w:y=0[out]").arg(mark);
    });
    play(halvesClip());
    QVERIFY(waitForColour(*m_player, 0.25, 0.5, Qt::red));
    QVERIFY(waitForColour(*m_player, 0.97, 0.04, Qt::green));
    QVERIFY(waitForColour(*m_player, 0.75, 0.5, Qt::blue));

    // The next file without a filter plays plain.
    m_player->OnStop();
    m_player->setFilterProvider(nullptr);
    play(halvesClip());
    QVERIFY(waitForColour(*m_player, 0.97, 0.04, Qt::blue));
}

void TestPlayer::playWithoutFileAsksForOne()
{
    QSignalSpy asked(m_player, &QPlayerWidget::sigAddFile);
    m_player->OnPlayPause();
    QCOMPARE(asked.count(), 1);
    QVERIFY(!m_player->isPlaying());

    // A file chosen in answer plays at once.
    connect(m_player, &QPlayerWidget::sigAddFile, m_player, [this] { m_player->setFile(TestMedia::clip(3.0)); });
    m_player->OnPlayPause();
    QCOMPARE(asked.count(), 2);
    QVERIFY(m_player->isPlaying());
}

void TestPlayer::sliderGrooveClickSeeksAtOnce()
{
    Slider slider;
    slider.setRange(0, 1000);
    slider.resize(400, 30);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    QSignalSpy moved(&slider, &Slider::sliderMoved);
    QSignalSpy pressed(&slider, &Slider::sliderPressed);
    QSignalSpy released(&slider, &Slider::sliderReleased);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(300, 15));
    QCOMPARE(moved.count(), 1);
    QCOMPARE(pressed.count(), 1);
    const int value = moved.first().first().toInt();
    QVERIFY2(value > 650 && value < 850, qPrintable(QString::number(value)));
    QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(300, 15));
    QCOMPARE(released.count(), 1);
}

void TestPlayer::timeLabelShowsSpan()
{
    TimeLabel label;
    QCOMPARE(label.text(), QStringLiteral("00:00:00:000"));
    label.onStartTime(QTime(0, 1, 2, 500));
    label.onEndTime(QTime(1, 2, 3, 750));
    QCOMPARE(label.text(), QStringLiteral("01:01:01:250"));
    label.onEndTime(QTime(0, 0, 30));
    QCOMPARE(label.text(), QStringLiteral("00:00:00:000"));
}

void TestPlayer::flushStartsNewGenerationAndAbortReleasesWaiters()
{
    initFlushMarker();
    PacketQueue queue;
    QCOMPARE(packetQueueInit(&queue), 0);
    Clock clock;
    clockInit(&clock, &queue.serial);

    // Stopped queues refuse packets.
    AVPacket *packet = av_packet_alloc();
    QVERIFY(av_new_packet(packet, 100) >= 0);
    QVERIFY(packetQueuePut(&queue, packet) < 0);

    packetQueueStart(&queue);
    const int firstSerial = queue.serial;
    QVERIFY(av_new_packet(packet, 100) >= 0);
    QCOMPARE(packetQueuePut(&queue, packet), 0);
    clockSet(&clock, 1.5, queue.serial);
    QCOMPARE(clockGet(&clock) >= 1.5, true);

    // A seek: the queue is emptied and a new generation begins; the clock has no value until fed again.
    packetQueueFlush(&queue);
    QCOMPARE(packetQueuePutFlush(&queue), 0);
    QCOMPARE(queue.serial, firstSerial + 1);
    QVERIFY(std::isnan(clockGet(&clock)));
    AVPacket *taken = nullptr;
    int serial = -1;
    QCOMPARE(packetQueueGet(&queue, &taken, false, &serial), 1);
    QCOMPARE(taken, flushMarker());
    QCOMPARE(serial, firstSerial + 1);
    QCOMPARE(packetQueueGet(&queue, &taken, false, &serial), 0);

    // A decoder blocked on the empty queue wakes up when the queue is aborted.
    int result = 0;
    std::thread waiter([&queue, &result] {
        AVPacket *pkt = nullptr;
        result = packetQueueGet(&queue, &pkt, true, nullptr);
    });
    QTest::qWait(50);
    packetQueueAbort(&queue);
    waiter.join();
    QCOMPARE(result, -1);

    av_packet_free(&packet);
    packetQueueDestroy(&queue);
}

void TestPlayer::audioKeepsItsSamplesWhenItIsTheMaster()
{
    auto owned = std::make_unique<PlayerState>();
    PlayerState &state = *owned;
    AVStream stream {};
    state.audio_st = &stream;
    state.av_sync_type = SyncAudioMaster;
    int serial = 0;
    clockInit(&state.audclk, &serial);
    clockInit(&state.extclk, &serial);
    clockSet(&state.audclk, 5.0, 0);
    clockSet(&state.extclk, 1.0, 0);
    QCOMPARE(synchronizeAudio(&state, 1024), 1024);

    // Following another master, a steady lead of 4 s is beyond the correction range and
    // the count is stretched at most by a tenth.
    state.av_sync_type = SyncExternalClock;
    state.audio_diff_avg_coef = exp(log(0.01) / 20);
    state.audio_diff_threshold = 0.05;
    state.audio_src.freq = 44100;
    int wanted = 0;
    for (int i = 0; i < 25; i++)
        wanted = synchronizeAudio(&state, 1024);
    QCOMPARE(wanted, 1024 * 110 / 100);
}

void TestPlayer::pictureFitsDisplayKeepingItsShape()
{
    // 4:3 into a wide display: full height, centred, even width.
    SDL_Rect rect = displayRect(0, 0, 640, 360, 320, 240, {1, 1});
    QCOMPARE(QRect(rect.x, rect.y, rect.w, rect.h), QRect(80, 0, 480, 360));
    // Anamorphic pixels (16:11 on 720x576 is about 20:11 overall) into 4:3: full width.
    rect = displayRect(0, 0, 400, 300, 720, 576, {16, 11});
    QCOMPARE(rect.w, 400);
    QCOMPARE(rect.h % 2, 0);
    QVERIFY(qAbs(rect.h - 220) <= 2);
    QCOMPARE(rect.y, (300 - rect.h) / 2);
    // An unknown aspect counts as square; a tiny display still gets a pixel.
    rect = displayRect(0, 0, 1, 1, 320, 240, {0, 1});
    QVERIFY(rect.w >= 1 && rect.h >= 1);
}

void TestPlayer::heldSliderStopsPositionUpdates()
{
    play(TestMedia::clip(3.0));
    auto *slider = m_player->findChild<Slider *>();
    QTRY_VERIFY_WITH_TIMEOUT(slider->value() > 200, 5000);
    m_player->OnSliderPressed();
    const int held = slider->value();
    QTest::qWait(400);
    QCOMPARE(slider->value(), held);
    m_player->OnSliderReleased();
    QTRY_VERIFY_WITH_TIMEOUT(slider->value() > held + 200, 3000);
}

void TestPlayer::copyTimeCopiesShownPosition()
{
    m_player->OnSliderSeek(3723456);
    QCOMPARE(m_player->findChild<QTimeEdit *>()->text(), QStringLiteral("01:02:03:456"));
    m_player->OnCopyTime();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("01:02:03:456"));
}

void TestPlayer::awkwardPathPlays()
{
    const QString path = TestProfile::home() + QStringLiteral("/it's, a: clip é [1].mp4");
    QFile::remove(path);
    QVERIFY(QFile::copy(halvesClip(), path));
    play(path);
    QVERIFY(waitForColour(*m_player, 0.25, 0.5, Qt::red));
    QTRY_VERIFY_WITH_TIMEOUT(playerPosition() > 300000, 5000);
}

void TestPlayer::badFilterReturnsToIdle()
{
    m_player->setFilterProvider([] { return QStringLiteral("[in]nosuchfilter=1[out]"); });
    play(halvesClip());
    QTRY_VERIFY_WITH_TIMEOUT(!m_player->isPlaying(), 5000);

    // Nothing of the failed start lingers: the next file plays.
    m_player->setFilterProvider(nullptr);
    play(halvesClip());
    QVERIFY(waitForColour(*m_player, 0.75, 0.5, Qt::blue));
}

void TestPlayer::channelCountFromEnvironment()
{
    // The device opens on the read thread, some time after Play.
    qputenv("SDL_AUDIO_CHANNELS", "1");
    play(TestMedia::make(QStringLiteral("stereo-tone.m4a"),
                         lavfi("sine=frequency=1000:duration=3") + words("-ac 2 -c:a aac")));
    QTRY_VERIFY_WITH_TIMEOUT(playerPosition() > 200000, 5000);
    qunsetenv("SDL_AUDIO_CHANNELS");
    QCOMPARE(g_player.current->audio_tgt.ch_layout.nb_channels, 1);
}

void TestPlayer::clocksFollowTheirMasterAndItsGeneration()
{
    auto owned = std::make_unique<PlayerState>();
    PlayerState &state = *owned;
    int serial = 0;
    clockInit(&state.audclk, &serial);
    clockInit(&state.vidclk, &serial);
    clockInit(&state.extclk, &serial);
    QVERIFY(std::isnan(clockGet(&state.extclk)));

    // The external clock takes the other's time when it has none or when they lie far apart.
    clockSet(&state.audclk, 5.0, serial);
    clockSyncToSlave(&state.extclk, &state.audclk);
    QVERIFY(qAbs(clockGet(&state.extclk) - 5.0) < 0.05);
    clockSet(&state.audclk, 5.5, serial);
    clockSyncToSlave(&state.extclk, &state.audclk);
    QVERIFY(qAbs(clockGet(&state.extclk) - 5.0) < 0.05);
    clockSet(&state.audclk, 5.0 + kNoSyncThreshold + 1, serial);
    clockSyncToSlave(&state.extclk, &state.audclk);
    QVERIFY(qAbs(clockGet(&state.extclk) - (6.0 + kNoSyncThreshold)) < 0.05);

    // A paused clock holds its time; after a seek it reads nothing until it is fed again.
    state.audclk.paused = 1;
    const double held = clockGet(&state.audclk);
    QTest::qWait(20);
    QCOMPARE(clockGet(&state.audclk), held);
    ++serial;
    QVERIFY(std::isnan(clockGet(&state.audclk)));

    // A master the file lacks gives way: to the external clock for a silent file, to the
    // sound for one without pictures.
    AVStream stream {};
    state.video_st = &stream;
    state.av_sync_type = SyncAudioMaster;
    QCOMPARE(masterSyncType(&state), int(SyncExternalClock));
    state.video_st = nullptr;
    state.audio_st = &stream;
    state.av_sync_type = SyncVideoMaster;
    QCOMPARE(masterSyncType(&state), int(SyncAudioMaster));
}

void TestPlayer::frameQueueAbortReleasesAWaitingReader()
{
    initFlushMarker();
    PacketQueue packets;
    QCOMPARE(packetQueueInit(&packets), 0);
    FrameQueue frames;
    QCOMPARE(frameQueueInit(&frames, &packets, 3, true), 0);
    packetQueueStart(&packets);

    // A full queue holds its writer; an empty one its reader. Abort frees both.
    for (int i = 0; i < 3; ++i) {
        QVERIFY(frameQueuePeekWritable(&frames));
        frameQueuePush(&frames);
    }
    QCOMPARE(frameQueueRemaining(&frames), 3);
    bool released = false;
    std::thread writer([&frames, &released] { released = frameQueuePeekWritable(&frames) == nullptr; });
    packetQueueAbort(&packets);
    frameQueueSignal(&frames);
    writer.join();
    QVERIFY(released);
    QVERIFY(!frameQueuePeekReadable(&frames) || frameQueueRemaining(&frames) > 0);

    frameQueueDestroy(&frames);
    packetQueueDestroy(&packets);
}

void TestPlayer::seekPastTheEndEndsThePlay()
{
    const QString clip = TestMedia::clip(2.0);
    const qint64 durationUs = qint64(TestMedia::probeDuration(clip) * 1000000);
    play(clip);
    QTRY_VERIFY_WITH_TIMEOUT(playerPosition() > 200000, 5000);
    m_player->OnSliderSeek(60000);
    QTRY_VERIFY_WITH_TIMEOUT(!m_player->isPlaying(), 8000);
    QVERIFY(playerPosition() <= durationUs);
    QVERIFY(!m_player->findChild<Slider *>()->isEnabled());

    // The same file plays again from its start.
    play(clip);
    QTRY_VERIFY_WITH_TIMEOUT(playerPosition() > 200000, 5000);
    QVERIFY(playerPosition() < 1500000);
}

void TestPlayer::nextFileShowsNoPictureOfTheLast()
{
    play(TestMedia::colourClip(QStringLiteral("red"), 3.0));
    QVERIFY(waitForColour(*m_player, 0.5, 0.5, Qt::red));
    QTRY_VERIFY_WITH_TIMEOUT(playerPosition() > 1000000, 5000);
    m_player->OnStop();
    play(TestMedia::colourClip(QStringLiteral("blue"), 3.0));
    // Once the new file runs, every picture shown is its own, from its start.
    QTRY_VERIFY_WITH_TIMEOUT(playerPosition() >= 0, 5000);
    QVERIFY(playerPosition() < 1000000);
    QVERIFY(waitForColour(*m_player, 0.5, 0.5, Qt::blue));
    int pictures = 0;
    while (playerPosition() < 600000 && m_player->isPlaying()) {
        const QImage shown = grabHost(*m_player);
        if (!shown.isNull()) {
            const QRgb centre = shown.pixel(shown.width() / 2, shown.height() / 2);
            QVERIFY2(!near(centre, Qt::red), qPrintable(describe(centre)));
            ++pictures;
        }
        QTest::qWait(20);
    }
    QVERIFY(pictures > 3);
}

void TestPlayer::damagedMiddlePlaysOnToTheEnd()
{
    QByteArray bytes = fastStartBytes();
    QVERIFY(!bytes.isEmpty());
    scramble(bytes, bytes.size() * 2 / 5, bytes.size() / 2);
    const QString damaged = TestProfile::home() + QStringLiteral("/damaged.mp4");
    QVERIFY(writeFile(damaged, bytes));

    play(damaged);
    qint64 highest = 0;
    QElapsedTimer wall;
    wall.start();
    while (m_player->isPlaying() && wall.elapsed() < 10000) {
        highest = qMax(highest, playerPosition());
        QTest::qWait(20);
    }
    QVERIFY(!m_player->isPlaying());
    QVERIFY2(highest > 2500000, qPrintable(QString::number(highest)));
}

BRINDLE_TEST_MAIN(TestPlayer)
#include "test_player.moc"
