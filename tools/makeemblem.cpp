// Draws the navy emblem: a gold sunburst on a dark blue disc with a soft drop
// shadow. Usage: makeemblem OUT [SIZE]; the extension of OUT picks the format.
// A JPEG (the about box's emblem) is on white; a PNG (the application icon,
// shown on any desktop background) is on a transparent ground.
// Drawn from code so that the picture is ours and reviewable.
#include <QColor>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdio>
#include <cstdlib>

namespace {

QPainterPath sunburst(QPointF centre, double inner, double outer, int rays)
{
    QPainterPath path;
    for (int i = 0; i < rays * 2; ++i) {
        const double angle = M_PI * i / rays - M_PI / 2;
        const double radius = (i % 2 == 0) ? outer : inner;
        const QPointF point(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

void drawEmblem(QPainter& p, double s)
{
    const QPointF centre(s * 0.48, s * 0.48);
    const QPointF shadowOffset(s * 0.04, s * 0.04);

    // Shadow: the disc's outline, blurred by layering translucent rings.
    for (int i = 6; i >= 1; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 14));
        p.drawEllipse(centre + shadowOffset, s * 0.42 + i * s * 0.008, s * 0.42 + i * s * 0.008);
    }

    QRadialGradient field(centre, s * 0.42);
    field.setColorAt(0.0, QColor(38, 64, 128));
    field.setColorAt(1.0, QColor(12, 24, 64));
    p.setBrush(field);
    p.setPen(QPen(QColor(200, 160, 40), s * 0.03));
    p.drawEllipse(centre, s * 0.42, s * 0.42);

    // Sixteen long rays over sixteen short ones, then the star's heart.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 190, 60));
    p.drawPath(sunburst(centre, s * 0.10, s * 0.36, 16));
    p.setBrush(QColor(250, 220, 110));
    p.drawPath(sunburst(centre, s * 0.08, s * 0.22, 8));
    p.setBrush(QColor(255, 244, 200));
    p.drawEllipse(centre, s * 0.07, s * 0.07);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: makeemblem OUT [SIZE]\n");
        return 2;
    }
    const int size = argc > 2 ? std::atoi(argv[2]) : 64;
    if (size < 16 || size > 1024) {
        std::fprintf(stderr, "makeemblem: size must be 16 to 1024\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const bool png = QFileInfo(out).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0;
    // Supersample, then scale down, for smooth edges at small sizes.
    QImage big(size * 4, size * 4, QImage::Format_ARGB32_Premultiplied);
    big.fill(png ? Qt::transparent : Qt::white);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        drawEmblem(p, size * 4.0);
    }
    const QImage image = big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The quality is JPEG's; a PNG takes the default compression.
    if (!image.save(out, nullptr, png ? -1 : 92)) {
        std::fprintf(stderr, "makeemblem: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
