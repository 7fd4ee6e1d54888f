// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "borders.h"

#include "wmfwriter.h"

#include <QPointF>
#include <QRectF>
#include <QTransform>

#include <cmath>
#include <functional>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr quint16 PsSolid = 0;
constexpr quint16 PsNull = 5;
constexpr quint16 BsSolid = 0;
constexpr quint16 BsNull = 1;
constexpr int MmAnisotropic = 8;

using Points = QList<QPointF>;

// Drawing in the border's frame through a transform, one pen and one brush at a time; the
// objects replaced are deleted so the metafile's object table stays small.
class Sketch
{
public:
    Sketch(int width, int height) : m_width(width), m_height(height)
    {
        m_out.setPlaceable(0, 0, width, height, Borders::UnitsPerInch);
        m_out.setMapMode(MmAnisotropic);
        m_out.setWindowOrg(0, 0);
        m_out.setWindowExt(width, height);
        m_out.setBkMode(1);
        m_out.setPolyFillMode(1);
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    QByteArray finish() const { return m_out.finish(); }

    void setTransform(const QTransform &t) { m_t = t; }
    const QTransform &transform() const { return m_t; }

    void pen(QRgb color, int width)
    {
        // Widths scale with the frame: the transform's scale is part of the design.
        replace(&m_pen, m_out.createPen(PsSolid, width, color));
    }
    void noPen() { replace(&m_pen, m_out.createPen(PsNull, 0, 0)); }
    void brush(QRgb color) { replace(&m_brush, m_out.createBrush(BsSolid, color)); }
    void noBrush() { replace(&m_brush, m_out.createBrush(BsNull, 0)); }

    void polygon(const Points &points) { m_out.polygon(map(points)); }
    void polyline(const Points &points) { m_out.polyline(map(points)); }
    void line(QPointF a, QPointF b) { polyline({a, b}); }
    void ellipse(QPointF centre, double rx, double ry)
    {
        const bool straight = std::abs(m_t.m12()) < 1e-9 && std::abs(m_t.m21()) < 1e-9;
        const bool quarter = std::abs(m_t.m11()) < 1e-9 && std::abs(m_t.m22()) < 1e-9;
        if (straight || quarter) {
            const QRect r = QRectF(m_t.map(centre - QPointF(rx, ry)), m_t.map(centre + QPointF(rx, ry)))
                                .normalized()
                                .toRect();
            m_out.ellipse(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
            return;
        }
        Points points;
        for (int i = 0; i < 48; ++i) {
            const double a = 2 * Pi * i / 48;
            points << centre + QPointF(rx * std::cos(a), ry * std::sin(a));
        }
        polygon(points);
    }
    void circle(QPointF centre, double r) { ellipse(centre, r, r); }
    // An outlined rectangle inset from the frame's edges.
    void frameRect(double inset)
    {
        polygon({{inset, inset}, {m_width - inset, inset}, {m_width - inset, m_height - inset},
                 {inset, m_height - inset}});
    }

private:
    void replace(int *slot, int object)
    {
        m_out.selectObject(object);
        if (*slot >= 0)
            m_out.deleteObject(*slot);
        *slot = object;
    }
    QList<QPoint> map(const Points &points) const
    {
        QList<QPoint> out;
        out.reserve(points.size());
        for (const QPointF &p : points) {
            const QPointF q = m_t.map(p);
            out << QPoint(int(std::lround(q.x())), int(std::lround(q.y())));
        }
        return out;
    }

    WmfWriter m_out;
    int m_width;
    int m_height;
    QTransform m_t;
    int m_pen = -1;
    int m_brush = -1;
};

// Geometry helpers, in the design's own coordinates.

QPointF polar(QPointF centre, double radius, double degrees)
{
    const double a = degrees * Pi / 180;
    return centre + QPointF(radius * std::cos(a), radius * std::sin(a));
}

void appendCubic(Points &out, QPointF p0, QPointF p1, QPointF p2, QPointF p3, int steps = 16)
{
    for (int i = out.isEmpty() ? 0 : 1; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double u = 1 - t;
        out << u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
    }
}

void appendQuad(Points &out, QPointF p0, QPointF c, QPointF p1, int steps = 8)
{
    for (int i = out.isEmpty() ? 0 : 1; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double u = 1 - t;
        out << u * u * p0 + 2 * u * t * c + t * t * p1;
    }
}

// Points in a local frame (x along, y across) placed at origin and turned by degrees.
Points placed(const Points &local, QPointF origin, double degrees)
{
    QTransform t;
    t.translate(origin.x(), origin.y());
    t.rotate(degrees);
    Points out;
    for (const QPointF &p : local)
        out << t.map(p);
    return out;
}

Points star(QPointF centre, double outer, double inner, int spikes = 5, double turn = -90)
{
    Points points;
    for (int i = 0; i < 2 * spikes; ++i)
        points << polar(centre, i % 2 ? inner : outer, turn + 180.0 * i / spikes);
    return points;
}

// An almond leaf from its base along +x: two arcs meeting at the tip.
Points almond(double length, double width)
{
    Points p;
    appendCubic(p, {0, 0}, {length * 0.3, -width * 0.75}, {length * 0.75, -width * 0.55},
                {length, 0}, 10);
    appendCubic(p, {length, 0}, {length * 0.75, width * 0.55}, {length * 0.3, width * 0.75},
                {0, 0}, 10);
    p.removeLast();
    return p;
}

// A holly leaf from its stem along +x: spiny points joined by scallops bowed inward.
Points hollyLeaf(double length, double width, int spines = 4)
{
    const auto halfWidth = [&](double t) { return width / 2 * std::pow(std::sin(Pi * t), 0.7); };
    Points p;
    p << QPointF(0, 0);
    // Upper edge from stem to tip, then the lower edge back.
    for (int side : {-1, 1}) {
        QList<QPointF> tips;
        for (int i = 1; i <= spines; ++i) {
            const double t = 0.1 + 0.8 * i / (spines + 0.5);
            tips << QPointF(length * t, side * (halfWidth(t) * 1.18 + width * 0.02));
        }
        if (side > 0)
            std::reverse(tips.begin(), tips.end());
        QPointF from = side < 0 ? QPointF(0, 0) : QPointF(length, 0);
        for (const QPointF &tip : tips) {
            const QPointF mid = (from + tip) / 2;
            appendQuad(p, from, QPointF(mid.x(), mid.y() * 0.35), tip, 6);
            from = tip;
        }
        const QPointF to = side < 0 ? QPointF(length, 0) : QPointF(0, 0);
        const QPointF mid = (from + to) / 2;
        appendQuad(p, from, QPointF(mid.x(), mid.y() * 0.35), to, 6);
    }
    p.removeLast();
    return p;
}

// Positions spread evenly over [from, to], count of them including both ends.
QList<double> spread(double from, double to, int count)
{
    QList<double> out;
    for (int i = 0; i < count; ++i)
        out << (count == 1 ? (from + to) / 2 : from + (to - from) * i / (count - 1));
    return out;
}

// The four corner transforms: the top-left design mirrored into every corner.
QList<QTransform> corners(int width, int height)
{
    return {QTransform(), QTransform(-1, 0, 0, 1, width, 0), QTransform(1, 0, 0, -1, 0, height),
            QTransform(-1, 0, 0, -1, width, height)};
}

// The four sides as transforms of a design along the top edge from x = 0 to its length:
// top, right (turned down), bottom (turned), left (turned up). The design's y runs inward.
struct Side
{
    QTransform transform;
    double length;
};

QList<Side> sides(int width, int height)
{
    return {{QTransform(), double(width)},
            {QTransform(0, 1, -1, 0, width, 0), double(height)},
            {QTransform(-1, 0, 0, -1, width, height), double(width)},
            {QTransform(0, -1, 1, 0, 0, height), double(height)}};
}

// Classic: a thick and two thin rules, rosettes in the corners and lozenges mid-side.

namespace classicStyle {
const QRgb navy = qRgb(0x1B, 0x2A, 0x4A);
const QRgb gold = qRgb(0xB0, 0x8D, 0x57);
const double thick = 60;    // the outer, heavy rule
const double fine = 118;    // the gold rule
const double inner = 176;   // the inner rule, notched round each corner
const double notch = 150;   // the notch's radius about the inner rule's corner
} // namespace classicStyle

// The inner rule's notch and the rosette over the meeting of the outer rules.
void classicCorner(Sketch &s)
{
    using namespace classicStyle;
    const QPointF c(inner, inner);
    Points arc;
    for (int i = 0; i <= 24; ++i)
        arc << polar(c, notch, 90.0 * i / 24);
    s.noBrush();
    s.pen(navy, 12);
    s.polyline(arc);
    s.noPen();
    s.brush(gold);
    s.circle(polar(c, notch + 42, 45), 16);
    const QPointF r(128, 128);
    s.brush(navy);
    s.polygon({{18, 18}, {238, 18}, {238, 238}, {18, 238}});
    s.brush(qRgb(0xFF, 0xFF, 0xFF));
    s.polygon({{40, 40}, {216, 40}, {216, 216}, {40, 216}});
    s.brush(gold);
    s.polygon({polar(r, 84, -90), polar(r, 84, 0), polar(r, 84, 90), polar(r, 84, 180)});
    s.brush(navy);
    s.polygon(star(r, 64, 24, 4, -45));
    s.brush(gold);
    s.circle(r, 16);
}

// A lozenge on the gold rule with a dot either side.
void classicMiddle(Sketch &s, double length)
{
    using namespace classicStyle;
    const QPointF c(length / 2, fine);
    s.pen(navy, 8);
    s.brush(gold);
    s.polygon({polar(c, 170, 180), polar(c, 52, -90), polar(c, 170, 0), polar(c, 52, 90)});
    s.noPen();
    s.brush(navy);
    s.circle(c, 18);
    s.circle(c + QPointF(-230, 0), 15);
    s.circle(c + QPointF(230, 0), 15);
}

QByteArray classic(int width, int height)
{
    using namespace classicStyle;
    Sketch s(width, height);
    s.noBrush();
    s.pen(navy, 34);
    s.frameRect(thick);
    s.pen(gold, 10);
    s.frameRect(fine);
    s.pen(navy, 12);
    for (const Side &side : sides(width, height)) {
        s.setTransform(side.transform);
        s.line({inner + notch, inner}, {side.length - inner - notch, inner});
    }
    for (const QTransform &corner : corners(width, height)) {
        s.setTransform(corner);
        classicCorner(s);
    }
    for (const Side &side : sides(width, height)) {
        s.setTransform(side.transform);
        classicMiddle(s, side.length);
    }
    return s.finish();
}

// Holly: a green and a red rule, holly sprays with berries in the corners and mid-side.

void hollySpray(Sketch &s, QPointF at, const QList<double> &angles, const QList<double> &lengths,
                const QList<QPointF> &berries)
{
    const QRgb leaf = qRgb(0x1F, 0x5C, 0x33);
    const QRgb leafEdge = qRgb(0x12, 0x3D, 0x21);
    const QRgb vein = qRgb(0x6B, 0xA8, 0x6B);
    const QRgb berry = qRgb(0xC4, 0x16, 0x2B);
    const QRgb berryEdge = qRgb(0x7A, 0x0C, 0x1A);
    const QRgb shine = qRgb(0xF6, 0xB8, 0xC0);
    for (int i = 0; i < angles.size(); ++i) {
        const double length = lengths.at(i);
        s.pen(leafEdge, 7);
        s.brush(leaf);
        s.polygon(placed(hollyLeaf(length, length * 0.42), at, angles.at(i)));
        s.pen(vein, 7);
        s.polyline(placed({{length * 0.06, 0}, {length * 0.5, length * 0.015}, {length * 0.86, 0}},
                          at, angles.at(i)));
    }
    for (const QPointF &b : berries) {
        s.pen(berryEdge, 6);
        s.brush(berry);
        s.circle(at + b, 40);
        s.noPen();
        s.brush(shine);
        s.circle(at + b + QPointF(-13, -13), 10);
    }
}

QByteArray holly(int width, int height)
{
    const QRgb green = qRgb(0x2E, 0x6B, 0x30);
    const QRgb red = qRgb(0xB2, 0x22, 0x22);
    Sketch s(width, height);
    s.noBrush();
    s.pen(green, 18);
    s.frameRect(70);
    s.pen(red, 8);
    s.frameRect(118);
    s.pen(green, 8);
    s.frameRect(330);

    for (const QTransform &corner : corners(width, height)) {
        s.setTransform(corner);
        hollySpray(s, {160, 160}, {-8, 98, 45}, {420, 420, 230},
                   {{0, 0}, {68, -22}, {-22, 68}});
    }
    for (const Side &side : sides(width, height)) {
        s.setTransform(side.transform);
        QList<double> xs = spread(0, side.length, side.length > 8000 ? 4 : 3);
        xs.removeFirst();
        xs.removeLast();
        for (const double x : xs) {
            const QPointF at(x, 200);
            hollySpray(s, at, {170, 10}, {300, 300}, {{-30, -8}, {30, -8}, {0, 40}});
        }
    }
    return s.finish();
}

// Stars: a row of gold and blue stars between two blue rules.

namespace starStyle {
const QRgb blue = qRgb(0x1D, 0x35, 0x57);
const QRgb gold = qRgb(0xE9, 0xB9, 0x49);
const QRgb goldEdge = qRgb(0xA6, 0x7C, 0x1A);
const double middle = 216;   // the stars' centre line
} // namespace starStyle

// Stars stand upright on every side: their centres are placed along the side, their points
// drawn in the frame's own orientation. Gold and blue alternate, gold at both ends.
void starRow(Sketch &s, const Side &side)
{
    using namespace starStyle;
    const double from = middle + 300;
    const double to = side.length - middle - 300;
    const int count = int(std::lround((to - from) / 260)) + 1;
    const QList<double> xs = spread(from, to, count % 2 ? count : count + 1);
    s.setTransform({});
    for (int i = 0; i < xs.size(); ++i) {
        const QPointF c = side.transform.map(QPointF(xs.at(i), middle));
        if (i % 2 == 0) {
            s.pen(goldEdge, 8);
            s.brush(gold);
            s.polygon(star(c, 104, 42));
        } else {
            s.noPen();
            s.brush(blue);
            s.polygon(star(c, 52, 21));
        }
    }
}

QByteArray stars(int width, int height)
{
    using namespace starStyle;
    Sketch s(width, height);
    s.noBrush();
    s.pen(blue, 16);
    s.frameRect(40);
    s.pen(blue, 8);
    s.frameRect(72);
    s.pen(blue, 16);
    s.frameRect(360);
    for (const Side &side : sides(width, height))
        starRow(s, side);
    for (const QTransform &corner : corners(width, height)) {
        s.setTransform({});
        const QPointF c = corner.map(QPointF(middle, middle));
        s.noPen();
        s.brush(blue);
        s.circle(c, 138);
        s.pen(goldEdge, 8);
        s.brush(gold);
        s.polygon(star(c, 118, 47));
    }
    return s.finish();
}

// Ribbon: a satin band with a fine gold rule inside, folded at the corners, and a bow at
// the middle of the top.

// A bow centred on c: tails, loops with their hollows and sheen, and the knot.
void bow(Sketch &s, QPointF c)
{
    const QRgb satin = qRgb(0x9E, 0x1B, 0x32);
    const QRgb shade = qRgb(0x6A, 0x0F, 0x20);
    const QRgb sheen = qRgb(0xD9, 0x61, 0x77);
    for (const int side : {-1, 1}) {
        QTransform mirror(side, 0, 0, 1, c.x() * (1 - side), 0);
        s.setTransform(mirror);
        s.pen(shade, 8);
        s.brush(satin);
        s.polygon({c + QPointF(-25, 5), c + QPointF(25, 30), c + QPointF(-120, 240),
                   c + QPointF(-165, 196), c + QPointF(-225, 228)});
        Points loop;
        appendCubic(loop, c + QPointF(-30, -28), c + QPointF(-160, -200), c + QPointF(-390, -150),
                    c + QPointF(-350, 10));
        appendCubic(loop, c + QPointF(-350, 10), c + QPointF(-320, 150), c + QPointF(-150, 140),
                    c + QPointF(-30, 28));
        s.polygon(loop);
        Points hollow;
        appendCubic(hollow, c + QPointF(-70, -10), c + QPointF(-170, -120),
                    c + QPointF(-320, -100), c + QPointF(-300, 10));
        appendCubic(hollow, c + QPointF(-300, 10), c + QPointF(-270, 60), c + QPointF(-160, 40),
                    c + QPointF(-70, 10));
        s.noPen();
        s.brush(shade);
        s.polygon(hollow);
        s.pen(sheen, 10);
        Points shine;
        appendCubic(shine, c + QPointF(-80, -60), c + QPointF(-150, -150),
                    c + QPointF(-300, -140), c + QPointF(-335, -40), 12);
        s.polyline(shine);
    }
    s.setTransform({});
    s.pen(shade, 8);
    s.brush(satin);
    s.ellipse(c, 52, 62);
    s.pen(sheen, 10);
    s.line(c + QPointF(-18, -38), c + QPointF(-18, 30));
}

QByteArray ribbon(int width, int height)
{
    const QRgb satin = qRgb(0x9E, 0x1B, 0x32);
    const QRgb shade = qRgb(0x6A, 0x0F, 0x20);
    const QRgb sheen = qRgb(0xD9, 0x61, 0x77);
    const QRgb gold = qRgb(0xC9, 0xA2, 0x4D);
    const double outer = 60;
    const double inner = 210;
    Sketch s(width, height);

    // The band: four trapezoids meeting in mitres, a sheen near its outer edge and a fold
    // line at each mitre.
    for (const Side &side : sides(width, height)) {
        s.setTransform(side.transform);
        const double l = side.length;
        s.pen(shade, 6);
        s.brush(satin);
        s.polygon({{outer, outer}, {l - outer, outer}, {l - inner, inner}, {inner, inner}});
        s.pen(sheen, 12);
        s.line({outer + 34, outer + 34}, {l - outer - 34, outer + 34});
        s.pen(shade, 8);
        s.line({inner - 30, inner - 30}, {l - inner + 30, inner - 30});
        s.pen(shade, 12);
        s.line({outer, outer}, {inner, inner});
    }
    s.setTransform({});
    s.noBrush();
    s.pen(gold, 10);
    s.frameRect(300);
    for (const QTransform &corner : corners(width, height)) {
        s.setTransform(corner);
        s.noPen();
        s.brush(gold);
        s.circle({300, 300}, 22);
    }

    bow(s, QPointF(width / 2.0, 150));
    return s.finish();
}

// Floral: a vine with leaves and small flowers along every side, a large flower in each
// corner.

void flower(Sketch &s, QPointF c, int petals, double length, double width, double turn,
            double centre)
{
    const QRgb petal = qRgb(0xE7, 0x84, 0x9E);
    const QRgb petalEdge = qRgb(0xB2, 0x4D, 0x6C);
    const QRgb heart = qRgb(0xF4, 0xC5, 0x42);
    const QRgb heartEdge = qRgb(0xC9, 0x8E, 0x16);
    s.pen(petalEdge, 6);
    s.brush(petal);
    for (int i = 0; i < petals; ++i)
        s.polygon(placed(almond(length, width), c, turn + 360.0 * i / petals));
    s.pen(heartEdge, 6);
    s.brush(heart);
    s.circle(c, centre);
}

void leaf(Sketch &s, QPointF at, double degrees, double length)
{
    const QRgb green = qRgb(0x7B, 0xAF, 0x5A);
    const QRgb edge = qRgb(0x47, 0x77, 0x2A);
    s.pen(edge, 6);
    s.brush(green);
    s.polygon(placed(almond(length, length * 0.46), at, degrees));
    s.pen(edge, 5);
    s.polyline(placed({{length * 0.1, 0}, {length * 0.8, 0}}, at, degrees));
}

// A vine waving along a side between the corner flowers: leaves where it crosses its
// middle, turned away from the next crest; a flower on every other crest, a leaf on the rest.
void vine(Sketch &s, const Side &side)
{
    const QRgb stem = qRgb(0x5B, 0x8C, 0x3A);
    const double middle = 210;
    const double amplitude = 72;
    const double from = 380;
    const double to = side.length - 380;
    const int halves = std::max(2, int(std::lround((to - from) / 440)));
    const double half = (to - from) / halves;
    const auto wave = [&](double x) {
        return QPointF(x, middle + amplitude * std::sin(Pi * (x - from) / half));
    };
    const auto slope = [&](double x) {
        return std::atan(amplitude * Pi / half * std::cos(Pi * (x - from) / half)) * 180 / Pi;
    };
    Points points;
    for (double x = from - 60; x < to + 60; x += 40)
        points << wave(x);
    points << wave(to + 60);
    s.noBrush();
    s.pen(stem, 14);
    s.polyline(points);
    for (int j = 0; j <= halves; ++j)
        leaf(s, wave(from + j * half), slope(from + j * half) + (j % 2 ? 40 : -40), 135);
    for (int j = 0; j < halves; ++j) {
        const QPointF crest = wave(from + (j + 0.5) * half);
        const double away = j % 2 ? 90 : -90;   // the crest's outer side
        if (j % 2 == 0)
            flower(s, crest, 5, 64, 46, away + 36 * j, 20);
        else
            leaf(s, crest, away, 120);
    }
}

QByteArray floral(int width, int height)
{
    Sketch s(width, height);
    s.noBrush();
    s.pen(qRgb(0x5B, 0x8C, 0x3A), 10);
    s.frameRect(36);
    for (const Side &side : sides(width, height)) {
        s.setTransform(side.transform);
        vine(s, side);
    }
    for (const QTransform &corner : corners(width, height)) {
        s.setTransform(corner);
        const QPointF c(200, 200);
        leaf(s, c + QPointF(60, -30), -12, 220);
        leaf(s, c + QPointF(-30, 60), 102, 220);
        flower(s, c, 6, 125, 82, -15, 38);
    }
    return s.finish();
}


// A repeatable stream of numbers in [0, 1) for scattered designs: the same on every run and
// every platform, so the shipped files stay what the generator writes.
class Scatter
{
public:
    explicit Scatter(quint32 seed) : m_state(seed) {}
    double next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) / double(1u << 24);
    }
    double between(double from, double to) { return from + (to - from) * next(); }
    int below(int count) { return std::min(count - 1, int(next() * count)); }

private:
    quint32 m_state;
};

