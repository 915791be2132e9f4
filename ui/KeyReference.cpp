// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyReference.h"

#include "KeyNames.h"
#include "Legends.h"

#include "core/KeyMaps.h"
#include "core/State.h"
#include "engine/TypedKeys.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr char Context[] = "KeyReference";

QString Text(const char* source, TextLanguage language)
{
    return language == TextLanguage::English ? QString::fromUtf8(source)
                                             : QCoreApplication::translate(Context, source);
}

QString NameText(KeyOp key, TextLanguage language)
{
    return language == TextLanguage::English ? QString::fromUtf8(KeyNameSource(key)) : KeyName(key);
}

const char* NamedKeyText(NamedKey key)
{
    switch (key) {
    case NamedKey::Backspace: return QT_TRANSLATE_NOOP("KeyReference", "Backspace");
    case NamedKey::Delete: return QT_TRANSLATE_NOOP("KeyReference", "Delete");
    case NamedKey::Escape: return QT_TRANSLATE_NOOP("KeyReference", "Esc");
    case NamedKey::Return: return QT_TRANSLATE_NOOP("KeyReference", "Return");
    case NamedKey::F2: return "F2";
    case NamedKey::F9: return "F9";
    case NamedKey::None: break;
    }
    return "";
}

// What a rule's shortcut adds in brackets: the state in which it holds.
const char* ConditionNote(TypedCondition condition)
{
    switch (condition) {
    case TypedCondition::DecimalBase: return QT_TRANSLATE_NOOP("KeyReference", "%1 (in decimal)");
    case TypedCondition::OtherBase: return QT_TRANSLATE_NOOP("KeyReference", "%1 (outside decimal)");
    case TypedCondition::ExponentSign: return QT_TRANSLATE_NOOP("KeyReference", "%1 (after EEX)");
    default: return nullptr;
    }
}

// Whether a rule can type its key at all in the function and input style.
// A plus after a negative exponent's mark only takes back a minus: the
// minus is the shortcut.
bool RuleApplies(const TypedKeyRule& rule, int function, bool rpn)
{
    switch (rule.condition) {
    case TypedCondition::RpnInput: return rpn;
    case TypedCondition::AlgebraicInput: return !rpn;
    case TypedCondition::FunctionHas: return FunctionHasKey(function, rule.key);
    case TypedCondition::NegativeExponent: return false;
    default: return true;
    }
}

// The keys of a rule as written: its named key, or its characters, an
// upper-case letter only where the rule lacks its lower-case form.
QStringList RuleKeys(const TypedKeyRule& rule, TextLanguage language)
{
    if (!rule.characters)
        return {Text(NamedKeyText(rule.named), language)};
    const QString characters = QString::fromLatin1(rule.characters);
    QStringList keys;
    for (QChar c : characters)
        if (!(c.isUpper() && characters.contains(c.toLower())))
            keys << QString(c);
    return keys;
}

// A cell of a main map that belongs to the large key of the cell above it
// or to its left.
bool ContinuesLargeKey(const MainMap& map, int row, int col)
{
    return (row > 0 && map[row - 1][col] == map[row][col]) || (col > 0 && map[row][col - 1] == map[row][col]);
}

const char* const FunctionOptions[FunctionCount] = {"standard",   "financial",  "scientific", "statistical",
                                                    "programmer", "conversion", "user"};

} // namespace

QString ShortcutText(KeyOp key, int function, bool rpn, TextLanguage language)
{
    if (key == KeyNone)
        return QString();
    QStringList plain;
    QStringList noted;
    for (int i = 0; i < TypedKeyRuleCount; ++i) {
        const TypedKeyRule& rule = TypedKeyRules[i];
        if (rule.key != key || !RuleApplies(rule, function, rpn))
            continue;
        const char* note = ConditionNote(rule.condition);
        for (const QString& typed : RuleKeys(rule, language)) {
            if (note)
                noted << Text(note, language).arg(typed);
            else
                plain << typed;
        }
    }
    QStringList all = plain + noted;
    QString text = all.value(0);
    for (int i = 1; i < all.size(); ++i)
        text = Text(QT_TRANSLATE_NOOP("KeyReference", "%1 or %2"), language).arg(text, all[i]);
    return text;
}

QString KeyToolTip(KeyOp key, KeyOp otherKey, bool shifted, const QString& shortcut, TextLanguage language)
{
    QStringList lines{NameText(key, language)};
    if (otherKey != key) {
        const char* other = shifted ? QT_TRANSLATE_NOOP("KeyReference", "Unshifted: %1")
                                    : QT_TRANSLATE_NOOP("KeyReference", "Shifted: %1");
        lines << Text(other, language).arg(NameText(otherKey, language));
    }
    if (!shortcut.isEmpty())
        lines << Text(QT_TRANSLATE_NOOP("KeyReference", "Keyboard: %1"), language).arg(shortcut);
    if (key == KeyNone)
        lines << Text(QT_TRANSLATE_NOOP("KeyReference", "Options \u203a Keyboard assigns the user keys."), language);
    return lines.join(QLatin1Char('\n'));
}

