// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's number display: paints one value (a stack level, a user
// register, the number being typed or a message) with its label at the left
// and the number at the right, and reports taps on itself.
#pragma once

#include "ui/XlibNames.h"

#include <QFont>
#include <QWidget>

#include <cstdint>

class QPainter;

class Display : public QWidget {
    Q_OBJECT
public:
    explicit Display(QWidget* parent = nullptr, int index = 0, const char* name = nullptr,
                     Qt::WindowFlags flags = {});

    void setIndex(int index) { m_index = index; }
    int getIndex() const { return m_index; }
    void setLines(int lines);
    int getLines() const { return m_lines; }
    void setAutoHighlight(bool on) { m_autoHighlight = on; }
    void setHighlighted(bool on);
    bool getHighlighted() const { return m_highlighted; }
    void setCommaRadix(bool on) { m_commaRadix = on; }
    bool getCommaRadix() const { return m_commaRadix; }
    void setShowAll(bool on) { m_showAll = on; }
    bool getShowAll() const { return m_showAll; }
    void setLandscape(bool on) { m_landscape = on; }
    bool getLandscape() const { return m_landscape; }
    // The number shows as selected for copying (a double click selects it).
    void setNumberSelected(bool on);
    bool getNumberSelected() const { return m_numberSelected; }

    virtual bool getAutoHighlight() const { return m_autoHighlight; }
    // Paints the whole widget; called by paintEvent.
    virtual void updateDisplay();
    virtual void eraseDisplay();
    virtual void calculateHeight() {}

    const QFont& numberFont() const { return m_numberFont; }
    const QFont& messageFont() const { return m_messageFont; }
    // Sets the point size of the label, number and message fonts together,
    // and keeps the widget at least one number line high, so that lines of
    // the stack and register windows never clip their numbers.
    void setLineFontSize(int points);

    // The text displayNumber draws for a formatted number: the radix mark
    // and grouping of the preferences.
    QString numberText(const char* text) const;

    // For a screen reader: the name of what the widget shows (its
    // accessible name), and the number as drawn (or "error") with the text
    // of its label, empty when it has none.
    virtual QString shownName() const { return accessibleName(); }
    virtual void shownValue(QString& number, QString& label) const;
    // The number and its label as one text: "1,234.5 ft".
    QString shownWords() const;
    static QString ValueWords(const QString& number, const QString& label);
    // What a screen reader says for the widget: "X: 1,234.5 ft".
    virtual QString spokenText() const;
    // What it adds when asked for more (the status indicators shown).
    virtual QString spokenDetails() const { return QString(); }
    // Tells assistive tools what the widget shows now, when that differs
    // from what they last heard.  Called once a key is done, so that a
    // screen reader hears the result and not the steps that led to it.
    void announce();

    // The font a text is drawn in to fit the width: the font, or a smaller
    // size of it where the text would not fit with the margin at its right.
    static QFont fittedFont(const QFont& font, const QString& text, qreal width);
    // The room kept free between a number and the right edge of its line.
    static int rightMargin(const QFont& font);

    // The painting operations; valid while the widget paints itself.
    // `selected`: the number shows as selected when the widget's number is.
    void displayReg(const QRect& rect, int level, bool selected = false);
    void displayUserReg(const QRect& rect, int reg);
    void displayValue(const QRect& rect, double value);
    void displayNumber(const QRect& rect, uint16_t labelId, const char* text, uint16_t labelIndex,
                       bool highlighted, bool selected = false);
    // Also gives the width left to the right of the label, when asked.
    bool displayLabel(QPainter& painter, const QRect& rect, uint16_t labelId, uint16_t labelIndex,
                      qreal* room = nullptr);
    void displayMessage(const QRect& rect, const char* text, bool flag = false);
    void displayAmortMessage(const QRect& rect);

signals:
    // The widget's index, the x of the release point and the widget width.
    void displayTapped(int index, int x, int width);
    // A double click: the widget's index.
    void doubleClicked(int index);

protected:
    // Sets the number and message fonts; the owner sizes them.
    void setNumberFont(const QFont& font);

    void paintEvent(QPaintEvent* event) override;
    // A display that takes the keyboard focus shows it.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

    // The texts of a value as displayFormatted draws it, and of its label.
    void valueTexts(double value, uint16_t label, bool plain, uint16_t labelIndex, QString& number,
                    QString& labelText) const;

private:
    // Paints a formatted value or, when it has no text, "error".
    void displayFormatted(const QRect& rect, double value, uint16_t label, bool plain,
                          uint16_t labelIndex, bool highlighted, bool selected = false);

    int m_index;
    int m_lines = 1;
    bool m_autoHighlight = false;
    bool m_highlighted = false;
    bool m_commaRadix = false;
    bool m_showAll = false;
    bool m_landscape = false;
    bool m_numberSelected = false;
    QFont m_numberFont;
    QFont m_messageFont;
    bool m_pressed = false;
    // What assistive tools last heard.
    QString m_spoken;
    QString m_spokenDetails;
};