// Deco: a heavy black rule and a gold one, sunbursts over the corners and the middle of
// every side, and a gold and black double rule inside, broken round the middle fans.

namespace decoStyle {
const QRgb black = qRgb(0x1C, 0x1C, 0x22);
const QRgb gold = qRgb(0xC2, 0x9A, 0x3E);
const QRgb teal = qRgb(0x1F, 0x5E, 0x5A);
const double outer = 50;     // the heavy black rule
const double fine = 96;      // the gold rule
const double inner = 330;    // the inner gold rule; a black one runs just inside it
const double gap = 270;      // half the break in the inner rules at the middle of a side
} // namespace decoStyle

// A fan of rays from centre between two angles (degrees, y down), long and short in turn,
// round a teal hub with a gold ring.
void sunburst(Sketch &s, QPointF centre, double from, double to, int rays, double hub,
              double longRay, double shortRay)
{
    using namespace decoStyle;
    s.pen(gold, 10);
    for (int i = 0; i < rays; ++i) {
        const double a = from + (to - from) * (i + 0.5) / rays;
        s.line(polar(centre, hub + 22, a), polar(centre, i % 2 ? shortRay : longRay, a));
    }
    Points disc{centre};
    Points ring;
    for (int i = 0; i <= 24; ++i) {
        disc << polar(centre, hub, from + (to - from) * i / 24);
        ring << polar(centre, hub * 0.58, from + (to - from) * i / 24);
    }
    s.pen(gold, 8);
    s.brush(teal);
    s.polygon(disc);
    s.noBrush();
    s.polyline(ring);
}

