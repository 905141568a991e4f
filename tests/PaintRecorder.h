#pragma once
// A paint device that keeps what a painter drew instead of rasterising it:
// texts with their baseline position and font, rectangles with their pen and
// fill. Positions are in device units, so a painter's scale shows in them.

#include <QColor>
#include <QFont>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTextItem>

#include <vector>

struct RecordedText {
    int sequence; // place among everything drawn, texts and rectangles alike
    QPointF at;   // left end of the baseline
    QString text;
    QFont font;
    int pixelSize;
    bool bold;
    bool italic;
    QColor color;
};

struct RecordedRect {
    int sequence;
    QRectF rect;
    bool framed; // drawn with a pen
    qreal penWidth;
    QColor penColor;
    bool filled; // drawn with a brush
    QColor fillColor;
};

struct PaintRecording {
    std::vector<RecordedText> texts;
    std::vector<RecordedRect> rects;
    int next = 0;
};

class RecordingPaintEngine : public QPaintEngine {
public:
    // Every feature, so that the painter hands over its primitives
    // untransformed and untouched, with the transform in the state.
    RecordingPaintEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    PaintRecording recording;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

    void drawRects(const QRectF* rects, int count) override
    {
        const QPen pen = state->pen();
        const QBrush brush = state->brush();
        for (int i = 0; i < count; ++i)
            recording.rects.push_back({recording.next++, state->transform().mapRect(rects[i]),
                                       pen.style() != Qt::NoPen, pen.widthF(), pen.color(),
                                       brush.style() != Qt::NoBrush, brush.color()});
    }

    void drawRects(const QRect* rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QRectF rect(rects[i]);
            drawRects(&rect, 1);
        }
    }

    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        const QFont font = item.font();
        recording.texts.push_back({recording.next++, state->transform().map(p), item.text(), font, font.pixelSize(),
                                   font.bold(), font.italic(), state->pen().color()});
    }
};

class PaintRecorder : public QPaintDevice {
public:
    // A US Letter page at the given resolution.
    explicit PaintRecorder(int dpiX = 72, int dpiY = 72) : m_dpiX(dpiX), m_dpiY(dpiY) {}

    QPaintEngine* paintEngine() const override { return &m_engine; }
    const PaintRecording& recording() const { return m_engine.recording; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return 612 * m_dpiX / 72;
        case PdmHeight:
            return 792 * m_dpiY / 72;
        case PdmWidthMM:
            return 216;
        case PdmHeightMM:
            return 279;
        case PdmDpiX:
        case PdmPhysicalDpiX:
            return m_dpiX;
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return m_dpiY;
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    int m_dpiX;
    int m_dpiY;
    mutable RecordingPaintEngine m_engine;
};

// What the painter drew on a fresh 72 dpi page, where a unit is a point.
template <typename Draw> PaintRecording recordPainting(Draw draw)
{
    PaintRecorder device;
    {
        QPainter painter(&device);
        draw(painter);
    }
    return device.recording();
}
