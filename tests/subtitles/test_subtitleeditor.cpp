#include "modalwatch.h"
#include "common/timeconv.h"
#include "subtitles/pantimedialog.h"
#include "subtitles/qsubtitledelegate.h"
#include "subtitles/qtimedelegate.h"
#include "subtitles/styledialog.h"
#include "subtitles/subtitledock.h"
#include "subtitles/subtitleedits.h"
#include "subtitles/subtitleparser.h"
#include "subtitles/subtitlesession.h"
#include "subtitles/subtitletable.h"
#include "subtitles/subtitlewidget.h"
#include "testfiles.h"
#include "testprofile.h"
#include "testwidgets.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTimeEdit>
#include <QUndoStack>

#include <memory>

using SubtitleEdits::Affect;
using SubtitleEdits::Times;

namespace {

SubtitleEvent cue(qint64 start, qint64 end, const QString &text, int style = 1)
{
    SubtitleEvent event;
    event.Start = start;
    event.End = end;
    event.Text = text;
    event.Style = style;
    return event;
}

}

class TestSubtitleEditor : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void addDeleteAndEveryEditUndoAndRedo();
    void fieldsAndCellsWriteTheDocument();
    void shift_data();
    void shift();
    void stylesAndShiftThroughTheirDialogs();
    void filesOpenSaveAndClose();

private:
    void fill(const QVector<SubtitleEvent> &events);
    void verifyInStep();
    QStringList texts() const { return textsOf(doc()); }
    static QStringList textsOf(const SubtitleParser &document);
    QStringList snapshot() const;
    QVector<int> marked() const;
    QPlainTextEdit *textField() const { return child<QPlainTextEdit>("plainTextEdit"); }
    QTableView *table() const { return child<QTableView>("tableView"); }
    template<typename T> T *child(const char *name) const
    {
        return m_dock->subtitleWidget()->findChild<T *>(QLatin1String(name));
    }
    QString write(const QString &name, const QByteArray &bytes)
    {
        return TestFiles::write(m_dir->filePath(name), bytes);
    }

    // The session's document, as a test sets it up.
    SubtitleParser &doc() const { return *m_session->table()->document(); }

    std::unique_ptr<SubtitleSession> m_session;
    std::unique_ptr<SubtitleDock> m_dock;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSubtitleEditor::init()
{
    m_dir.reset(new QTemporaryDir);
    m_dock.reset(); // before the session it shows
    m_session.reset(new SubtitleSession);
    m_dock.reset(new SubtitleDock);
    m_dock->showSession(m_session.get());
    m_dock->resize(420, 640);
}

void TestSubtitleEditor::fill(const QVector<SubtitleEvent> &events)
{
    doc().events = events;
    m_session->table()->reload();
    m_dock->showSession(m_session.get());
}

// Row i of the table shows event i of the document, cell for cell.
void TestSubtitleEditor::verifyInStep()
{
    const QAbstractItemModel *model = table()->model();
    const QVector<SubtitleEvent> &events = doc().events;
    QCOMPARE(model->rowCount(), events.size());
    for (int row = 0; row < events.size(); ++row) {
        QCOMPARE(model->index(row, 0).data().toString(), TimeConv::toText(events[row].Start * 1000));
        QCOMPARE(model->index(row, 1).data().toString(), TimeConv::toText(events[row].End * 1000));
        QCOMPARE(model->index(row, 2).data().toString(), events[row].Text);
    }
}

QStringList TestSubtitleEditor::textsOf(const SubtitleParser &document)
{
    QStringList result;
    for (const SubtitleEvent &event : document.events)
        result << event.Text;
    return result;
}

QStringList TestSubtitleEditor::snapshot() const
{
    QStringList lines;
    for (const SubtitleEvent &event : qAsConst(doc().events))
        lines << QStringLiteral("%1-%2 %3").arg(event.Start).arg(event.End).arg(event.Text);
    return lines;
}

// The rows marked as playing.
QVector<int> TestSubtitleEditor::marked() const
{
    QVector<int> rows;
    for (int row = 0; row < table()->model()->rowCount(); ++row) {
        if (table()->model()->index(row, 2).data(Qt::BackgroundRole).isValid())
            rows << row;
    }
    return rows;
}