void decoDiamond(Sketch &s, QPointF c, double r)
{
    using namespace decoStyle;
    s.pen(gold, 6);
    s.brush(black);
    s.polygon({c + QPointF(0, -r), c + QPointF(r, 0), c + QPointF(0, r), c + QPointF(-r, 0)});
}

QByteArray deco(int width, int height)
{
    using namespace decoStyle;
    Sketch s(width, height);
    s.noBrush();
    s.pen(black, 30);
    s.frameRect(outer);
    s.pen(gold, 8);
    s.frameRect(fine);
    for (const Side &side : sides(width, height)) {
        s.setTransform(side.transform);
        const double middle = side.length / 2;
        s.noBrush();
        for (const double sign : {-1.0, 1.0}) {
            const double end = middle + sign * gap;
            const double corner = sign < 0 ? inner : side.length - inner;
            s.pen(gold, 10);
            s.line({corner, inner}, {end, inner});
            s.pen(black, 5);
            s.line({corner - sign * 26, inner + 26}, {end, inner + 26});
            decoDiamond(s, {end + sign * 22, inner + 13}, 26);
        }
        sunburst(s, {middle, fine}, 0, 180, 13, 100, 228, 168);
    }
    for (const QTransform &corner : corners(width, height)) {
        s.setTransform(corner);
        sunburst(s, {fine, fine}, 0, 90, 9, 124, 262, 196);
        decoDiamond(s, {inner, inner}, 30);
    }
    return s.finish();
}

