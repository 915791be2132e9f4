// SPDX-License-Identifier: GPL-3.0-or-later
#include "Legends.h"

#include "core/KeyList.h"

#include <QColor>
#include <QFile>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Capitals are a third of the key face's height.
constexpr qreal CapShare = 1.0 / 3.0;
// A legend keeps this share of the face's width free on each side.
constexpr qreal SideMargin = 0.1;
// The frame of a boxed face stands this share of the capital height away
// from its text, and its line is this share of the capital height wide.
constexpr qreal BoxPadding = 0.35;
constexpr qreal BoxLine = 0.11;

struct Legend {
    QString text;   // as the table writes it
    QString shown;  // the characters drawn
    bool boxed = false;
    // The legend shaped in the legend font at `pixels`, the size of the
    // keys that showed it last: its glyphs, and their ink box, both
    // relative to the left end of the baseline.
    int pixels = 0;
    QList<QGlyphRun> glyphs;
    QRectF ink;
};

struct LegendTable {
    std::array<Legend, 256> legends;
    QStringList errors;
};

// The key codes by name, as the key list spells them.
QHash<QString, int> CodesByName()
{
    QHash<QString, int> codes;
#define TOVRIN_KEY_BY_NAME(name, code) codes.insert(QStringLiteral(#name), code);
    TOVRIN_KEY_LIST(TOVRIN_KEY_BY_NAME)
#undef TOVRIN_KEY_BY_NAME
    return codes;
}

LegendTable ReadTable()
{
    LegendTable table;
    QFile file(QStringLiteral(":/legends.txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        table.errors << QStringLiteral("the legend table is missing");
        return table;
    }
    const QHash<QString, int> codes = CodesByName();
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (int number = 0; number < lines.size(); ++number) {
        const QString& line = lines[number];
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        const int code = fields.size() == 2 ? codes.value(fields[0], -1) : -1;
        if (code < 0 || code > 255 || fields[1].isEmpty() || !table.legends[code].text.isEmpty()) {
            table.errors << QStringLiteral("line %1: %2").arg(number + 1).arg(line);
            continue;
        }
        Legend& legend = table.legends[code];
        legend.text = fields[1];
        legend.boxed = legend.text.size() > 2 && legend.text.startsWith(QLatin1Char('[')) &&
                       legend.text.endsWith(QLatin1Char(']'));
        legend.shown = legend.boxed ? legend.text.mid(1, legend.text.size() - 2) : legend.text;
    }
    return table;
}

LegendTable& Table()
{
    static LegendTable table = ReadTable();
    return table;
}

QString LegendFamily()
{
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LegendSans-Bold.ttf"));
        const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
        return families.isEmpty() ? QString() : families.first();
    }();
    return family;
}

// The glyphs of a text without combining marks, one after the other with
// the font's kerning: what shaping gives for such a text, for less work.
QGlyphRun PlainGlyphs(const QString& text, const QFont& font)
{
    static QRawFont raw;
    if (!raw.isValid() || raw.pixelSize() != font.pixelSize())
        raw = QRawFont::fromFont(font);
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    QList<QPointF> positions;
    QPointF pen;
    for (const QPointF& advance : advances) {
        positions.append(pen);
        pen += advance;
    }
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    return run;
}

// The legend of a code, shaped in the font unless it already is.
const Legend& Shaped(KeyOp code, const QFont& font)
{
    Legend& legend = Table().legends[size_t(code)];
    if (legend.pixels == font.pixelSize())
        return legend;
    legend.glyphs.clear();
    legend.ink = QRectF();
    if (std::none_of(legend.shown.begin(), legend.shown.end(), [](QChar c) { return c.isMark(); })) {
        legend.glyphs.append(PlainGlyphs(legend.shown, font));
    } else {
        // Combining marks take their place over their letter from the
        // font's layout tables.
        QTextLayout layout(legend.shown, font);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        for (QGlyphRun run : layout.glyphRuns()) {
            QList<QPointF> positions = run.positions();
            for (QPointF& position : positions)
                position.ry() -= line.ascent();
            run.setPositions(positions);
            legend.glyphs.append(run);
        }
    }
    for (const QGlyphRun& run : legend.glyphs) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            legend.ink |= run.rawFont().boundingRect(glyphs[i]).translated(positions[i]);
    }
    legend.pixels = font.pixelSize();
    return legend;
}

} // namespace

