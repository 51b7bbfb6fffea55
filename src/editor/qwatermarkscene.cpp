#include "editor/qwatermarkscene.h"

#include "common/framegrab.h"
#include "editor/canvashistory.h"
#include "editor/layerdialog.h"
#include "editor/qcanvasitem.h"
#include "editor/qwatermarkitem.h"
#include "editor/qwatermarkview.h"
#include "editor/qwordartitem.h"
#include "layers/recordlayer.h"
#include "text/vtextpropsheetdialog.h"

#include <QGraphicsSceneMouseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

namespace {

// How far each new layer sits from one already in its place.
constexpr int kNewLayerStep = 20;

// Every part of a record that the layer dialog edits.
const LayerFields kDialogFields = LayerField::Place | LayerField::Size | LayerField::Angle | LayerField::Keep
                                      | LayerField::Opacity | LayerField::Motion | LayerField::Speed
                                      | LayerField::Fade | LayerField::Loop | LayerField::Start | LayerField::End;

}

QWatermarkScene::QWatermarkScene(WatermarkDocument *document, QObject *parent)
    : QGraphicsScene(parent)
    , m_document(document)
    , m_history(new CanvasHistory(document, this))
{
    setBackgroundBrush(QBrush(Qt::darkGray));
    connect(document, &WatermarkDocument::layerAdded, this, &QWatermarkScene::showLayer);
    connect(document, &WatermarkDocument::layerRemoved, this, &QWatermarkScene::dropLayer);
    connect(document, &WatermarkDocument::layerChanged, this, [this](LayerId id) {
        if (QWatermarkBase *item = m_items.value(id))
            item->showRecord();
    });
    connect(document, &WatermarkDocument::layersReordered, this, &QWatermarkScene::restack);
    connect(document, &WatermarkDocument::documentReset, this, &QWatermarkScene::showAllLayers);
    showAllLayers();
}

QWatermarkScene::~QWatermarkScene()
{
    // The items go with the scene, quietly: no view is to hear of their selection ending.
    blockSignals(true);
    delete m_history;
    m_history = nullptr;
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
    const QRectF rect(QPointF(0, 0), QSizeF(canvasSize()));
    setSceneRect(rect);
    if (m_view)
        m_view->setCanvasRect(rect);
    m_document->setCanvas(canvasSize(), m_mediaDuration);
}

QList<QWatermarkBase *> QWatermarkScene::layers() const
{
    QList<QWatermarkBase *> found;
    for (LayerId id : m_document->ids())
        if (QWatermarkBase *item = m_items.value(id))
            found << item;
    return found;
}

QList<QWatermarkBase *> QWatermarkScene::selectedLayers() const
{
    QList<QWatermarkBase *> found;
    for (QWatermarkBase *layer : layers())
        if (layer->isSelected())
            found << layer;
    return found;
}

QList<LayerId> QWatermarkScene::selectedIds() const
{
    QList<LayerId> ids;
    for (QWatermarkBase *layer : selectedLayers())
        ids << layer->layerId();
    return ids;
}

void QWatermarkScene::selectLayers(const QList<LayerId> &ids)
{
    for (auto it = m_items.cbegin(); it != m_items.cend(); ++it)
        it.value()->setSelected(ids.contains(it.key()));
}

QList<QWatermarkBase *> QWatermarkScene::targets() const
{
    QList<QWatermarkBase *> found = selectedLayers();
    auto *origin = qobject_cast<QWatermarkBase *>(sender());
    if (origin && origin->layerId() != 0 && m_items.value(origin->layerId()) == origin && !found.contains(origin))
        found.append(origin);
    return found;
}

void QWatermarkScene::connectLayer(QWatermarkBase *item)
{
    connect(item, &QWatermarkBase::sigClose, this, &QWatermarkScene::slotClose, Qt::QueuedConnection);
    connect(item, &QWatermarkBase::sigMenu, this, &QWatermarkScene::slotMenu, Qt::QueuedConnection);
    if (item->info().Type == CLayerInfo::Text)
        connect(item, &QWatermarkBase::sigDClicked, this, &QWatermarkScene::slotDClick, Qt::QueuedConnection);
}