// Checks: two rows of squares in two reds between fine rules, in step all the way round.

QByteArray checks(int width, int height)
{
    const QRgb red = qRgb(0xB8, 0x2E, 0x33);
    const QRgb rose = qRgb(0xF2, 0xB8, 0xB5);
    const double inset = 70;
    const double size = 110;
    const int across = int(std::lround((width - 2 * inset) / size));
    const int down = int(std::lround((height - 2 * inset) / size));
    const double sx = (width - 2 * inset) / across;
    const double sy = (height - 2 * inset) / down;
    Sketch s(width, height);
    s.noPen();
    for (int i = 0; i < across; ++i) {
        for (int j = 0; j < down; ++j) {
            if (i >= 2 && i < across - 2 && j >= 2 && j < down - 2)
                continue;
            s.brush((i + j) % 2 ? rose : red);
            const double x = inset + i * sx;
            const double y = inset + j * sy;
            s.polygon({{x, y}, {x + sx, y}, {x + sx, y + sy}, {x, y + sy}});
        }
    }
    s.noBrush();
    s.pen(red, 10);
    s.frameRect(inset);
    s.polygon({{inset + 2 * sx, inset + 2 * sy}, {width - inset - 2 * sx, inset + 2 * sy},
               {width - inset - 2 * sx, height - inset - 2 * sy}, {inset + 2 * sx, height - inset - 2 * sy}});
    s.pen(red, 6);
    s.frameRect(inset - 30);
    return s.finish();
}

