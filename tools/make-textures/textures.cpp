// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures.h"

#include <QColor>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace Textures {

namespace {

using Stops = std::vector<std::pair<double, QRgb>>;
// A value 0..1 for a pixel at (u, v), both 0..1 across the tile.
using Field = std::function<double(double u, double v, int x, int y)>;

quint32 hash(int x, int y, int seed)
{
    quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u + quint32(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

double random01(int x, int y, int seed)
{
    return (hash(x, y, seed) & 0xFFFFFF) / double(0xFFFFFF);
}

int wrap(int value, int period)
{
    const int r = value % period;
    return r < 0 ? r + period : r;
}

double fraction(double t)
{
    return t - std::floor(t);
}

// 0 at whole numbers, 1 half way between: a wave without trigonometry.
double triangle(double t)
{
    return 1.0 - 2.0 * std::abs(fraction(t) - 0.5);
}

double clamp01(double t)
{
    return std::clamp(t, 0.0, 1.0);
}

double smoothstep(double edge0, double edge1, double t)
{
    const double s = clamp01((t - edge0) / (edge1 - edge0));
    return s * s * (3.0 - 2.0 * s);
}

// Value noise on a lattice that repeats every periodX by periodY cells; (x, y) in cells.
double noise(double x, double y, int periodX, int periodY, int seed)
{
    const int ix = int(std::floor(x));
    const int iy = int(std::floor(y));
    const double fx = x - ix;
    const double fy = y - iy;
    const double sx = fx * fx * (3.0 - 2.0 * fx);
    const double sy = fy * fy * (3.0 - 2.0 * fy);
    const auto at = [&](int dx, int dy) {
        return random01(wrap(ix + dx, periodX), wrap(iy + dy, periodY), seed);
    };
    const double top = at(0, 0) + (at(1, 0) - at(0, 0)) * sx;
    const double bottom = at(0, 1) + (at(1, 1) - at(0, 1)) * sx;
    return top + (bottom - top) * sy;
}

// Octaves of noise, each twice as fine and half as strong; periodic over the tile.
double fbm(double u, double v, int periodX, int periodY, int octaves, int seed)
{
    double sum = 0.0;
    double amplitude = 1.0;
    double total = 0.0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += amplitude * noise(u * periodX, v * periodY, periodX, periodY, seed + octave * 101);
        total += amplitude;
        amplitude *= 0.5;
        periodX *= 2;
        periodY *= 2;
    }
    return sum / total;
}

QList<QRgb> palette(const Stops &stops)
{
    QList<QRgb> colours;
    for (int i = 0; i < 256; ++i) {
        const double t = i / 255.0;
        auto next = std::find_if(stops.begin(), stops.end(), [t](const auto &s) { return s.first >= t; });
        if (next == stops.begin() || next == stops.end()) {
            colours.append(next == stops.end() ? stops.back().second : next->second);
            continue;
        }
        const auto &[t1, c1] = *next;
        const auto &[t0, c0] = *(next - 1);
        const double s = (t - t0) / (t1 - t0);
        const auto mix = [s](int a, int b) { return int(std::lround(a + (b - a) * s)); };
        colours.append(qRgb(mix(qRed(c0), qRed(c1)), mix(qGreen(c0), qGreen(c1)),
                            mix(qBlue(c0), qBlue(c1))));
    }
    return colours;
}

QImage render(const Field &field, const Stops &stops)
{
    QImage image(Side, Side, QImage::Format_Indexed8);
    image.setColorTable(palette(stops));
    for (int y = 0; y < Side; ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < Side; ++x) {
            const double value = field(double(x) / Side, double(y) / Side, x, y);
            line[x] = uchar(std::lround(clamp01(value) * 255.0));
        }
    }
    return image;
}

QImage wood()
{
    return render(
        [](double u, double v, int, int) {
            const double t = u * 5 + 1.6 * fbm(u, v, 2, 1, 3, 11) + 0.35 * fbm(u, v, 4, 2, 2, 12);
            const double r = fraction(t);
            const double ring = r < 0.8 ? r / 0.8 : (1.0 - r) / 0.2;
            const double fibres = fbm(u, v, 64, 3, 2, 13);
            const double tone = fbm(u, v, 3, 2, 2, 14);
            return 0.1 + 0.45 * ring * ring + 0.25 * fibres + 0.2 * tone;
        },
        {{0.0, qRgb(92, 52, 26)}, {0.35, qRgb(140, 86, 44)}, {0.7, qRgb(190, 134, 80)},
         {1.0, qRgb(222, 172, 112)}});
}

QImage marble()
{
    return render(
        [](double u, double v, int, int) {
            const double t = u * 2 + v * 3 + 1.7 * fbm(u, v, 4, 4, 5, 21);
            const double away = std::sqrt(std::sqrt(triangle(t)));
            return 0.85 * away + 0.15 * fbm(u, v, 8, 8, 3, 22);
        },
        {{0.0, qRgb(72, 78, 92)}, {0.45, qRgb(160, 162, 170)}, {0.8, qRgb(232, 230, 226)},
         {1.0, qRgb(250, 248, 244)}});
}

QImage granite()
{
    return render(
        [](double u, double v, int x, int y) {
            const double grains = fbm(u, v, 24, 24, 2, 31);
            const double n = 0.75 * grains + 0.25 * random01(x, y, 32);
            return 0.5 + (n - 0.5) * 2.0;
        },
        {{0.0, qRgb(36, 32, 34)}, {0.2, qRgb(70, 60, 60)}, {0.3, qRgb(150, 126, 120)},
         {0.55, qRgb(180, 156, 146)}, {0.75, qRgb(206, 188, 178)}, {0.84, qRgb(236, 230, 224)},
         {1.0, qRgb(248, 246, 242)}});
}

QImage paper()
{
    return render(
        [](double u, double v, int x, int y) {
            return 0.3 + 0.4 * fbm(u, v, 16, 16, 3, 41) + 0.2 * fbm(u, v, 64, 16, 2, 42)
                + 0.1 * random01(x, y, 43);
        },
        {{0.0, qRgb(222, 214, 194)}, {0.5, qRgb(240, 234, 220)}, {1.0, qRgb(253, 251, 244)}});
}

QImage linen()
{
    // An even count, so the over-and-under pattern meets itself at the edges.
    constexpr int Threads = 32;
    return render(
        [](double u, double v, int, int) {
            const int column = int(std::floor(u * Threads));
            const int row = int(std::floor(v * Threads));
            const bool weftOnTop = (column + row) % 2 == 0;
            const double across = weftOnTop ? triangle(v * Threads) : triangle(u * Threads);
            const double shade = weftOnTop ? random01(0, row, 51) : random01(column, 0, 52);
            // Slubs: each thread thickens and thins along its length.
            const double slub = weftOnTop ? fbm(u, v, 8, Threads, 1, 54) : fbm(u, v, Threads, 8, 1, 55);
            return 0.05 + 0.5 * std::sqrt(across) + 0.15 * shade + 0.15 * slub
                + 0.15 * fbm(u, v, 4, 4, 2, 53);
        },
        {{0.0, qRgb(112, 98, 74)}, {0.45, qRgb(176, 160, 128)}, {0.8, qRgb(214, 202, 172)},
         {1.0, qRgb(236, 228, 206)}});
}

QImage brick()
{
    constexpr int Length = 32;
    constexpr int Course = 16;
    constexpr int Mortar = 2;
    return render(
        [](double u, double v, int x, int y) {
            const int course = y / Course;
            const int shifted = x + (course % 2 == 1 ? Length / 2 : 0);
            const int along = shifted % Length;
            const int up = y % Course;
            const double grain = fbm(u, v, 32, 32, 2, 61);
            if (along < Mortar || up < Mortar)
                return 0.02 + 0.16 * grain;
            const double tone = random01(wrap(shifted / Length, Side / Length), course, 62);
            return 0.34 + 0.36 * tone + 0.3 * grain;
        },
        {{0.0, qRgb(168, 162, 152)}, {0.2, qRgb(208, 204, 194)}, {0.26, qRgb(104, 44, 32)},
         {0.34, qRgb(128, 50, 36)}, {0.7, qRgb(176, 78, 54)}, {1.0, qRgb(206, 122, 88)}});
}

QImage clouds()
{
    return render(
        [](double u, double v, int, int) {
            const double n = fbm(u, v, 4, 4, 6, 71);
            return 0.15 * n + 0.85 * smoothstep(0.42, 0.72, n);
        },
        {{0.0, qRgb(72, 124, 206)}, {0.25, qRgb(118, 166, 228)}, {0.6, qRgb(214, 228, 246)},
         {1.0, qRgb(252, 252, 255)}});
}

QImage leaves()
{
    struct Leaf {
        double x, y, dx, dy, length, width, tone;
    };
    std::vector<Leaf> leaves;
    for (int k = 0; k < 46; ++k) {
        double dx = random01(k, 1, 81) - 0.5;
        double dy = random01(k, 2, 81) - 0.5;
        const double norm = std::sqrt(dx * dx + dy * dy);
        dx = norm > 1e-6 ? dx / norm : 1.0;
        dy = norm > 1e-6 ? dy / norm : 0.0;
        const double length = 13 + 11 * random01(k, 3, 81);
        leaves.push_back({Side * random01(k, 4, 81), Side * random01(k, 5, 81), dx, dy, length,
                          length * (0.34 + 0.1 * random01(k, 6, 81)), random01(k, 7, 81)});
    }
    return render(
        [leaves](double u, double v, int x, int y) {
            double value = 0.04 + 0.08 * fbm(u, v, 8, 8, 2, 82);
            for (const Leaf &leaf : leaves) {
                // The shortest way round the tile, so leaves cross its edges unbroken.
                double rx = x - leaf.x;
                double ry = y - leaf.y;
                rx -= Side * std::floor(rx / Side + 0.5);
                ry -= Side * std::floor(ry / Side + 0.5);
                const double along = (rx * leaf.dx + ry * leaf.dy) / leaf.length;
                const double across = -rx * leaf.dy + ry * leaf.dx;
                if (std::abs(along) >= 1.0)
                    continue;
                const double half = leaf.width * (1.0 - along * along);
                if (std::abs(across) >= half)
                    continue;
                const double vein = std::abs(across) < 0.9 ? -0.12 : 0.0;
                const double edge = 0.12 * std::abs(across) / half;
                value = 0.3 + 0.45 * leaf.tone + 0.18 * along + vein - edge;
            }
            return value;
        },
        {{0.0, qRgb(18, 42, 18)}, {0.3, qRgb(44, 98, 34)}, {0.6, qRgb(88, 150, 50)},
         {0.85, qRgb(150, 192, 74)}, {1.0, qRgb(196, 214, 96)}});
}

QImage sand()
{
    return render(
        [](double u, double v, int x, int y) {
            const double ripple = triangle(v * 6 + u + 0.8 * fbm(u, v, 3, 3, 3, 91));
            return 0.35 * ripple + 0.35 * fbm(u, v, 32, 32, 2, 92) + 0.3 * random01(x, y, 93);
        },
        {{0.0, qRgb(176, 144, 96)}, {0.5, qRgb(218, 192, 142)}, {1.0, qRgb(246, 230, 190)}});
}

QImage water()
{
    return render(
        [](double u, double v, int, int) {
            const double a = fbm(u, v, 4, 4, 4, 101);
            const double b = fbm(u, v, 4, 4, 4, 102);
            double light = clamp01(1.0 - std::abs(a - b) * 5.0);
            light *= light;
            light *= light;
            return 0.55 * fbm(u, v, 2, 2, 4, 103) + 0.45 * light;
        },
        {{0.0, qRgb(10, 58, 118)}, {0.4, qRgb(28, 108, 168)}, {0.75, qRgb(110, 194, 226)},
         {1.0, qRgb(236, 250, 255)}});
}

QImage cork()
{
    std::vector<QPointF> granules;
    for (int k = 0; k < 150; ++k)
        granules.emplace_back(Side * random01(k, 1, 111), Side * random01(k, 2, 111));
    return render(
        [granules](double u, double v, int x, int y) {
            double nearest = 1e9;
            double second = 1e9;
            for (const QPointF &p : granules) {
                double dx = std::abs(x - p.x());
                double dy = std::abs(y - p.y());
                dx = std::min(dx, Side - dx);
                dy = std::min(dy, Side - dy);
                const double d = std::sqrt(dx * dx + dy * dy);
                if (d < nearest) {
                    second = nearest;
                    nearest = d;
                } else if (d < second) {
                    second = d;
                }
            }
            return 0.1 + 0.6 * clamp01((second - nearest) / 6.0) + 0.3 * fbm(u, v, 32, 32, 2, 112);
        },
        {{0.0, qRgb(84, 52, 26)}, {0.35, qRgb(140, 96, 54)}, {0.7, qRgb(184, 136, 82)},
         {1.0, qRgb(218, 172, 116)}});
}

QImage denim()
{
    return render(
        [](double u, double v, int x, int y) {
            const double twill = triangle((u - v) * 32 + 0.1 * fbm(u, v, 16, 16, 2, 121));
            const double fleck = random01(x, y, 122) > 0.93 ? 0.35 : 0.0;
            return 0.15 + 0.4 * twill + 0.2 * fbm(u, v, 4, 4, 3, 123) + fleck;
        },
        {{0.0, qRgb(22, 36, 72)}, {0.4, qRgb(42, 66, 120)}, {0.7, qRgb(86, 114, 164)},
         {1.0, qRgb(196, 206, 222)}});
}

QImage slate()
{
    return render(
        [](double u, double v, int x, int y) {
            const double layers = fbm(u, v, 2, 12, 5, 131);
            return 0.65 * layers + 0.2 * fbm(u, v, 16, 16, 2, 132) + 0.15 * random01(x, y, 133);
        },
        {{0.0, qRgb(34, 38, 46)}, {0.5, qRgb(72, 80, 92)}, {1.0, qRgb(118, 124, 136)}});
}

const std::vector<std::pair<QString, QImage (*)()>> &generators()
{
    static const std::vector<std::pair<QString, QImage (*)()>> list{
        {QStringLiteral("Brick"), brick},   {QStringLiteral("Clouds"), clouds},
        {QStringLiteral("Cork"), cork},     {QStringLiteral("Denim"), denim},
        {QStringLiteral("Granite"), granite}, {QStringLiteral("Leaves"), leaves},
        {QStringLiteral("Linen"), linen},   {QStringLiteral("Marble"), marble},
        {QStringLiteral("Paper"), paper},   {QStringLiteral("Sand"), sand},
        {QStringLiteral("Slate"), slate},   {QStringLiteral("Water"), water},
        {QStringLiteral("Wood"), wood},
    };
    return list;
}

// The summed colour difference of two pixels.
int step(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// Mean step across the boundary after column (or row) index, wrapping after the last.
double boundaryStep(const QImage &tile, int index, bool columns)
{
    const int count = columns ? tile.height() : tile.width();
    const int next = (index + 1) % (columns ? tile.width() : tile.height());
    long total = 0;
    for (int i = 0; i < count; ++i) {
        total += columns ? step(tile.pixel(index, i), tile.pixel(next, i))
                         : step(tile.pixel(i, index), tile.pixel(i, next));
    }
    return double(total) / count;
}

} // namespace

QStringList names()
{
    QStringList list;
    for (const auto &entry : generators())
        list.append(entry.first);
    return list;
}

QImage make(const QString &name)
{
    for (const auto &[known, generate] : generators()) {
        if (known == name)
            return generate();
    }
    return {};
}

double seamRatio(const QImage &tile)
{
    double worst = 0.0;
    for (const bool columns : {true, false}) {
        const int last = (columns ? tile.width() : tile.height()) - 1;
        double inside = 0.0;
        for (int i = 0; i < last; ++i)
            inside = std::max(inside, boundaryStep(tile, i, columns));
        const double seam = boundaryStep(tile, last, columns);
        worst = std::max(worst, inside > 0.0 ? seam / inside : (seam > 0.0 ? 1e9 : 0.0));
    }
    return worst;
}

} // namespace Textures