QString LegendText(KeyOp code)
{
    if (code < 0 || code > 255)
        return QString();
    return Table().legends[size_t(code)].text;
}

QStringList LegendTableErrors()
{
    return Table().errors;
}

QFont LegendFont()
{
    static const QFont font = [] {
        const QString family = LegendFamily();
        QFont legend = family.isEmpty() ? QFont() : QFont(family);
        legend.setWeight(QFont::Bold);
        // The legend font has every character of the legends and of
        // printable ASCII: no other font need be looked up for a missing
        // one.  Unhinted, its shapes are the same at every size.
        legend.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
        legend.setHintingPreference(QFont::PreferNoHinting);
        return legend;
    }();
    return font;
}

LegendLayout LayOutLegend(KeyOp code, const QRectF& face)
{
    LegendLayout layout;
    if (code < 0 || code > 255 || face.isEmpty() || Table().legends[size_t(code)].text.isEmpty())
        return layout;

    // The size that makes the capitals a third of the face, then narrower
    // where the legend (with its frame) is wider than the face allows.
    QFont font = LegendFont();
    font.setPixelSize(std::max(1, int(std::lround(face.height() * CapShare / LegendCapRatio))));
    const Legend& legend = Shaped(code, font);
    const qreal fullCap = LegendCapRatio * font.pixelSize();
    const qreal frame = legend.boxed ? 2 * fullCap * (BoxPadding + BoxLine) : 0;
    const qreal width = std::max(legend.ink.width() + frame, legend.boxed ? fullCap + frame : 0.0);
    const qreal room = face.width() * (1 - 2 * SideMargin);
    const qreal scale = width > room ? room / width : 1.0;

    const QRectF ink(legend.ink.x() * scale, legend.ink.y() * scale, legend.ink.width() * scale,
                     legend.ink.height() * scale);
    const qreal cap = fullCap * scale;
    // Capitals centred on the face, so that legends share a baseline; the
    // ink centred across it.
    const qreal baseline = face.center().y() + cap / 2;
    const qreal left = face.center().x() - ink.center().x();
    layout.text = legend.shown;
    layout.boxed = legend.boxed;
    layout.font = font;
    layout.scale = scale;
    layout.origin = QPointF(left, baseline);
    layout.ink = ink.translated(layout.origin);
    if (legend.boxed) {
        const qreal pad = cap * BoxPadding;
        const qreal height = cap + 2 * pad;
        const qreal boxWidth = std::max(ink.width() + 2 * pad, height);
        layout.box = QRectF(face.center().x() - boxWidth / 2, baseline - cap - pad, boxWidth, height);
        layout.boxPen = std::max(cap * BoxLine, 1.0);
    }
    return layout;
}

void DrawLegend(QPainter& painter, KeyOp code, const QRectF& face, const QColor& color)
{
    const LegendLayout layout = LayOutLegend(code, face);
    if (layout.text.isEmpty())
        return;
    const Legend& legend = Table().legends[size_t(code)];
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(color);
    painter.translate(layout.origin);
    painter.scale(layout.scale, layout.scale);
    for (const QGlyphRun& run : legend.glyphs)
        painter.drawGlyphRun(QPointF(0, 0), run);
    painter.restore();
    if (layout.boxed) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(color, layout.boxPen));
        painter.setBrush(Qt::NoBrush);
        const qreal radius = layout.box.height() / 6;
        painter.drawRoundedRect(layout.box, radius, radius);
        painter.restore();
    }
}