// Confetti: dots, ribbons, triangles and curls in bright colours, scattered along the band.

void confettiPiece(Sketch &s, Scatter &random, QPointF at)
{
    static const QRgb colours[] = {qRgb(0xE6, 0x39, 0x46), qRgb(0xF4, 0xA2, 0x61), qRgb(0xE9, 0xC4, 0x6A),
                                   qRgb(0x2A, 0x9D, 0x8F), qRgb(0x45, 0x7B, 0x9D), qRgb(0x9B, 0x5D, 0xE5),
                                   qRgb(0xF1, 0x5B, 0xB5)};
    const QRgb colour = colours[random.below(int(std::size(colours)))];
    const double turn = random.between(0, 180);
    switch (random.below(4)) {
    case 0:
        s.noPen();
        s.brush(colour);
        s.circle(at, random.between(22, 36));
        break;
    case 1: {
        s.noPen();
        s.brush(colour);
        const double l = random.between(60, 90);
        s.polygon(placed({{-l / 2, -16}, {l / 2, -16}, {l / 2, 16}, {-l / 2, 16}}, at, turn));
        break;
    }
    case 2:
        s.noPen();
        s.brush(colour);
        s.polygon(placed({{0, -38}, {34, 21}, {-34, 21}}, at, turn));
        break;
    default: {
        Points curl;
        for (int i = 0; i <= 12; ++i)
            curl << QPointF(-55 + 110.0 * i / 12, 18 * std::sin(i * Pi / 4));
        s.noBrush();
        s.pen(colour, 15);
        s.polyline(placed(curl, at, turn));
        break;
    }
    }
}