void TestSubtitleEditor::addDeleteAndEveryEditUndoAndRedo()
{
    QVector<SubtitleEvent> events;
    for (int i = 0; i < 7; ++i)
        events << cue(i * 1000, i * 1000 + 500, QString::number(i));
    fill(events);
    const QStringList before = snapshot();

    // Add puts an empty line after the current one and makes it current, its fields empty; the
    // line marked as playing stays marked.
    m_dock->onPlayPosition(4200000);
    QCOMPARE(marked(), QVector<int>{4});
    table()->setCurrentIndex(table()->model()->index(3, 2));
    m_dock->onAdd();
    QCOMPARE(marked(), QVector<int>{5});
    QCOMPARE(texts(), QStringList({"0", "1", "2", "3", "", "4", "5", "6"}));
    QCOMPARE(m_dock->selectedRows(), QVector<int>{4});
    QCOMPARE(child<QTimeEdit>("timeEditStart")->time(), QTime(0, 0));
    QCOMPARE(textField()->toPlainText(), QString());
    textField()->setPlainText(QStringLiteral("inserted"));
    QCOMPARE(texts(), QStringList({"0", "1", "2", "3", "inserted", "4", "5", "6"}));
    verifyInStep();

    // Delete asks first, and removes the highest selected row first so the lower keeps its place.
    QItemSelectionModel *selection = table()->selectionModel();
    selection->select(table()->model()->index(2, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    selection->select(table()->model()->index(6, 1), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    ModalWatch declined({ModalWatch::press(QMessageBox::No)});
    m_dock->onDelete();
    QVERIFY(declined.allAnswered());
    QCOMPARE(doc().events.size(), 8);
    ModalWatch confirmed({ModalWatch::press(QMessageBox::Yes)});
    m_dock->onDelete();
    QVERIFY(confirmed.allAnswered());
    QCOMPARE(texts(), QStringList({"0", "1", "3", "inserted", "4", "6"}));
    verifyInStep();
    // Nothing selected: no question, nothing removed.
    selection->clearSelection();
    m_dock->onDelete();
    QCOMPARE(doc().events.size(), 6);

    m_dock->shiftTimes(500, Affect::AllRows, Times::StartAndEnd);
    m_dock->replaceTexts(QStringLiteral("e"), QStringLiteral("E"), Affect::AllRows);
    const QStringList after = snapshot();
    QCOMPARE(after, QStringList({"500-1000 0", "1500-2000 1", "3500-4000 3", "500-500 insErtEd", "4500-5000 4",
                                 "6500-7000 6"}));
    QCOMPARE(m_dock->undoStack()->count(), 5);
    QVERIFY(m_session->isModified());

    // Ctrl+Z with the table focused walks back to the start, Ctrl+Shift+Z forward again.
    m_dock->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dock.get()));
    m_dock->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dock.get()));
    table()->setFocus();
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(table(), Qt::Key_Z, Qt::ControlModifier);
        verifyInStep();
    }
    QCOMPARE(snapshot(), before);
    QVERIFY(!m_session->isModified());
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(table(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        verifyInStep();
    }
    QCOMPARE(snapshot(), after);
    QVERIFY(m_session->isModified());

    // A second panel on the session shows it as it is and follows its edits. While another session
    // is shown, Ctrl+Z walks that one's history; coming back brings this one's.
    SubtitleDock other;
    other.showSession(m_session.get());
    QCOMPARE(other.windowTitle(), QStringLiteral("Subtitle: *"));
    SubtitleSession second;
    QVERIFY(second.load(write(QStringLiteral("second.srt"), "1\n00:00:05,000 --> 00:00:06,000\nelsewhere\n")));
    m_dock->showSession(&second);
    QCOMPARE(table()->model()->index(0, 2).data().toString(), QStringLiteral("elsewhere"));
    QTest::keyClick(table(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(snapshot(), after);
    m_dock->showSession(m_session.get());
    verifyInStep();
    QTest::keyClick(table(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(snapshot() != after);

    // On an empty list Add makes the first line, with the first style, and opens the fields.
    fill({});
    QVERIFY(!textField()->isEnabled());
    m_dock->onAdd();
    QVERIFY(textField()->isEnabled());
    QCOMPARE(m_dock->currentRow(), 0);
    QCOMPARE(doc().events.value(0).Style, 1);
    verifyInStep();
    QCOMPARE(other.findChild<QTableView *>(QStringLiteral("tableView"))->model()->rowCount(), 1);
}

void TestSubtitleEditor::fieldsAndCellsWriteTheDocument()
{
    fill({cue(1000, 3000, "one"), cue(2500, 4000, "two"), cue(6000, 7000, "three")});
    m_dock->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dock.get()));
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, table()->visualRect(table()->model()->index(1, 2)).center());
    QCOMPARE(m_dock->currentRow(), 1);
    QCOMPARE(child<QTimeEdit>("timeEditStart")->time(), QTime(0, 0, 2, 500));
    QCOMPARE(child<QTimeEdit>("timeEditEnd")->time(), QTime(0, 0, 4));
    QCOMPARE(textField()->toPlainText(), QStringLiteral("two"));
    QCOMPARE(child<QLabel>("labelDuration")->text(), QStringLiteral("00:00:01:500"));

    // A double click on a time seeks there; the lines playing are marked, and neither is an edit.
    QSignalSpy seeks(m_dock.get(), &SubtitleDock::sigSeekRequested);
    const QPoint time = table()->visualRect(table()->model()->index(1, 0)).center();
    QTest::mousePress(table()->viewport(), Qt::LeftButton, {}, time);
    QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, time);
    QCOMPARE(seeks.count(), 1);
    QCOMPARE(seeks.at(0).at(0).toLongLong(), qint64(2500000));
    m_dock->onPlayPosition(2600000);
    QCOMPARE(marked(), QVector<int>({0, 1}));
    m_dock->onPlayPosition(3000000);
    QCOMPARE(marked(), QVector<int>({1}));
    m_dock->onPlayPosition(6500000);
    QCOMPARE(marked(), QVector<int>({2}));
    QCOMPARE(m_dock->undoStack()->count(), 0);

    child<QTimeEdit>("timeEditStart")->setTime(QTime(0, 0, 2, 250));
    child<QTimeEdit>("timeEditEnd")->setTime(QTime(0, 0, 5));
    QCOMPARE(doc().events[1].Start, 2250);
    QCOMPARE(doc().events[1].End, 5000);
    QCOMPARE(child<QLabel>("labelDuration")->text(), QStringLiteral("00:00:02:750"));

    // Typing is one undo step per field; a typed line feed stays a line feed.
    textField()->moveCursor(QTextCursor::End);
    QTest::keyClicks(textField(), QStringLiteral(" more"));
    QTest::keyClick(textField(), Qt::Key_Return);
    QTest::keyClicks(textField(), QStringLiteral("end"));
    QCOMPARE(texts(), QStringList({"one", "two more\nend", "three"}));
    verifyInStep();
    QCOMPARE(m_dock->undoStack()->count(), 3);
    m_dock->undoStack()->undo();
    QCOMPARE(doc().events[1].Text, QStringLiteral("two"));
    QCOMPARE(textField()->toPlainText(), QStringLiteral("two"));
    m_dock->undoStack()->undo();
    QCOMPARE(doc().events[1].End, 4000);
    QCOMPARE(child<QTimeEdit>("timeEditEnd")->time(), QTime(0, 0, 4));
    verifyInStep();

    // The cells' delegates, as a commit from their editors does it.
    QAbstractItemModel *model = table()->model();
    QTimeDelegate timeDelegate;
    std::unique_ptr<QWidget> timeEditor(timeDelegate.createEditor(nullptr, QStyleOptionViewItem(), model->index(1, 1)));
    auto *field = qobject_cast<QTimeEdit *>(timeEditor.get());
    QVERIFY(field);
    timeDelegate.setEditorData(field, model->index(1, 1));
    QCOMPARE(field->time(), QTime(0, 0, 4));
    field->setTime(QTime(1, 2, 3, 456));
    timeDelegate.setModelData(field, model, model->index(1, 1));
    QCOMPARE(doc().events[1].End, ((1 * 60 + 2) * 60 + 3) * 1000 + 456);

    QSubtitleDelegate textDelegate;
    std::unique_ptr<QWidget> textEditor(textDelegate.createEditor(nullptr, QStyleOptionViewItem(), model->index(0, 2)));
    auto *text = qobject_cast<QPlainTextEdit *>(textEditor.get());
    QVERIFY(text);
    textDelegate.setEditorData(text, model->index(0, 2));
    QCOMPARE(text->toPlainText(), QStringLiteral("one"));
    text->setPlainText(QStringLiteral("first\\Nline"));
    textDelegate.setModelData(text, model, model->index(0, 2));
    QCOMPARE(doc().events[0].Text, QStringLiteral("first\\Nline"));
    verifyInStep();

    // A cell that says no time goes back to the document's time.
    model->setData(model->index(0, 1), QStringLiteral("soon"));
    QCOMPARE(doc().events[0].End, 3000);
    // A cell beyond a day has no clock value; opening and closing its editor keeps it.
    doc().events[0].End = 25 * 3600 * 1000;
    m_session->table()->reload();
    std::unique_ptr<QWidget> dayEditor(timeDelegate.createEditor(nullptr, QStyleOptionViewItem(), model->index(0, 1)));
    timeDelegate.setEditorData(dayEditor.get(), model->index(0, 1));
    timeDelegate.setModelData(dayEditor.get(), model, model->index(0, 1));
    QCOMPARE(doc().events[0].End, 25 * 3600 * 1000);
    QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("25:00:00:000"));
    QCOMPARE(m_dock->undoStack()->count(), 3);
    verifyInStep();
}

