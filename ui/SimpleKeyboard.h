// SPDX-License-Identifier: GPL-3.0-or-later
// The small keypad of the auxiliary windows and dialogs: a strip of a few
// keys, or two rows of six laid out like the function rows.
#pragma once

#include "core/KeyMaps.h"
#include "Keyboard.h"

#include <QPixmap>

class SimpleKeyboard : public Keyboard {
    Q_OBJECT

public:
    // A strip of count keys, in one row when horizontal, else in one column.
    // The map belongs to the caller and must outlive the keypad.
    SimpleKeyboard(QWidget* parent, int count, const KeyOp* map, bool horizontal);
    // Two rows of six keys; a null shifted map shows the normal map when
    // shifted.  The maps belong to the caller and must outlive the keypad.
    SimpleKeyboard(QWidget* parent, const FunctionMap* normal, const FunctionMap* shifted);

    // Both states show the same map of count keys.
    void setKeyMap(int count, const KeyOp* map);
    void setFunctionMap(const FunctionMap* normal, const FunctionMap* shifted);

    KeyOp getKey(int row, int col, bool shifted) override;
    void rebuildBitmaps() override;
    void drawKeyboard() override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutButtons();
    // Keeps every key at least the minimum key size.
    void setMinimumKeySize();
    const QPixmap& picture(bool shiftedMap);

    const KeyOp* normalMap = nullptr;
    const KeyOp* shiftedMap = nullptr;
    QPixmap pictures[2];
};