void QWatermarkScene::showLayer(LayerId id)
{
    if (m_items.contains(id) || !m_document->contains(id))
        return;
    QWatermarkBase *item = nullptr;
    if (m_document->layer(id).Type == CLayerInfo::Text)
        item = new QWordArtItem(m_document, id);
    else
        item = new QWatermarkItem(m_document, id);
    item->createHandles();
    connectLayer(item);
    addItem(item);
    m_items.insert(id, item);
    restack();
}

void QWatermarkScene::dropLayer(LayerId id)
{
    QWatermarkBase *item = m_items.take(id);
    if (!item)
        return;
    removeItem(item);
    delete item;
}

void QWatermarkScene::showAllLayers()
{
    const QList<LayerId> ids = m_items.keys();
    for (LayerId id : ids)
        dropLayer(id);
    for (LayerId id : m_document->ids())
        showLayer(id);
}

void QWatermarkScene::restack()
{
    const QList<LayerId> ids = m_document->ids();
    for (int i = 0; i < ids.size(); ++i)
        if (QWatermarkBase *item = m_items.value(ids.at(i)))
            item->setZValue(i + 1);
}

QPoint QWatermarkScene::placeForNewLayer(const QSize &size) const
{
    QRectF area(QPointF(0, 0), QSizeF(canvasSize()));
    if (m_view) {
        const QRectF shown = m_view->mapToScene(m_view->viewport()->rect()).boundingRect() & area;
        if (!shown.isEmpty())
            area = shown;
    }
    QPoint at = area.isEmpty() ? QPoint(0, 0)
                               : (area.center() - QPointF(size.width() / 2.0, size.height() / 2.0)).toPoint();
    // A place is taken when a layer already has its centre there.
    const QList<CLayerInfo> present = m_document->layers();
    const auto taken = [&present, size](const QPoint &p) {
        for (const CLayerInfo &record : present)
            if (qAbs(2 * record.x + record.Width - 2 * p.x() - size.width()) <= 2
                && qAbs(2 * record.y + record.Height - 2 * p.y() - size.height()) <= 2)
                return true;
        return false;
    };
    for (int tries = 0; tries < present.size() && taken(at); ++tries)
        at += QPoint(kNewLayerStep, kNewLayerStep);
    return at;
}

QWatermarkBase *QWatermarkScene::addNewLayer(CLayerInfo record, const QString &text, QString *error)
{
    QString reason;
    record.image = layerPicture(record, &reason);
    if (record.image.isNull()) {
        if (error)
            *error = reason;
        return nullptr;
    }
    record.Width = record.image.width();
    record.Height = record.image.height();
    const QPoint at = placeForNewLayer(record.image.size());
    record.x = at.x();
    record.y = at.y();
    const LayerId id = m_history->addLayer(record, text);
    selectLayers({id});
    return m_items.value(id);
}

QWatermarkBase *QWatermarkScene::addVideo(const QString &path, QString *error)
{
    CLayerInfo record;
    record.Type = CLayerInfo::Video;
    record.FileName = path;
    return addNewLayer(record, tr("Add Video"), error);
}

QWatermarkBase *QWatermarkScene::addImage(const QString &path, QString *error)
{
    CLayerInfo record;
    record.Type = CLayerInfo::Picture;
    record.FileName = path;
    return addNewLayer(record, tr("Add Image"), error);
}

QWatermarkBase *QWatermarkScene::addText(const CWordArtInfo &wordArt, QString *error)
{
    CLayerInfo record;
    record.Type = CLayerInfo::Text;
    record.Keep = false;
    record.wordArt = wordArt;
    return addNewLayer(record, tr("Add Text"), error);
}