void TestSubtitleEditor::shift_data()
{
    QTest::addColumn<qint64>("delta");
    QTest::addColumn<int>("affect");
    QTest::addColumn<int>("times");
    QTest::addColumn<QVector<qint64>>("expected"); // start, end of the four cues
    QTest::addColumn<int>("stopped");

    // Cues: 0.2-1.0, 2.0-3.0, 4.0-4.6, 6.0-7.5; rows 1 and 3 selected, row 1 current.
    QTest::newRow("backward all, both") << qint64(1500) << 0 << 0
                                        << QVector<qint64>{1700, 2500, 3500, 4500, 5500, 6100, 7500, 9000} << 0;
    QTest::newRow("backward all, start only") << qint64(1500) << 0 << 1
                                              << QVector<qint64>{1000, 1000, 3000, 3000, 4600, 4600, 7500, 7500} << 3;
    QTest::newRow("forward all, both, below zero")
        << qint64(-2500) << 0 << 0 << QVector<qint64>{0, 0, 0, 500, 1500, 2100, 3500, 5000} << 2;
    QTest::newRow("forward selected, end only")
        << qint64(-800) << 1 << 2 << QVector<qint64>{200, 1000, 2000, 2200, 4000, 4600, 6000, 6700} << 0;
    QTest::newRow("forward selected, end before start")
        << qint64(-1200) << 1 << 2 << QVector<qint64>{200, 1000, 2000, 2000, 4000, 4600, 6000, 6300} << 1;
    QTest::newRow("backward onward, both")
        << qint64(250) << 2 << 0 << QVector<qint64>{200, 1000, 2000, 3000, 4250, 4850, 6250, 7750} << 0;
    QTest::newRow("forward onward, start only, below zero")
        << qint64(-5000) << 2 << 1 << QVector<qint64>{200, 1000, 2000, 3000, 0, 4600, 1000, 7500} << 1;
}

