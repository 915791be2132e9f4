// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibility.h"

#include "Display.h"
#include "KeyNames.h"
#include "Keyboard.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

// The context of the accessible texts in the catalogues.
struct Accessibility {
    Q_DECLARE_TR_FUNCTIONS(Accessibility)
};

// One key of a keypad: the index-th of its keys, whichever key the cell
// holds in the keypad's present function and shift state.
class KeyAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    KeyAccessible(Keyboard* keypad, int index) : m_keypad(keypad), m_index(index) {}

    QPoint cell() const
    {
        const QList<QPoint> cells = m_keypad ? m_keypad->keyCells() : QList<QPoint>();
        return m_index < cells.size() ? cells[m_index] : QPoint();
    }
    KeyOp key() const { return m_keypad ? m_keypad->keyAt(cell().y(), cell().x()) : KeyNone; }
    int index() const { return m_index; }

    bool isValid() const override { return m_keypad && !cell().isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_keypad ? m_keypad->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_keypad); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return QString();
        const QPoint at = cell();
        switch (t) {
        case QAccessible::Name: return KeyName(key());
        case QAccessible::Description: return m_keypad->keyToolTip(at.y(), at.x());
        default: return QString();
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect local = m_keypad->keyRect(cell().y(), cell().x());
        return QRect(m_keypad->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.focusable = true;
        state.focused = m_keypad->focusRingShown() &&
                        cell() == QPoint(m_keypad->getFocusCol(), m_keypad->getFocusRow());
        state.invisible = !m_keypad->isVisible();
        state.disabled = !m_keypad->getActive() || key() == KeyNone;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid() && m_keypad->getActive())
            m_keypad->pressKey(cell().y(), cell().x());
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<Keyboard> m_keypad;
    int m_index;
};

// A keypad: a group of key buttons, one child per key.
class KeypadAccessible : public QAccessibleWidget {
public:
    explicit KeypadAccessible(Keyboard* keypad) : QAccessibleWidget(keypad, QAccessible::Grouping) {}
    ~KeypadAccessible() override
    {
        for (QAccessible::Id id : std::as_const(m_children))
            QAccessible::deleteAccessibleInterface(id);
    }

    Keyboard* keypad() const { return static_cast<Keyboard*>(widget()); }

    int childCount() const override { return int(keypad()->keyCells().size()); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (!m_children.contains(index)) {
            auto* key = new KeyAccessible(keypad(), index);
            m_children.insert(index, QAccessible::registerAccessibleInterface(key));
        }
        return QAccessible::accessibleInterface(m_children.value(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* key = dynamic_cast<const KeyAccessible*>(child);
        return key && key->parent() == this ? key->index() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint at = keypad()->mapFromGlobal(QPoint(x, y));
        int row, col;
        if (!keypad()->getRowCol(at.x(), at.y(), row, col))
            return nullptr;
        return child(int(keypad()->keyCells().indexOf(QPoint(col, row))));
    }
    QAccessibleInterface* focusChild() const override
    {
        if (!keypad()->focusRingShown())
            return nullptr;
        return child(int(keypad()->keyCells().indexOf(QPoint(keypad()->getFocusCol(), keypad()->getFocusRow()))));
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return Accessibility::tr("Keypad");
        return QAccessibleWidget::text(t);
    }

private:
    mutable QHash<int, QAccessible::Id> m_children;
};

// A display: what it shows, said as a person would say it ("X: 1,234.5
// ft"), as its name and as the text of a read-only text; the value alone
// ("1,234.5 ft") as its value; the status indicators it shows as its
// description.
class DisplayAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DisplayAccessible(Display* display) : QAccessibleWidget(display, QAccessible::StaticText) {}

    const Display* display() const { return static_cast<const Display*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return display()->spokenText();
        case QAccessible::Value: return display()->shownWords();
        case QAccessible::Description: return display()->spokenDetails();
        default: return QAccessibleWidget::text(t);
        }
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The text interface: the spoken text, read-only, without a caret or
    // a selection.
    QString text(int start, int end) const override
    {
        const QString all = display()->spokenText();
        start = std::clamp(start, 0, int(all.size()));
        end = end < 0 ? int(all.size()) : std::clamp(end, start, int(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return int(display()->spokenText().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return QString();
    }
};

// A line that tells, for a while, why something was not done: a
// notification, read out when it appears.
class NoticeAccessible : public QAccessibleWidget {
public:
    explicit NoticeAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// The dynamic property that marks a label as a notice.
constexpr char NoticeProperty[] = "tovrinNotice";

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    if (auto* keypad = qobject_cast<Keyboard*>(object))
        return new KeypadAccessible(keypad);
    if (auto* display = qobject_cast<Display*>(object))
        return new DisplayAccessible(display);
    if (auto* label = qobject_cast<QLabel*>(object); label && label->property(NoticeProperty).toBool())
        return new NoticeAccessible(label);
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void AccessibleFocusMoved(Keyboard* keypad)
{
    if (!QAccessible::isActive())
        return;
    const int index = int(keypad->keyCells().indexOf(QPoint(keypad->getFocusCol(), keypad->getFocusRow())));
    if (index < 0)
        return;
    QAccessibleEvent event(keypad, QAccessible::Focus);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

QString SpokenValue(const QString& name, const QString& value)
{
    //: What a screen reader says for a value and its name: "X: 1,234.5 ft",
    //: "Register 13: error".  %1 is the name, %2 the value.
    return Accessibility::tr("%1: %2").arg(name, value);
}

void AccessibleTextChanged(QWidget* widget, const QString& before, const QString& now)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent name(widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    QAccessibleTextUpdateEvent text(widget, 0, before, now);
    QAccessible::updateAccessibility(&text);
}

void AccessibleDescriptionChanged(QWidget* widget)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

namespace {

// Posts an event of the type for every cell of rows first..last.
void PostForCells(QAbstractItemView* view, int first, int last, QAccessible::Event type)
{
    if (!QAccessible::isActive() || !view->model())
        return;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
    QAccessibleTableInterface* cells = table ? table->tableInterface() : nullptr;
    if (!cells)
        return;
    const int columns = view->model()->columnCount(view->rootIndex());
    for (int row = first; row <= last; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (QAccessibleInterface* cell = cells->cellAt(row, column)) {
                QAccessibleEvent event(cell, type);
                QAccessible::updateAccessibility(&event);
            }
        }
    }
}

} // namespace

void AccessibleRowsInserted(QAbstractItemView* view, int first, int last)
{
    PostForCells(view, first, last, QAccessible::ObjectCreated);
}

void AccessibleRowChanged(QAbstractItemView* view, int row)
{
    PostForCells(view, row, row, QAccessible::NameChanged);
}

void MakeAccessibleNotice(QLabel* label)
{
    InstallAccessibility();
    label->setProperty(NoticeProperty, true);
}