QList<KeyReferenceRow> KeyReferenceRows(int function, bool rpn, bool bothStyles)
{
    QList<KeyReferenceRow> rows;
    for (bool shifted : {false, true})
        for (int row = 1; row <= 2; ++row)
            for (int col = 1; col <= 6; ++col)
                rows.append({function, false, false, shifted, row, col, FunctionKey(function, shifted, row, col),
                             FunctionKey(function, !shifted, row, col)});
    for (bool rpnMap : {false, true}) {
        if (!bothStyles && rpnMap != rpn)
            continue;
        for (bool shifted : {false, true}) {
            const MainMap& map = *MainKeys[(rpnMap ? 2 : 0) + (shifted ? 1 : 0)];
            const MainMap& other = *MainKeys[(rpnMap ? 2 : 0) + (shifted ? 0 : 1)];
            for (int row = 0; row < 5; ++row)
                for (int col = 0; col < 6; ++col)
                    if (!ContinuesLargeKey(map, row, col))
                        rows.append({function, true, rpnMap, shifted, row + 3, col + 1, map[row][col],
                                     other[row][col]});
        }
    }
    return rows;
}

QString MapName(const KeyReferenceRow& row)
{
    QString name = !row.mainKeypad ? QStringLiteral("function")
                   : row.rpn       ? QStringLiteral("rpn")
                                   : QStringLiteral("algebraic");
    return row.shifted ? name + QStringLiteral(" shifted") : name;
}

const char* FunctionOptionName(int function)
{
    return function >= 0 && function < FunctionCount ? FunctionOptions[function] : "";
}

KeyOp KeyFace(KeyOp key, int function)
{
    if (key == KeyPoint && Prefs.commaRadix())
        key = KeyComma;
    if (function == FunctionProgrammer || (function == FunctionUser && Prefs.userKeysInteger()))
        key = IntegerKey(key);
    return key;
}

QString ListKeysText()
{
    QString text;
    for (int function = 0; function < FunctionCount; ++function) {
        for (const KeyReferenceRow& row : KeyReferenceRows(function, false, true)) {
            const QStringList fields{
                QString::fromLatin1(FunctionOptionName(function)),
                MapName(row),
                QString::number(row.row),
                QString::number(row.col),
                QString::fromLatin1(KeyOpName(row.key)),
                LegendText(KeyFace(row.key, function)),
                QString::fromUtf8(KeyNameSource(row.key)),
                ShortcutText(row.key, function, row.rpn, TextLanguage::English),
            };
            text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
        }
    }
    return text;
}

const WindowShortcut WindowShortcuts[] = {
    {QT_TRANSLATE_NOOP("KeyReference", "Ctrl+Z"), QT_TRANSLATE_NOOP("KeyReference", "Undo")},
    {QT_TRANSLATE_NOOP("KeyReference", "Ctrl+Y"), QT_TRANSLATE_NOOP("KeyReference", "Redo")},
    {QT_TRANSLATE_NOOP("KeyReference", "Ctrl+C"), QT_TRANSLATE_NOOP("KeyReference", "Copy X")},
    {QT_TRANSLATE_NOOP("KeyReference", "Ctrl+V"), QT_TRANSLATE_NOOP("KeyReference", "Paste into X")},
    {QT_TRANSLATE_NOOP("KeyReference", "Ctrl+Q"), QT_TRANSLATE_NOOP("KeyReference", "Quit")},
    {QT_TRANSLATE_NOOP("KeyReference", "F1"), QT_TRANSLATE_NOOP("KeyReference", "User guide")},
    {QT_TRANSLATE_NOOP("KeyReference", "Up"),
     QT_TRANSLATE_NOOP("KeyReference", "Previous function; in the keypad, the key above")},
    {QT_TRANSLATE_NOOP("KeyReference", "Down"),
     QT_TRANSLATE_NOOP("KeyReference", "Next function; in the keypad, the key below")},
    {QT_TRANSLATE_NOOP("KeyReference", "Tab"),
     QT_TRANSLATE_NOOP("KeyReference", "Move the focus: function selector, keypad, display")},
    {QT_TRANSLATE_NOOP("KeyReference", "Left or Right"),
     QT_TRANSLATE_NOOP("KeyReference", "Move the focus from key to key")},
    {QT_TRANSLATE_NOOP("KeyReference", "Space"), QT_TRANSLATE_NOOP("KeyReference", "Press the key with the focus")},
    {QT_TRANSLATE_NOOP("KeyReference", "F10"), QT_TRANSLATE_NOOP("KeyReference", "Open the menus")},
    {QT_TRANSLATE_NOOP("KeyReference", "Alt+letter"),
     QT_TRANSLATE_NOOP("KeyReference", "The menu or control of the underlined letter")},
};
const int WindowShortcutCount = int(sizeof WindowShortcuts / sizeof WindowShortcuts[0]);

QList<QPair<QString, QString>> KeyboardShortcuts(int function, bool rpn)
{
    QList<QPair<QString, QString>> shortcuts;
    QList<KeyOp> listed;
    for (int i = 0; i < TypedKeyRuleCount; ++i) {
        const KeyOp key = TypedKeyRules[i].key;
        if (listed.contains(key))
            continue;
        listed.append(key);
        const QString text = ShortcutText(key, function, rpn);
        if (!text.isEmpty())
            shortcuts.append({text, KeyName(key)});
    }
    for (const WindowShortcut& shortcut : WindowShortcuts)
        shortcuts.append({Text(shortcut.keys, TextLanguage::User), Text(shortcut.action, TextLanguage::User)});
    return shortcuts;
}