QByteArray confetti(int width, int height)
{
    Sketch s(width, height);
    Scatter random(20261207);
    const QList<Side> all = sides(width, height);
    for (int k = 0; k < all.size(); ++k) {
        const Side &side = all.at(k);
        s.setTransform(side.transform);
        // The top and bottom rows run into the corners; the sides fill in between them.
        const double from = k % 2 ? 440 : 90;
        const double to = side.length - from;
        const int count = int(std::lround((to - from) / 125));
        for (int row = 0; row < 2; ++row) {
            for (int i = 0; i <= count; ++i) {
                const double x = from + (to - from) * (i + (row ? 0.5 : 0)) / count;
                if (x > to + 1)
                    continue;
                const QPointF at(x + random.between(-30, 30),
                                 (row ? 280 : 120) + random.between(-35, 35));
                confettiPiece(s, random, at);
            }
        }
    }
    return s.finish();
}

// Snowflakes: a blue double rule, a large flake in every corner and smaller ones with
// dots between them along the sides.

void snowflake(Sketch &s, QPointF c, double r, double turn)
{
    const QRgb ice = qRgb(0x3C, 0x78, 0xB4);
    const QRgb frost = qRgb(0xB7, 0xD7, 0xF2);
    const double width = std::max(6.0, r / 11);
    s.noBrush();
    s.pen(ice, int(std::lround(width)));
    for (int arm = 0; arm < 6; ++arm) {
        const double a = turn + arm * 60;
        s.line(c, polar(c, r, a));
        for (const double at : {0.42, 0.7}) {
            const QPointF base = polar(c, r * at, a);
            const double length = r * (at < 0.5 ? 0.3 : 0.22);
            s.polyline({polar(base, length, a - 50), base, polar(base, length, a + 50)});
        }
    }
    s.pen(ice, int(std::lround(width * 0.8)));
    s.brush(frost);
    Points hexagon;
    for (int i = 0; i < 6; ++i)
        hexagon << polar(c, r * 0.2, turn + 30 + 60 * i);
    s.polygon(hexagon);
}

