// SPDX-License-Identifier: GPL-3.0-or-later
// The key legends: the text each key shows, read from the legend table
// (resources/legends.txt), and how a legend is sized and drawn on a key.
#pragma once

#include "core/KeyOp.h"

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

class QColor;
class QPainter;

// The legend of a code as the table writes it: "sin", "x²", "[+]" for a
// boxed face.  Empty for a code without a legend.
QString LegendText(KeyOp code);

// The lines of the legend table that name no key or repeat one; empty when
// the table is sound.
QStringList LegendTableErrors();

// The font every legend and the display's numbers are drawn with: the
// legend font embedded with the resources, bold.
QFont LegendFont();
// The height of its capitals and of its lines as shares of its pixel size:
// 1493 and 1901 + 483 of the 2048 units of its em.
constexpr qreal LegendCapRatio = 1493.0 / 2048.0;
constexpr qreal LegendLineRatio = (1901.0 + 483.0) / 2048.0;

// A legend placed on a key face.  The text is drawn in the font scaled by
// `scale` (1 unless a long legend is narrowed to fit), so that all the
// legends of one key size share one font size.
struct LegendLayout {
    QString text;   // the characters drawn, without the box brackets
    bool boxed = false;
    QFont font;     // the legend font at the key size's pixel size
    qreal scale = 1;
    QPointF origin; // the left end of the baseline
    QRectF ink;     // the box the text's ink fills
    QRectF box;     // the frame of a boxed face
    qreal boxPen = 0;
};

// Lays the legend of a code out on a key face: capitals a third of the
// face's height, shrunk only as far as a long legend needs to fit the
// face's width with a margin, centred.  An empty text for a code without
// a legend.
LegendLayout LayOutLegend(KeyOp code, const QRectF& face);

// Draws the legend of a code on a key face in the colour.
void DrawLegend(QPainter& painter, KeyOp code, const QRectF& face, const QColor& color);
