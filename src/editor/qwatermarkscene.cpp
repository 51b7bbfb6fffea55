#include "editor/qwatermarkscene.h"

#include "app/core.h"
#include "common/framegrab.h"
#include "editor/canvashistory.h"
#include "editor/layerdialog.h"
#include "editor/qcanvasitem.h"
#include "editor/qwatermarkitem.h"
#include "editor/qwatermarkview.h"
#include "editor/qwordartitem.h"
#include "text/vtextpropsheetdialog.h"

#include <QGraphicsSceneMouseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

QWatermarkScene::QWatermarkScene(QObject *parent)
    : QGraphicsScene(parent)
    , m_history(new CanvasHistory(this))
{
    setBackgroundBrush(QBrush(Qt::darkGray));
    core().canvas = this;
}

QWatermarkScene::~QWatermarkScene()
{
    // The layers die with the scene; nothing may keep pointing at them.
    for (QWatermarkBase *layer : layers())
        emit itemDeleteHM(layer);
    delete m_history;
    m_history = nullptr;
    if (core().canvas == this)
        core().canvas = nullptr;
}

void QWatermarkScene::setView(QWatermarkView *view)
{
    m_view = view;
}

QUndoStack *QWatermarkScene::undoStack() const
{
    return m_history->stack();
}

bool QWatermarkScene::setBackground(const QString &videoPath, const ConvertTask &picture)
{
    for (QGraphicsItem *item : items()) {
        auto *base = dynamic_cast<QWatermarkBase *>(item);
        if (base && base->info().Type == CLayerInfo::Background && base->zValue() < 1) {
            removeItem(base);
            delete base;
        }
    }
    m_background = nullptr;

    qint64 duration = 0;
    const QImage frame = grabFrame(videoPath, 0, &duration);
    m_mediaDuration = duration;
    auto *background = new QCanvasItem;
    background->setFrame(frame);
    CLayerInfo &info = background->info();
    info.Type = CLayerInfo::Background;
    info.FileName = videoPath;
    info.flipHorizontal = picture.horizontalFlip;
    info.flipVertical = picture.verticalFlip;
    info.transpose = picture.transpose;
    info.crop = picture.crop;
    background->refresh();
    connect(background, &QWatermarkBase::sigMenu, this, &QWatermarkScene::slotMenu, Qt::QueuedConnection);
    addItem(background);
    m_background = background;
    resetCanvasRect();
    return !frame.isNull();
}

QSize QWatermarkScene::canvasSize() const
{
    return m_background ? QSize(m_background->info().Width, m_background->info().Height) : QSize();
}

void QWatermarkScene::resetCanvasRect()
{
    const QSizeF oldSize = sceneRect().size();
    const QRectF rect(QPointF(0, 0), QSizeF(canvasSize()));
    setSceneRect(rect);
    if (m_view)
        m_view->setCanvasRect(rect);
    if (oldSize != rect.size())
        emit canvasResized(0, 0, oldSize);
}

QList<QWatermarkBase *> QWatermarkScene::layers() const
{
    QList<QWatermarkBase *> found;
    for (QGraphicsItem *item : items(Qt::AscendingOrder)) {
        auto *base = dynamic_cast<QWatermarkBase *>(item);
        if (base && base->info().Type != CLayerInfo::Background)
            found.append(base);
    }
    return found;
}

QList<QWatermarkBase *> QWatermarkScene::selectedLayers() const
{
    QList<QWatermarkBase *> found;
    for (QWatermarkBase *layer : layers())
        if (layer->isSelected())
            found.append(layer);
    return found;
}

QList<QWatermarkBase *> QWatermarkScene::targets() const
{
    QList<QWatermarkBase *> found = selectedLayers();
    auto *origin = qobject_cast<QWatermarkBase *>(sender());
    if (origin && origin->scene() == this && origin->info().Type != CLayerInfo::Background
        && !found.contains(origin))
        found.append(origin);
    return found;
}

void QWatermarkScene::deselectAll()
{
    for (QWatermarkBase *layer : layers())
        layer->setSelected(false);
}

void QWatermarkScene::connectLayer(QWatermarkBase *item)
{
    connect(item, &QWatermarkBase::sigClose, this, &QWatermarkScene::slotClose, Qt::QueuedConnection);
    connect(item, &QWatermarkBase::sigMenu, this, &QWatermarkScene::slotMenu, Qt::QueuedConnection);
    if (item->info().Type == CLayerInfo::Text)
        connect(item, &QWatermarkBase::sigDClicked, this, &QWatermarkScene::slotDClick, Qt::QueuedConnection);
}