QByteArray snowflakes(int width, int height)
{
    const QRgb ice = qRgb(0x3C, 0x78, 0xB4);
    const QRgb frost = qRgb(0xB7, 0xD7, 0xF2);
    const QRgb sky = qRgb(0x86, 0xB6, 0xE2);
    Sketch s(width, height);
    s.noBrush();
    s.pen(ice, 14);
    s.frameRect(50);
    s.pen(frost, 10);
    s.frameRect(84);
    for (const Side &side : sides(width, height)) {
        // Flakes large and small in turn, a dot between each two and smaller ones either
        // side of it.
        const double from = 640;
        const double to = side.length - 640;
        const int count = 2 * std::max(1, int(std::lround((to - from) / 1200)));
        const double step = (to - from) / count;
        s.setTransform({});
        for (int i = 0; i <= count; ++i) {
            const double x = from + step * i;
            snowflake(s, side.transform.map(QPointF(x, 240)), i % 2 ? 72 : 100, 30);
            if (i < count) {
                s.noPen();
                s.brush(sky);
                s.circle(side.transform.map(QPointF(x + step / 2, 240)), 22);
                s.brush(ice);
                s.circle(side.transform.map(QPointF(x + step / 2 - 100, 240)), 11);
                s.circle(side.transform.map(QPointF(x + step / 2 + 100, 240)), 11);
            }
        }
    }
    for (const QTransform &corner : corners(width, height)) {
        s.setTransform({});
        snowflake(s, corner.map(QPointF(255, 255)), 150, 15);
    }
    return s.finish();
}

// Autumn: maple and oval leaves in reds, oranges and golds, falling along the band, with
// clusters in the corners.

// A maple leaf from its centre, the stem downwards, one unit high.
Points mapleLeaf()
{
    struct Lobe
    {
        double angle;   // degrees, y down: -90 is the top lobe
        double reach;
    };
    const Lobe lobes[] = {{-90, 1.0}, {-38, 0.9}, {18, 0.6}, {162, 0.6}, {218, 0.9}};
    Points p;
    for (int i = 0; i < 5; ++i) {
        const Lobe &lobe = lobes[i];
        const Lobe &next = lobes[(i + 1) % 5];
        const double nextAngle = next.angle + (i == 4 ? 360 : 0);
        const double notch = (lobe.angle + nextAngle) / 2;
        const bool stem = i == 2;
        p << polar({}, lobe.reach * 0.5, lobe.angle);
        // A tooth on the way down to the notch, another on the way up to the next lobe.
        p << polar({}, lobe.reach * 0.36, lobe.angle + (notch - lobe.angle) * 0.35);
        p << polar({}, lobe.reach * 0.4, lobe.angle + (notch - lobe.angle) * 0.55);
        p << polar({}, stem ? 0.08 : 0.2, notch);
        p << polar({}, next.reach * 0.4, nextAngle - (nextAngle - notch) * 0.55);
        p << polar({}, next.reach * 0.36, nextAngle - (nextAngle - notch) * 0.35);
    }
    return p;
}