void TestSubtitleEditor::shift()
{
    QFETCH(qint64, delta);
    QFETCH(int, affect);
    QFETCH(int, times);
    QFETCH(QVector<qint64>, expected);
    QFETCH(int, stopped);

    fill({cue(200, 1000, "a"), cue(2000, 3000, "b"), cue(4000, 4600, "c"), cue(6000, 7500, "d")});
    const QStringList before = snapshot();
    table()->setCurrentIndex(table()->model()->index(1, 0));
    table()->selectionModel()->select(table()->model()->index(3, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(m_dock->selectedRows(), QVector<int>({1, 3}));

    QCOMPARE(m_dock->shiftTimes(delta, Affect(affect), Times(times)), stopped);
    QVector<qint64> got;
    for (const SubtitleEvent &event : qAsConst(doc().events))
        got << event.Start << event.End;
    QCOMPARE(got, expected);
    verifyInStep();
    QCOMPARE(m_dock->statusText().contains(QStringLiteral("below zero")), stopped > 0);

    // One step undoes the whole shift, and with it the message about it.
    QVERIFY(m_dock->statusText().startsWith(QStringLiteral("Lines shifted")));
    m_dock->undoStack()->undo();
    QCOMPARE(snapshot(), before);
    verifyInStep();
    QCOMPARE(m_dock->statusText(), QString());
}

void TestSubtitleEditor::stylesAndShiftThroughTheirDialogs()
{
    SubtitleStyle sign;
    sign.Name = QStringLiteral("Sign");
    SubtitleStyle song = sign;
    song.Name = QStringLiteral("Song");
    doc().styles << sign << song;
    fill({cue(0, 1000, "a"), cue(2000, 3000, "b", 2), cue(4000, 5000, "c", 3), cue(6000, 7000, "d", 0)});
    QCOMPARE(TestWidgets::itemsOf(child<QComboBox>("comboBoxStyle")), QStringList({"Default", "Sign", "Song"}));

    // "Sign" moves to the front and "Song" goes: lines follow their style by name, the line
    // whose style went takes the first, and a line of no style keeps none.
    whenModalShows([](QWidget *modal) {
        auto *dialog = qobject_cast<StyleDialog *>(modal);
        QVERIFY(dialog);
        const QVector<SubtitleStyle> styles = dialog->styles();
        QCOMPARE(styles.size(), 3);
        dialog->setStyles({styles[1], styles[0]});
        dialog->accept();
    });
    m_dock->onStyle();
    QCOMPARE(TestWidgets::itemsOf(child<QComboBox>("comboBoxStyle")), QStringList({"Sign", "Default"}));
    QCOMPARE(doc().events[0].Style, 2);
    QCOMPARE(doc().events[1].Style, 1);
    QCOMPARE(doc().events[2].Style, 1);
    QCOMPARE(doc().events[3].Style, 0);

    table()->setCurrentIndex(table()->model()->index(0, 0));
    whenModalShows([](QWidget *modal) {
        auto *dialog = qobject_cast<PanTimeDialog *>(modal);
        QVERIFY(dialog);
        // Before Ok the dialog shows what the choice does to the first line it changes.
        auto *preview = dialog->findChild<QLabel *>(QStringLiteral("labelPreview"));
        QCOMPARE(preview->text(), QStringLiteral("Line 1 starts at 00:00:00:000.\nAfter the shift: 00:00:00:000, unchanged."));
        dialog->findChild<QTimeEdit *>(QStringLiteral("timeEdit"))->setTime(QTime(0, 0, 1, 500));
        dialog->findChild<QRadioButton *>(QStringLiteral("radioButtonStart"))->setChecked(true);
        dialog->findChild<QRadioButton *>(QStringLiteral("radioButtonOnward"))->setChecked(true);
        QCOMPARE(preview->text(), QStringLiteral("Line 2 starts at 00:00:02:000.\nAfter the shift: 00:00:03:000, later."));
        dialog->findChild<QRadioButton *>(QStringLiteral("radioButtonForward"))->setChecked(true);
        dialog->findChild<QRadioButton *>(QStringLiteral("radioButtonBackward"))->setChecked(true);
        dialog->accept();
    });
    m_dock->onShiftTimes();
    QCOMPARE(snapshot(), QStringList({"0-1000 a", "3000-3000 b", "5000-5000 c", "7000-7000 d"}));
    verifyInStep();
    ModalWatch cancelledShift({[](QWidget *dialog) {
        dialog->findChild<QTimeEdit *>(QStringLiteral("timeEdit"))->setTime(QTime(0, 1));
        ModalWatch::reject()(dialog);
    }});
    m_dock->onShiftTimes();
    QVERIFY(cancelledShift.allAnswered());
    QCOMPARE(doc().events[2].Start, 5000);
    QCOMPARE(m_dock->undoStack()->count(), 2);

    // Undoing the shift brings back the times and leaves the styles alone.
    m_dock->undoStack()->undo();
    QCOMPARE(doc().events[1].Start, 2000);
    QCOMPARE(doc().events[1].Style, 1);
    QCOMPARE(doc().styles[0].Name, QStringLiteral("Sign"));

    m_dock->undoStack()->undo();
    QCOMPARE(TestWidgets::itemsOf(child<QComboBox>("comboBoxStyle")), QStringList({"Default", "Sign", "Song"}));
    QCOMPARE(doc().events[1].Style, 2);
    QCOMPARE(doc().events[2].Style, 3);
    verifyInStep();

    ModalWatch cancelled({ModalWatch::reject()});
    m_dock->onStyle();
    QVERIFY(cancelled.allAnswered());
    QCOMPARE(doc().styles.size(), 3);
    QCOMPARE(m_dock->undoStack()->index(), 0);
}

void TestSubtitleEditor::filesOpenSaveAndClose()
{
    // Lines without a file: closing brings the save dialog; cancelling keeps them unsaved.
    QVERIFY(m_dock->promptSaveOnClose());
    fill({cue(0, 1000, "unsaved")});
    ModalWatch cancelled({[](QWidget *dialog) {
        QVERIFY(qobject_cast<QFileDialog *>(dialog));
        ModalWatch::reject()(dialog);
    }});
    QVERIFY(!m_dock->promptSaveOnClose());
    QVERIFY(cancelled.allAnswered());
    const QString kept = m_dir->filePath(QStringLiteral("kept.ass"));
    whenFileDialogShows(kept);
    QVERIFY(m_dock->promptSaveOnClose());
    QCOMPARE(m_session->path(), kept);
    QVERIFY(QFile::exists(kept));
    QVERIFY(m_dock->promptSaveOnClose());

    // SRT tags show as the line reads; the line is edited as written.
    QVERIFY(m_dock->loadFile(write(QStringLiteral("tags.srt"),
                                   "1\n00:00:01,000 --> 00:00:02,000\nSecond cue with <i>italic</i>\n\n")));
    const QModelIndex tagged = table()->model()->index(0, SubtitleTable::TextColumn);
    auto *delegate = qobject_cast<QSubtitleDelegate *>(table()->itemDelegateForColumn(SubtitleTable::TextColumn));
    QVERIFY(delegate);
    QCOMPARE(delegate->shownText(tagged), QStringLiteral("Second cue with italic"));
    table()->setCurrentIndex(tagged);
    QCOMPARE(textField()->toPlainText(), QStringLiteral("Second cue with <i>italic</i>"));

    // In an ASS file such a tag is letters, and shown as such.
    const QString ass = write(QStringLiteral("styled, [1].ass"),
                              "[Script Info]\nScriptType: v4.00+\n\n[V4+ Styles]\n"
                              "Format: Name, Fontname, Fontsize, PrimaryColour, Alignment\n"
                              "Style: Main,Arial,20,&H00ffffff,2\nStyle: Sign,Arial,16,&H00ffffff,8\n\n"
                              "[Events]\nFormat: Layer, Start, End, Style, Text\n"
                              "Dialogue: 0,0:00:01.00,0:00:02.50,Main,<i>letters</i>\n"
                              "Dialogue: 0,0:00:03.00,0:00:04.00,Sign,World\n");
    QVERIFY(m_dock->loadFile(ass));
    QCOMPARE(delegate->shownText(table()->model()->index(0, SubtitleTable::TextColumn)),
             QStringLiteral("<i>letters</i>"));
    QCOMPARE(m_session->path(), ass);
    QCOMPARE(m_dock->windowTitle(), QStringLiteral("Subtitle: styled, [1].ass"));
    QCOMPARE(TestWidgets::itemsOf(child<QComboBox>("comboBoxStyle")), QStringList({"Main", "Sign"}));
    verifyInStep();
    QVERIFY(!m_session->isModified());
    QCOMPARE(m_session->proposedSaveName(), ass);

    // Replacing in a legacy-encoded file: case counts, "ça" is not "Ça", and "Onward" starts
    // after the current line. The edited lines leave as UTF-8 under the name given, with the
    // extension added, and come back the same.
    const QString text = QStringLiteral(
        "1\r\n00:00:01,000 --> 00:00:02,000\r\nOù est passée la boîte à café ?\r\n\r\n"
        "2\r\n00:00:03,000 --> 00:00:04,000\r\nÇa coûte cher, le café de l'hôtel.\r\n\r\n"
        "3\r\n00:00:05,000 --> 00:00:06,000\r\nNoël approche ; ça sent le café grillé.\r\n\r\n"
        "4\r\n00:00:07,000 --> 00:00:08,000\r\nTrès bien, répondit le garçon.\r\n");
    const QString path = write(QStringLiteral("légende.srt"), QTextCodec::codecForName("windows-1252")->fromUnicode(text));
    QVERIFY(m_dock->loadFile(path));
    QVERIFY(!doc().utf8);

    QCOMPARE(m_dock->replaceTexts(QStringLiteral("ça"), QStringLiteral("cela"), Affect::AllRows), 1);
    table()->setCurrentIndex(table()->model()->index(0, 0));
    QCOMPARE(m_dock->replaceTexts(QStringLiteral("café"), QStringLiteral("thé"), Affect::SelectionOnward), 2);
    table()->selectionModel()->select(table()->model()->index(3, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QCOMPARE(m_dock->replaceTexts(QStringLiteral("Très"), QStringLiteral("Fort"), Affect::SelectedRows), 1);
    const QStringList replaced{QStringLiteral("Où est passée la boîte à café ?"),
                               QStringLiteral("Ça coûte cher, le thé de l'hôtel."),
                               QStringLiteral("Noël approche ; cela sent le thé grillé."),
                               QStringLiteral("Fort bien, répondit le garçon.")};
    QCOMPARE(texts(), replaced);
    QCOMPARE(m_dock->replaceTexts(QStringLiteral("CAFÉ"), QStringLiteral("x"), Affect::AllRows), 0);
    QVERIFY(m_dock->statusText().contains(QStringLiteral("CAFÉ")));
    QCOMPARE(m_dock->replaceTexts(QString(), QStringLiteral("x"), Affect::AllRows), 0);
    QCOMPARE(m_dock->undoStack()->count(), 3);
    verifyInStep();

    QVERIFY(m_session->isModified());
    const QString saved = m_dir->filePath(QStringLiteral("out"));
    QVERIFY(m_dock->saveTo(saved));
    QCOMPARE(m_session->path(), saved + QStringLiteral(".ass"));
    QVERIFY(!m_session->isModified());
    SubtitleParser again;
    QVERIFY(again.read(m_session->path()));
    QCOMPARE(textsOf(again), replaced);
    QVERIFY(!m_dock->saveTo(m_dir->filePath(QStringLiteral("missing/folder/x.ass"))));
    QVERIFY(m_dock->statusText().contains(QStringLiteral("could not be written")));
    QCOMPARE(m_session->path(), saved + QStringLiteral(".ass"));

    // A file of no subtitle kind is named, and the lines stay as they were.
    const QString notes = write(QStringLiteral("notes.txt"), "1\n00:00:01,000 --> 00:00:02,000\nx\n");
    QVERIFY(!m_dock->loadFile(notes));
    QVERIFY(m_dock->statusText().contains(QStringLiteral("notes.txt")));
    QCOMPARE(texts(), replaced);
    verifyInStep();
    QCOMPARE(m_session->path(), saved + QStringLiteral(".ass"));
}

BRINDLE_TEST_MAIN(TestSubtitleEditor)
#include "test_subtitleeditor.moc"