QWatermarkBase *QWatermarkScene::createLayer(int type, const CLayerInfo *record, const QString &path,
                                             const CWordArtInfo *wordArt)
{
    QWatermarkBase *item = nullptr;
    if (type == CLayerInfo::Video || type == CLayerInfo::Picture) {
        auto *picture = new QWatermarkItem;
        if (record)
            picture->info().assignSettings(*record);
        picture->info().Type = type;
        picture->info().FileName = path;
        if (!picture->loadPicture()) {
            delete picture;
            return nullptr;
        }
        item = picture;
    } else if (type == CLayerInfo::Text) {
        auto *text = new QWordArtItem;
        if (record)
            text->info().assignSettings(*record);
        else
            text->info().Keep = false;
        text->info().Type = type;
        if (wordArt)
            text->info().wordArt = *wordArt;
        text->info().FileName = QStringLiteral("Text%1").arg(m_layerCounter++);
        if (!text->renderText()) {
            delete text;
            return nullptr;
        }
        item = text;
    } else {
        return nullptr;
    }
    const QSize natural = item->info().image.size();
    const int width = item->info().Width;
    const int height = item->info().Height;
    item->setSelected(false);
    item->createHandles(natural);
    if (record && width > 0 && height > 0) {
        const bool keep = item->info().Keep;
        item->info().Keep = false;
        item->setSize(width, height);
        item->info().Keep = keep;
    }
    return item;
}

void QWatermarkScene::placeNewLayer(QWatermarkBase *item, bool selected)
{
    item->setZValue(m_layerCounter++);
    connectLayer(item);
    addItem(item);
    item->setSelected(selected);
    emit itemAddedHM(item);
}

QWatermarkBase *QWatermarkScene::addVideo(const QString &path)
{
    deselectAll();
    QWatermarkBase *item = createLayer(CLayerInfo::Video, nullptr, path, nullptr);
    if (!item)
        return nullptr;
    placeNewLayer(item, true);
    m_history->recordAdded(item, tr("Add Video"));
    return item;
}

QWatermarkBase *QWatermarkScene::addImage(const QString &path)
{
    deselectAll();
    QWatermarkBase *item = createLayer(CLayerInfo::Picture, nullptr, path, nullptr);
    if (!item)
        return nullptr;
    placeNewLayer(item, true);
    m_history->recordAdded(item, tr("Add Image"));
    return item;
}

QWatermarkBase *QWatermarkScene::addText(const CWordArtInfo &wordArt)
{
    deselectAll();
    QWatermarkBase *item = createLayer(CLayerInfo::Text, nullptr, QString(), &wordArt);
    if (!item)
        return nullptr;
    placeNewLayer(item, true);
    m_history->recordAdded(item, tr("Add Text"));
    return item;
}

QWatermarkBase *QWatermarkScene::addLayer(const CLayerInfo &record)
{
    QWatermarkBase *item = createLayer(record.Type, &record, record.FileName, &record.wordArt);
    if (!item)
        return nullptr;
    item->setAngle(record.Angle);
    item->setPos(record.x, record.y);
    item->setOpacity(record.Transparent / 100.0);
    placeNewLayer(item, false);
    return item;
}

void QWatermarkScene::clearLayers()
{
    m_history->stack()->clear();
    for (QWatermarkBase *layer : layers()) {
        withdrawLayer(layer);
        delete layer;
    }
}

void QWatermarkScene::withdrawLayer(QWatermarkBase *item)
{
    item->setSelected(false);
    emit itemDeleteHM(item);
    removeItem(item);
}

void QWatermarkScene::restoreLayer(QWatermarkBase *item)
{
    addItem(item);
    emit itemAddedHM(item);
}

