#include "render/ClipFramePainter.h"

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <memory>

clip::PaintFrame clipFramePainter(const clip::Plan &plan, const ClipOverlay::Items &items)
{
    struct State
    {
        clip::Plan plan;
        clip::Telemetry telemetry;
        std::unique_ptr<ClipOverlay> overlay;
        bool readouts = false;
        QList<QRect> areas;
        std::optional<clip::Readout> shown; // on the layer painted last
        clip::Readout next;
        qint64 nextMs = -1; // the moment of `next`

        const clip::Readout &readoutAt(qint64 clipMs)
        {
            if (nextMs != clipMs) {
                next = telemetry.at(plan, clipMs);
                nextMs = clipMs;
            }
            return next;
        }
    };
    auto state = std::make_shared<State>();
    state->plan = plan;
    state->readouts = items.time || items.speed || items.gforce || items.map;
    state->overlay = std::make_unique<ClipOverlay>(items, items.map ? state->telemetry.route(plan)
                                                                    : QList<RoutePoint>());
    clip::PaintFrame overlay;
    overlay.areas = [state](const clip::Canvas &canvas) {
        QList<QRectF> missing;
        if (canvas.frontMissing)
            missing.append(canvas.frame.front);
        if (canvas.rearMissing)
            missing.append(canvas.frame.rear);
        state->overlay->setMissing(missing);
        const bool inset =
            canvas.frame.rear.isValid() && canvas.frame.front.contains(canvas.frame.rear);
        state->overlay->setKeepClear(inset ? QRectF(canvas.frame.rear) : QRectF());
        state->areas.clear();
        if (!missing.isEmpty() || state->readouts) {
            const QRectF frame(QPointF(0, 0), canvas.frame.size);
            for (const QRectF &area : state->overlay->areas(frame))
                state->areas.append(area.toAlignedRect() & frame.toRect());
        }
        return state->areas;
    };
    // Without readouts the overlay changes with the missing cameras alone, and so its areas.
    overlay.changed = [state](const clip::Canvas &canvas) {
        return state->readouts &&
               (!state->shown ||
                !state->overlay->looksSame(*state->shown, state->readoutAt(canvas.clipMs)));
    };
    overlay.paint = [state](const clip::Canvas &canvas) {
        if (state->areas.isEmpty())
            return;
        if (state->readouts) {
            state->shown = state->readoutAt(canvas.clipMs);
            state->overlay->setReadout(*state->shown);
        }
        QImage image(canvas.bits, canvas.frame.size.width(), canvas.frame.size.height(),
                     canvas.bytesPerLine, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        // Only the areas are laid over the picture; nothing drawn elsewhere would be seen.
        QRegion region;
        for (const QRect &area : state->areas)
            region += area;
        painter.setClipRegion(region);
        state->overlay->paint(&painter, QRectF(QPointF(0, 0), canvas.frame.size));
    };
    return overlay;
}