void QWatermarkScene::deleteSelected()
{
    const QList<QWatermarkBase *> doomed = targets();
    if (doomed.isEmpty())
        return;
    QList<LayerId> ids;
    for (QWatermarkBase *item : doomed)
        ids << item->layerId();
    QMessageBox box(QMessageBox::Question, tr("Delete"), tr("Are you sure to delete the layer ?"),
                    QMessageBox::NoButton, m_view);
    box.addButton(tr("Ok"), QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.exec();
    if (box.clickedButton() == cancel)
        return;
    m_history->removeLayers(ids, tr("Delete"));
}

void QWatermarkScene::duplicateSelected()
{
    QList<LayerId> originals;
    for (QWatermarkBase *item : targets())
        originals << item->layerId();
    if (originals.isEmpty())
        return;
    QList<LayerId> copies;
    m_history->beginMacro(tr("Duplicate"));
    for (LayerId id : qAsConst(originals)) {
        // A copy starts as the same file or text freshly added would.
        const CLayerInfo &original = m_document->layer(id);
        CLayerInfo copy;
        copy.Type = original.Type;
        copy.FileName = original.FileName;
        copy.wordArt = original.wordArt;
        copy.Keep = original.Type != CLayerInfo::Text;
        copy.image = original.image;
        copy.Width = copy.image.width();
        copy.Height = copy.image.height();
        const QPoint at = placeForNewLayer(copy.image.size());
        copy.x = at.x();
        copy.y = at.y();
        copies << m_history->addLayer(copy, tr("Duplicate"));
    }
    m_history->endMacro();
    selectLayers(copies);
}

void QWatermarkScene::editText()
{
    const QList<QWatermarkBase *> chosen = targets();
    if (chosen.size() != 1 || chosen.first()->info().Type != CLayerInfo::Text)
        return;
    const LayerId id = chosen.first()->layerId();
    VTextPropSheetDialog dialog(m_document->layer(id).wordArt, m_view);
    if (dialog.exec() != QDialog::Accepted || !m_document->contains(id))
        return;
    CLayerInfo edited = m_document->layer(id);
    edited.wordArt = dialog.wordArtInfo();
    QString reason;
    const QImage picture = layerPicture(edited, &reason);
    if (picture.isNull())
        return;
    // The text takes the size it draws at.
    edited.image = picture;
    edited.Width = picture.width();
    edited.Height = picture.height();
    m_history->changeLayer(id, edited, LayerField::Text | LayerField::Size, tr("Edit Text"));
}

void QWatermarkScene::openLayerDialog()
{
    QList<LayerId> ids;
    for (QWatermarkBase *item : targets())
        ids << item->layerId();
    for (LayerId id : qAsConst(ids)) {
        if (!m_document->contains(id))
            continue;
        LayerDialog dialog(m_document->layer(id), m_document->mediaDuration(), m_view);
        if (dialog.exec() == QDialog::Accepted && m_document->contains(id))
            m_history->changeLayer(id, dialog.record(), kDialogFields, tr("Options"));
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
    for (QWatermarkBase *layer : selected)
        if (!layer->info().locked)
            layer->moveBy(step.x(), step.y());
    m_nudging = true;
    event->accept();
}

void QWatermarkScene::keyReleaseEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat() || !m_nudging) {
        QGraphicsScene::keyReleaseEvent(event);
        return;
    }
    m_nudging = false;
    commitMoves();
    event->accept();
}

void QWatermarkScene::commitMoves()
{
    QMap<LayerId, CLayerInfo> moves;
    const QList<QWatermarkBase *> selected = selectedLayers();
    for (QWatermarkBase *layer : selected)
        moves.insert(layer->layerId(), layer->shownRecord());
    m_history->changeLayers(moves, LayerField::Place, tr("Move"));
    // Whatever made no step shows its record again.
    for (QWatermarkBase *layer : selected)
        layer->showRecord();
}

void QWatermarkScene::commitHandleDrag(QWatermarkBase *item)
{
    item->applyPending();
    const bool turning = item->mode == QWatermarkBase::Rotating;
    LayerFields fields = turning ? LayerFields(LayerField::Angle) : LayerField::Place | LayerField::Size;
    if (!turning && item->info().Type == CLayerInfo::Text)
        fields |= LayerField::Text;
    m_history->changeLayer(item->layerId(), item->shownRecord(), fields, turning ? tr("Rotate") : tr("Resize"));
    item->showRecord();
}

void QWatermarkScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsScene::mousePressEvent(event);
    for (QWatermarkBase *layer : selectedLayers())
        layer->moved = false;
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
    QWatermarkBase *dragged = nullptr;
    for (QWatermarkBase *layer : selected)
        if (layer->mode == QWatermarkBase::Rotating || layer->mode == QWatermarkBase::Resizing)
            dragged = layer;
    if (dragged)
        commitHandleDrag(dragged);
    else if (!selected.isEmpty())
        commitMoves();
    for (QWatermarkBase *layer : selected)
        layer->mode = QWatermarkBase::Idle;
}