void QWatermarkScene::deleteSelected()
{
    const QList<QWatermarkBase *> doomed = targets();
    if (doomed.isEmpty())
        return;
    QMessageBox box(QMessageBox::Question, tr("Delete"), tr("Are you sure to delete the layer ?"),
                    QMessageBox::NoButton, m_view);
    box.addButton(tr("Ok"), QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.exec();
    if (box.clickedButton() == cancel)
        return;
    m_history->beginMacro(tr("Delete"));
    for (QWatermarkBase *item : doomed) {
        withdrawLayer(item);
        m_history->recordDeleted(item);
    }
    m_history->endMacro();
}

void QWatermarkScene::duplicateSelected()
{
    const QList<QWatermarkBase *> originals = targets();
    if (originals.isEmpty())
        return;
    m_history->beginMacro(tr("Duplicate"));
    for (QWatermarkBase *original : originals) {
        original->setSelected(false);
        const CLayerInfo &info = original->info();
        if (info.Type == CLayerInfo::Video)
            addVideo(info.FileName);
        else if (info.Type == CLayerInfo::Picture)
            addImage(info.FileName);
        else if (info.Type == CLayerInfo::Text)
            addText(info.wordArt);
    }
    m_history->endMacro();
}

void QWatermarkScene::editText()
{
    const QList<QWatermarkBase *> chosen = targets();
    auto *text = chosen.size() == 1 ? qobject_cast<QWordArtItem *>(chosen.first()) : nullptr;
    if (!text)
        return;
    const LayerState before = text->state();
    VTextPropSheetDialog dialog(text->info().wordArt, m_view);
    if (dialog.exec() != QDialog::Accepted)
        return;
    text->info().wordArt = dialog.wordArtInfo();
    text->refresh();
    m_history->recordChange(text, before, tr("Edit Text"));
}

void QWatermarkScene::openLayerDialog()
{
    for (QWatermarkBase *item : targets()) {
        const LayerState before = item->state();
        LayerDialog dialog(item, m_view);
        if (dialog.exec() == QDialog::Accepted)
            m_history->recordChange(item, before, tr("Options"));
    }
}

void QWatermarkScene::slotClose()
{
    deleteSelected();
}

void QWatermarkScene::slotDClick()
{
    editText();
}

void QWatermarkScene::slotMenu()
{
    if (!selectedItems().isEmpty())
        emit itemMenuHM();
}

void QWatermarkScene::drawBackground(QPainter *painter, const QRectF &rect)
{
    QGraphicsScene::drawBackground(painter, rect);
    if (showPattern)
        painter->fillRect(sceneRect(), QBrush(QImage(QStringLiteral(":/res/GUI/BGFore.png"))));
}

void QWatermarkScene::keyPressEvent(QKeyEvent *event)
{
    QPointF step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = QPointF(-1, 0);
        break;
    case Qt::Key_Up:
        step = QPointF(0, -1);
        break;
    case Qt::Key_Right:
        step = QPointF(1, 0);
        break;
    case Qt::Key_Down:
        step = QPointF(0, 1);
        break;
    default:
        QGraphicsScene::keyPressEvent(event);
        return;
    }
    const QList<QWatermarkBase *> selected = selectedLayers();
    if (selected.isEmpty()) {
        event->ignore();
        return;
    }
    for (QWatermarkBase *layer : selected) {
        if (layer->info().locked)
            continue;
        if (!m_nudging)
            layer->rememberState();
        layer->moveBy(step.x(), step.y());
    }
    m_nudging = true;
    m_nudge += step;
    event->accept();
}

void QWatermarkScene::keyReleaseEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat() || !m_nudging) {
        QGraphicsScene::keyReleaseEvent(event);
        return;
    }
    m_nudging = false;
    m_nudge = QPointF();
    reportMoves();
    event->accept();
}

void QWatermarkScene::reportMoves()
{
    QList<QWatermarkBase *> movedLayers;
    for (QWatermarkBase *layer : selectedLayers())
        if (layer->pos() != layer->stateAtPress().pos)
            movedLayers.append(layer);
    if (movedLayers.isEmpty())
        return;
    m_history->beginMacro(tr("Move"));
    for (QWatermarkBase *layer : movedLayers)
        emit itemMovedHM(&layer->info(), layer->stateAtPress().pos);
    m_history->endMacro();
}

void QWatermarkScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsScene::mousePressEvent(event);
    const QList<QWatermarkBase *> selected = selectedLayers();
    if (selected.isEmpty())
        emit itemPressHM(nullptr);
    for (QWatermarkBase *layer : selected) {
        emit itemPressHM(layer);
        layer->moved = false;
        layer->rememberState();
    }
}

void QWatermarkScene::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsScene::mouseMoveEvent(event);
    const QList<QWatermarkBase *> selected = selectedLayers();
    if (!selected.isEmpty() && selected.first()->moved && m_view)
        m_view->repaintNeeded = true;
}

void QWatermarkScene::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsScene::mouseReleaseEvent(event);
    const QList<QWatermarkBase *> selected = selectedLayers();
    if (selected.isEmpty())
        return;
    QWatermarkBase *first = selected.first();
    if (first->mode == QWatermarkBase::Rotating) {
        first->applyPending();
        emit itemRotateHM(&first->info(), first->stateAtPress().rotation, first->rotation());
    } else if (first->mode == QWatermarkBase::Resizing) {
        first->applyPending();
        emit itemResizeHM(&first->info(), first->requestedScale());
    } else {
        reportMoves();
    }
    first->mode = QWatermarkBase::Idle;
}
