// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibility.h"

#include "Display.h"
#include "KeyNames.h"
#include "Keyboard.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <QWindow>

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

// A display: its name ("X", "Y", "Register 13"), the number as shown and
// its label.
class DisplayAccessible : public QAccessibleWidget {
public:
    explicit DisplayAccessible(Display* display) : QAccessibleWidget(display, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* display = static_cast<const Display*>(widget());
        QString number, label;
        switch (t) {
        case QAccessible::Name: return display->shownName();
        case QAccessible::Value:
            display->shownValue(number, label);
            return label.isEmpty() ? number : number + QLatin1Char(' ') + label;
        case QAccessible::Description:
            display->shownValue(number, label);
            return label;
        default: return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    if (auto* keypad = qobject_cast<Keyboard*>(object))
        return new KeypadAccessible(keypad);
    if (auto* display = qobject_cast<Display*>(object))
        return new DisplayAccessible(display);
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

void AccessibleValueChanged(Display* display)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(display, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
    QAccessibleValueChangeEvent value(display, QVariant());
    QAccessible::updateAccessibility(&value);
}