void autumnLeaf(Sketch &s, QPointF at, double size, double turn, int kind, int colour)
{
    static const QRgb fills[] = {qRgb(0xC0, 0x39, 0x2B), qRgb(0xE6, 0x7E, 0x22), qRgb(0xD4, 0xA0, 0x17),
                                 qRgb(0xA0, 0x40, 0x00), qRgb(0x8E, 0x24, 0x1A)};
    static const QRgb edges[] = {qRgb(0x7B, 0x1E, 0x15), qRgb(0x9A, 0x4A, 0x0B), qRgb(0x8C, 0x66, 0x08),
                                 qRgb(0x5E, 0x25, 0x00), qRgb(0x55, 0x14, 0x0E)};
    const QRgb fill = fills[colour % 5];
    const QRgb edge = edges[colour % 5];
    QTransform t;
    t.translate(at.x(), at.y());
    t.rotate(turn);
    t.scale(size, size);
    const auto map = [&t](const Points &points) {
        Points out;
        for (const QPointF &p : points)
            out << t.map(p);
        return out;
    };
    s.pen(edge, 6);
    s.brush(fill);
    if (kind == 0) {
        s.polygon(map(mapleLeaf()));
        s.pen(edge, 5);
        s.polyline(map({{0, 0.45}, {0, 0.1}, {0, -0.38}}));
        s.polyline(map({polar({}, 0.36, -38), {0, 0.1}, polar({}, 0.36, 218)}));
    } else {
        s.polygon(map(placed(almond(1, 0.55), {-0.5, 0}, 0)));
        s.pen(edge, 5);
        s.polyline(map({{-0.62, 0}, {0.4, 0}}));
    }
}

QByteArray autumn(int width, int height)
{
    const QRgb twig = qRgb(0x6B, 0x45, 0x22);
    Sketch s(width, height);
    Scatter random(1031);
    s.noBrush();
    s.pen(twig, 12);
    s.frameRect(48);
    const QList<Side> all = sides(width, height);
    for (int k = 0; k < all.size(); ++k) {
        const Side &side = all.at(k);
        s.setTransform(side.transform);
        const double from = 520;
        const double to = side.length - 520;
        const int count = int(std::lround((to - from) / 230));
        for (int i = 0; i <= count; ++i) {
            const double x = from + (to - from) * i / count;
            const double y = i % 2 ? 275 : 165;
            autumnLeaf(s, {x + random.between(-25, 25), y + random.between(-20, 20)},
                       random.between(150, 185), random.between(-40, 40) + (i % 2 ? 180 : 0),
                       random.below(3) == 0 ? 1 : 0, random.below(5));
        }
    }
    for (const QTransform &corner : corners(width, height)) {
        s.setTransform(corner);
        autumnLeaf(s, {340, 150}, 230, 80, 1, 3);
        autumnLeaf(s, {150, 340}, 230, 10, 1, 2);
        autumnLeaf(s, {200, 200}, 310, -45, 0, 0);
        // An acorn: its nut and its cup.
        s.pen(qRgb(0x5E, 0x3A, 0x18), 5);
        s.brush(qRgb(0xB0, 0x7A, 0x35));
        s.ellipse({350, 358}, 26, 32);
        s.brush(qRgb(0x6B, 0x45, 0x22));
        s.ellipse({350, 332}, 32, 16);
    }
    return s.finish();
}

} // namespace

namespace Borders {

QStringList names()
{
    return {QStringLiteral("Classic"), QStringLiteral("Holly"), QStringLiteral("Stars"),
            QStringLiteral("Ribbon"), QStringLiteral("Floral"), QStringLiteral("Deco"),
            QStringLiteral("Checks"), QStringLiteral("Confetti"), QStringLiteral("Snowflakes"),
            QStringLiteral("Autumn")};
}

QByteArray make(const QString &name, int width, int height)
{
    if (name == QLatin1String("Classic"))
        return classic(width, height);
    if (name == QLatin1String("Holly"))
        return holly(width, height);
    if (name == QLatin1String("Stars"))
        return stars(width, height);
    if (name == QLatin1String("Ribbon"))
        return ribbon(width, height);
    if (name == QLatin1String("Floral"))
        return floral(width, height);
    if (name == QLatin1String("Deco"))
        return deco(width, height);
    if (name == QLatin1String("Checks"))
        return checks(width, height);
    if (name == QLatin1String("Confetti"))
        return confetti(width, height);
    if (name == QLatin1String("Snowflakes"))
        return snowflakes(width, height);
    if (name == QLatin1String("Autumn"))
        return autumn(width, height);
    return {};
}

} // namespace Borders
