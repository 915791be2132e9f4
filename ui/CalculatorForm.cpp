// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/State.h"
#include "engine/Calculator.h"
#include "engine/KeyScript.h"
#include "engine/Programmer.h"
#include "engine/ProgrammerBase.h"
#include "engine/TypedKeys.h"
#include "engine/Undo.h"
#include "format/CopyText.h"
#include "platform/Resource.h"
#include "platform/WindowSystem.h"
#include "ui/Accessibility.h"
#include "ui/AdvancedDisplay.h"
#include "ui/AdvancedKeyboard.h"
#include "ui/CalculatorForm.h"
#include "ui/ClipboardText.h"
#include "ui/FunctionNames.h"
#include "ui/Images.h"
#include "ui/SideWindow.h"
#include "ui/WindowPlacement.h"
#include "ui/dialogs/AboutForm.h"
#include "ui/dialogs/CashFlowsForm.h"
#include "ui/dialogs/ColorsDialog.h"
#include "ui/dialogs/KeyboardDialog.h"
#include "ui/dialogs/KeysForm.h"
#include "ui/dialogs/PreferencesDialog.h"
#include "ui/dialogs/RpnStackForm.h"
#include "ui/dialogs/ScheduleForm.h"
#include "ui/dialogs/StatisticsForm.h"
#include "ui/dialogs/TapeForm.h"
#include "ui/dialogs/UserGuideForm.h"
#include "ui/dialogs/UserRegistersForm.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const FunctionIcons[FunctionCount] = {
    "tovrin/function_standard",   "tovrin/function_financial",  "tovrin/function_scientific",
    "tovrin/function_statistical", "tovrin/function_programmer", "tovrin/function_conversion",
    "tovrin/function_user",
};

// The selection slots, by function number.
void (CalculatorForm::*const SelectSlots[FunctionCount])() = {
    &CalculatorForm::selectStandard,   &CalculatorForm::selectFinancial,  &CalculatorForm::selectScientific,
    &CalculatorForm::selectStatistical, &CalculatorForm::selectProgrammer, &CalculatorForm::selectConversion,
    &CalculatorForm::selectUser,
};

// Control characters of the clipboard and undo keys.
constexpr int CtrlC = 3;
constexpr int CtrlV = 22;
constexpr int CtrlY = 25;
constexpr int CtrlZ = 26;

// How long the notice line stays, in milliseconds, and the smallest size
// it is set in to fit the display.
constexpr int NoticeTime = 4000;
constexpr qreal SmallestNoticePoints = 6;

// The character code of a key event: its text, or the control code of a
// letter typed with Ctrl where the platform gives no text for it.
int CharacterCode(const QKeyEvent* event)
{
    if ((event->modifiers() & Qt::ControlModifier) && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return event->key() - Qt::Key_A + 1;
    const QString text = event->text();
    return text.isEmpty() ? 0 : text[0].unicode();
}

} // namespace

CalculatorForm::CalculatorForm(QWidget* parent, const char* name, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setWindowTitle(tr("Tovrin"));
    m_colorTable = &Colors;
    // The field holds up to 15; a number beyond the seven functions comes
    // only from a damaged settings file and would index past the function
    // actions, so such a window starts in Standard.
    if (UnPrefs.function() >= unsigned(FunctionCount))
        UnPrefs.setFunction(FunctionStandard);

    buildMenus();

    QWidget* central = new QWidget(this);
    setCentralWidget(central);

    m_display = new AdvancedDisplay(central);
    m_display->setLines(Prefs.twoLineDisplay() ? 2 : 1);
    m_display->setCommaRadix(Prefs.commaRadix());

    m_keyboard = new AdvancedKeyboard(central);
    m_keyboard->setRpn(Prefs.rpnInput());
    m_keyboard->setCommaRadix(Prefs.commaRadix());
    m_keyboard->setFunction(int(UnPrefs.function()));
    m_keyboard->setColorTable(m_colorTable);
    if (m_keyboard->getSticky())
        m_keyboard->highlightButton(0, 0);
    m_keyboard->setShifted(UnPrefs.shift());

    connect(m_keyboard, &AdvancedKeyboard::buttonPressed, this, &CalculatorForm::handleKey);
    connect(m_display, &Display::displayTapped, this, &CalculatorForm::handleDisplayTap);
    connect(m_display, &Display::doubleClicked, this, &CalculatorForm::selectDisplayNumber);

    if (width() > height())
        m_keyboard->setLandscape(true);

    QVBoxLayout* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_display);
    // Both grow with the window, by the stretch of their size policies.
    layout->addWidget(m_keyboard);

    // The notice lies over the foot of the display, so that showing it
    // moves nothing and hides no key.
    m_notice = new QLabel(central);
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setWordWrap(true);
    m_notice->setMargin(4);
    m_notice->setAutoFillBackground(true);
    m_notice->setBackgroundRole(QPalette::ToolTipBase);
    m_notice->setForegroundRole(QPalette::ToolTipText);
    m_notice->hide();
    MakeAccessibleNotice(m_notice);
    m_noticeTimer = new QTimer(this);
    m_noticeTimer->setSingleShot(true);
    connect(m_noticeTimer, &QTimer::timeout, m_notice, &QWidget::hide);

    // A right click on the display copies and pastes; it is never a tap.
    m_display->addAction(m_copyAction);
    m_display->addAction(m_pasteAction);
    m_display->setContextMenuPolicy(Qt::ActionsContextMenu);

    showQuickSwitch(Prefs.quickSwitch());
    updateTabOrder();
    updateHistoryActions();
    // Typing reaches the calculator from the start: the keypad has the
    // focus, without its ring until Tab asks for it.
    m_keyboard->setFocus(Qt::OtherFocusReason);
}

void CalculatorForm::showNotice(const QString& text)
{
    m_notice->setText(text);
    placeNotice();
    m_notice->raise();
    // Shown afresh, so that a screen reader reads a new notice out even
    // while the last one still shows.
    m_notice->hide();
    m_notice->show();
    m_noticeTimer->start(NoticeTime);
}

void CalculatorForm::placeNotice()
{
    // Inside the display's frame, as wide as the display, at its foot; a
    // text too long for the display's height at the interface font's size
    // is set smaller until it fits.
    const QRect room = m_display->geometry().adjusted(1, 1, -1, -1);
    QFont font = this->font();
    m_notice->setFont(font);
    while (m_notice->heightForWidth(room.width()) > room.height() && font.pointSizeF() > SmallestNoticePoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        m_notice->setFont(font);
    }
    const int height = std::min(m_notice->heightForWidth(room.width()), room.height());
    m_notice->setGeometry(room.left(), room.bottom() + 1 - height, room.width(), height);
}

void CalculatorForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (m_notice->isVisible())
        placeNotice();
}

void CalculatorForm::buildMenus()
{
    m_menuBar = new QToolBar(this);
    m_menuBar->setMovable(false);
    m_menuBar->setObjectName(QStringLiteral("menuToolBar"));
    addToolBar(Qt::TopToolBarArea, m_menuBar);

    m_menus = new QMenuBar(m_menuBar);
    m_menus->setNativeMenuBar(false);
    m_menuBar->addWidget(m_menus);

    // Every menu and item has a mnemonic, unique in its menu, in every
    // language: the catalogues place their own.
    QMenu* calculator = m_menus->addMenu(tr("&Calculator"));
    QMenu* edit = m_menus->addMenu(tr("&Edit"));
    QMenu* options = m_menus->addMenu(tr("&Options"));
    QMenu* help = m_menus->addMenu(tr("&Help"));

    connect(calculator->addAction(tr("&RPN Stack...")), &QAction::triggered, this,
            &CalculatorForm::viewRpnStackForm);
    connect(calculator->addAction(tr("&User Registers...")), &QAction::triggered, this,
            &CalculatorForm::viewUserRegistersForm);
    connect(calculator->addAction(tr("&Tape...")), &QAction::triggered, this, &CalculatorForm::viewTapeForm);
    connect(calculator->addAction(tr("Statistics &Data...")), &QAction::triggered, this,
            &CalculatorForm::viewStatisticsForm);
    connect(calculator->addAction(tr("&Loan Schedule...")), &QAction::triggered, this,
            &CalculatorForm::viewScheduleForm);
    connect(calculator->addAction(tr("Cash &Flows...")), &QAction::triggered, this,
            &CalculatorForm::viewCashFlowsForm);
    calculator->addSeparator();
    m_quitAction = calculator->addAction(tr("&Quit"), this, &CalculatorForm::quit);
    m_quitAction->setShortcuts(QuitShortcuts());

    // The menu shows the shortcuts.  While Undo or Redo is greyed out its
    // shortcut reaches keyPressEvent, which says that there is nothing to
    // undo or redo.
    m_undoAction = edit->addAction(tr("&Undo"), QKeySequence::Undo, this, &CalculatorForm::undo);
    m_redoAction = edit->addAction(tr("&Redo"), QKeySequence(Qt::CTRL | Qt::Key_Y), this, &CalculatorForm::redo);
    edit->addSeparator();
    //: The name of the Copy icon's picture, not a text: keep it as it is.
    const QString copyIcon = tr("copy");
    //: The name of the Paste icon's picture, not a text: keep it as it is.
    const QString pasteIcon = tr("paste");
    m_copyAction = edit->addAction(QIcon(Resource::loadPixmap(copyIcon)), tr("&Copy"), QKeySequence::Copy, this,
                                   &CalculatorForm::copy);
    m_pasteAction = edit->addAction(QIcon(Resource::loadPixmap(pasteIcon)), tr("&Paste"), QKeySequence::Paste,
                                    this, &CalculatorForm::paste);
    // A side window may have made a step (the Tape window's Clear).
    connect(edit, &QMenu::aboutToShow, this, &CalculatorForm::updateHistoryActions);

    connect(options->addAction(tr("&Preferences...")), &QAction::triggered, this,
            &CalculatorForm::doPreferencesDialog);
    connect(options->addAction(tr("&Colors...")), &QAction::triggered, this, &CalculatorForm::doColorsDialog);
    connect(options->addAction(tr("&Keyboard...")), &QAction::triggered, this, &CalculatorForm::doKeyboardDialog);
    options->addSeparator();
    m_stayOnTopAction = options->addAction(tr("Stay on &Top"));
    m_stayOnTopAction->setCheckable(true);
    connect(m_stayOnTopAction, &QAction::toggled, this, &CalculatorForm::setStayOnTop);

    help->addAction(tr("&User Guide"), QKeySequence::HelpContents, this, &CalculatorForm::viewUserGuide);
    connect(help->addAction(tr("&Keys")), &QAction::triggered, this, &CalculatorForm::viewKeysForm);
    help->addSeparator();
    connect(help->addAction(tr("&About Tovrin...")), &QAction::triggered, this, &CalculatorForm::doAboutDialog);

    // F10 opens the first menu, as on other desktops; the arrow keys go on
    // from there.
    auto* openMenus = new QAction(this);
    openMenus->setShortcut(Qt::Key_F10);
    connect(openMenus, &QAction::triggered, this, &CalculatorForm::openMenus);
    addAction(openMenus);
}

QList<QKeySequence> CalculatorForm::QuitShortcuts()
{
    // Ctrl+Q whatever the platform theme says, and the theme's own key
    // when it has another.
    QList<QKeySequence> keys{QKeySequence(Qt::CTRL | Qt::Key_Q)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Quit))
        if (!keys.contains(key))
            keys.append(key);
    return keys;
}

void CalculatorForm::openMenus()
{
    const QList<QAction*> menus = m_menus->actions();
    if (!menus.isEmpty())
        m_menus->setActiveAction(menus.first());
}

void CalculatorForm::initQuickSwitch()
{
    if (m_quickSwitchBar)
        return;
    m_quickSwitchBar = new QToolBar(this);
    m_quickSwitchBar->setMovable(false);
    m_quickSwitchBar->setObjectName(QStringLiteral("quickSwitchToolBar"));
    QActionGroup* group = new QActionGroup(m_quickSwitchBar);
    group->setExclusive(true);
    for (int f = 0; f < FunctionCount; ++f) {
        QAction* action = new QAction(QIcon(LoadPixmap(FunctionIcons[f])), FunctionName(f), group);
        action->setCheckable(true);
        m_functionActions[f] = action;
        connect(action, &QAction::triggered, this, SelectSlots[f]);
    }
    m_quickSwitchBar->addActions(group->actions());
    addToolBar(Qt::TopToolBarArea, m_quickSwitchBar);
    // The seven icons do not fit beside the menus: the bar gets a line of
    // its own, as wide as the window, rather than hiding icons in an
    // overflow menu.
    insertToolBarBreak(m_quickSwitchBar);
}

void CalculatorForm::initSelector()
{
    if (m_selectorBar)
        return;
    m_selectorBar = new QToolBar(this);
    m_selectorBar->setMovable(false);
    m_selectorBar->setObjectName(QStringLiteral("selectorToolBar"));
    m_functionBox = new QComboBox(m_selectorBar);
    m_functionBox->setObjectName(QStringLiteral("function"));
    // Tab reaches the selector; a click opens its list without taking the
    // focus from the keypad, so typing goes on reaching the calculator.
    m_functionBox->setFocusPolicy(Qt::TabFocus);
    for (int f = 0; f < FunctionCount; ++f)
        m_functionBox->addItem(FunctionName(f));
    m_functionBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // The label names the selector for a screen reader (which takes a
    // combo box's name from its value) and gives it a mnemonic.
    auto* label = new QLabel(tr("&Function:"), m_selectorBar);
    label->setObjectName(QStringLiteral("functionLabel"));
    label->setBuddy(m_functionBox);
    label->setMargin(2);
    m_selectorBar->addWidget(label);
    m_selectorBar->addWidget(m_functionBox);
    connect(m_functionBox, &QComboBox::activated, this, &CalculatorForm::setFunction);
    addToolBar(Qt::TopToolBarArea, m_selectorBar);
    // A line of its own, as wide as the window, so that the label and the
    // list never hide in an overflow menu beside the menus.
    insertToolBarBreak(m_selectorBar);
    updateTabOrder();
}

void CalculatorForm::updateTabOrder()
{
    // The selector, the keypad, the display, and round again.
    if (m_functionBox) {
        setTabOrder(m_functionBox, m_keyboard);
        setTabOrder(m_keyboard, m_display);
        setTabOrder(m_display, m_functionBox);
    } else {
        setTabOrder(m_keyboard, m_display);
    }
}

void CalculatorForm::showQuickSwitch(bool on)
{
    if (on) {
        if (m_selectorBar)
            m_selectorBar->hide();
        initQuickSwitch();
        m_functionActions[m_keyboard->getFunction()]->setChecked(true);
        m_quickSwitchBar->show();
    } else {
        if (m_quickSwitchBar)
            m_quickSwitchBar->hide();
        initSelector();
        m_functionBox->setCurrentIndex(m_keyboard->getFunction());
        m_selectorBar->show();
    }
}

void CalculatorForm::setFunction(int function)
{
    if (function < 0 || function >= FunctionCount)
        return;
    const unsigned base = UnPrefs.base();
    SelectFunction(unsigned(function));
    if (m_quickSwitchBar)
        m_functionActions[function]->setChecked(true);
    if (m_selectorBar)
        m_functionBox->setCurrentIndex(function);
    m_keyboard->setFunction(function);
    m_keyboard->update();
    if (m_keysForm)
        m_keysForm->refresh();
    // The base follows the function in and out of the integer functions.
    if (UnPrefs.base() != base)
        refreshDisplay();
}

KeyOp CalculatorForm::MapDeviceKey(int key, const QString& text)
{
    switch (key) {
    case Qt::Key_Backspace: return TypedKey(0, NamedKey::Backspace);
    case Qt::Key_Delete: return TypedKey(0, NamedKey::Delete);
    case Qt::Key_Escape: return TypedKey(0, NamedKey::Escape);
    case Qt::Key_Return:
    case Qt::Key_Enter: return TypedKey(0, NamedKey::Return);
    case Qt::Key_F2: return TypedKey(0, NamedKey::F2);
    case Qt::Key_F9: return TypedKey(0, NamedKey::F9);
    default: return text.isEmpty() ? KeyNone : TypedKey(text[0].unicode());
    }
}

void CalculatorForm::keyPressEvent(QKeyEvent* event)
{
    const int c = CharacterCode(event);
    const bool commanded = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (c == CtrlC) {
        copy();
    } else if (c == CtrlV) {
        paste();
    } else if (c == CtrlZ) {
        undo();
    } else if (c == CtrlY) {
        redo();
    } else if (event->key() == Qt::Key_Up && !commanded) {
        setFunction(int((UnPrefs.function() + FunctionCount - 1) % FunctionCount));
    } else if (event->key() == Qt::Key_Down && !commanded) {
        setFunction(int((UnPrefs.function() + 1) % FunctionCount));
    } else {
        // Keys with Ctrl, Alt or Meta are commands: they belong to the
        // menus and shortcuts, never to the keyboard map.
        KeyOp op = commanded ? KeyNone : MapDeviceKey(event->key(), event->text());
        if (op == KeyNone) {
            event->ignore();
            return;
        }
        handleKey(op);
    }
    event->accept();
}

void CalculatorForm::handleKey(KeyOp op)
{
    if (op == KeyClearAll || op == KeyClearAllRpn)
        doClearAllDialog();
    else if (op != KeyNone && int(op) == int(UnPrefs.registerPrefix))
        viewUserRegistersForm();
    else
        handleButton(op);
}

void CalculatorForm::clearKeypadHighlight()
{
    if (m_keyboard->getSticky())
        m_keyboard->highlightButton(0, 0);
}

void CalculatorForm::updateHistoryActions()
{
    m_undoAction->setEnabled(UndoAvailable());
    m_redoAction->setEnabled(RedoAvailable());
}

void CalculatorForm::refreshDisplay()
{
    // A selection is of the number it was made on.
    m_display->setNumberSelected(false);
    m_display->setShowAll(UnPrefs.showAll());
    m_display->update();
    m_display->announce();
    updateHistoryActions();
    // The stack and register windows stand beside the main window and show
    // the same records, so they follow every key.
    if (m_rpnStackForm)
        m_rpnStackForm->pane()->updateDisplay();
    if (m_userRegistersForm)
        m_userRegistersForm->pane()->updateDisplay();
    if (m_tapeForm)
        m_tapeForm->updateTape();
    for (SideWindow* side : m_sideWindows)
        if (side->isVisible())
            side->followCalculator();
}

void CalculatorForm::handleButton(KeyOp op)
{
    // A notice is about what was done before this key.
    m_notice->hide();
    HandleButton(op);
    if (op == KeyShift) {
        clearKeypadHighlight();
        m_keyboard->setShifted(UnPrefs.shift());
        m_keyboard->update();
        // The shift indicator.
        m_display->update();
        m_display->announce();
        return;
    }
    bool shiftCleared = AfterKey(op);
    refreshDisplay();
    if (shiftCleared) {
        clearKeypadHighlight();
        m_keyboard->setShifted(false);
        m_keyboard->update();
    }
}

unsigned CalculatorForm::DisplayTapAction(int x, int width)
{
    switch (width > 0 ? 3 * x / width : 0) {
    case 0: return Prefs.leftTapAction();
    case 1: return Prefs.centerTapAction();
    default: return Prefs.rightTapAction();
    }
}

void CalculatorForm::handleDisplayTap(int, int x, int width)
{
    switch (DisplayTapAction(x, width)) {
    case TapColors: doColorsDialog(); break;
    case TapKeyboard: doKeyboardDialog(); break;
    case TapRpnStack: viewRpnStackForm(); break;
    case TapUserRegisters: viewUserRegistersForm(); break;
    case TapTape: viewTapeForm(); break;
    case TapNothing: break;
    default: doPreferencesDialog(); break;
    }
}

int CalculatorForm::runMessageBox(QMessageBox::Icon icon, const QString& caption, const QString& text,
                                  const QStringList& buttons, int defaultButton, int escapeButton)
{
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, this);
    if (buttons.isEmpty()) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return 0;
    }
    QList<QAbstractButton*> added;
    for (const QString& label : buttons)
        added.append(box.addButton(label, QMessageBox::ActionRole));
    if (defaultButton >= 0 && defaultButton < added.size())
        box.setDefaultButton(static_cast<QPushButton*>(added[defaultButton]));
    if (escapeButton >= 0 && escapeButton < added.size())
        box.setEscapeButton(added[escapeButton]);
    box.exec();
    int chosen = int(added.indexOf(box.clickedButton()));
    return chosen >= 0 ? chosen : escapeButton;
}

// With nothing to take, the notice line says so: a box would take the
// keys typed next.
void CalculatorForm::undo()
{
    if (!UndoAvailable()) {
        showNotice(NothingToUndo());
        return;
    }
    stepHistory(PerformUndo);
}

void CalculatorForm::redo()
{
    if (!RedoAvailable()) {
        showNotice(NothingToRedo());
        return;
    }
    stepHistory(PerformRedo);
}

QString CalculatorForm::NothingToUndo()
{
    return tr("Nothing to undo.");
}

QString CalculatorForm::NothingToRedo()
{
    return tr("Nothing to redo.");
}

void CalculatorForm::tellNotDone(const KeyAction& action)
{
    switch (action.kind) {
    case KeyAction::Undo: showNotice(NothingToUndo()); break;
    case KeyAction::Redo: showNotice(NothingToRedo()); break;
    case KeyAction::Paste: showNotice(PasteRefusalNotice(ReadPasteForX(action.text))); break;
    default: break;
    }
}

void CalculatorForm::stepHistory(void (*perform)())
{
    m_notice->hide();
    unsigned function = UnPrefs.function();
    bool shift = UnPrefs.shift();
    perform();
    refreshDisplay();
    // The restored state may be of another function or shift state.
    if (UnPrefs.function() != function || UnPrefs.shift() != shift) {
        setFunction(int(UnPrefs.function()));
        clearKeypadHighlight();
        m_keyboard->setShifted(UnPrefs.shift());
        m_keyboard->update();
    }
}

void CalculatorForm::copy()
{
    const QString text = QString::fromStdString(CopyText());
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void CalculatorForm::selectDisplayNumber()
{
    const QString text = QString::fromStdString(CopyText());
    if (text.isEmpty())
        return;
    m_display->setNumberSelected(true);
    QClipboard* clipboard = QApplication::clipboard();
    if (clipboard->supportsSelection())
        clipboard->setText(text, QClipboard::Selection);
}

void CalculatorForm::paste()
{
    const PastedNumber number = PasteClipboardText(QApplication::clipboard()->text());
    if (number.refusal != PasteAccepted) {
        showNotice(PasteRefusalNotice(number));
        return;
    }
    m_notice->hide();
    refreshDisplay();
}

void CalculatorForm::doClearAllDialog()
{
    int chosen = runMessageBox(QMessageBox::Warning, tr("Clear All"),
                               tr("This operation will\nclear the operating\nstack and all user,\nfinancial, and\n"
                                  "statistical registers."),
                               {tr("Clear"), tr("Cancel")}, 0, 1);
    handleButton(chosen == 0 ? KeyClearAll : KeyNone);
}

int CalculatorForm::runDialog(QDialog& dialog)
{
    return dialog.exec();
}

void CalculatorForm::present(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void CalculatorForm::auxiliaryKeyHandled()
{
    refreshDisplay();
    clearKeypadHighlight();
    m_keyboard->setShifted(UnPrefs.shift());
    m_keyboard->update();
}

// The auxiliary windows are made on first use and kept; the dialogs live
// for one modal run.
void CalculatorForm::viewRpnStackForm()
{
    if (!m_rpnStackForm) {
        m_rpnStackForm = new RpnStackForm(this, Prefs.stackSize);
        connect(m_rpnStackForm, &RpnStackForm::keyHandled, this, &CalculatorForm::auxiliaryKeyHandled);
    } else {
        m_rpnStackForm->setLines(Prefs.stackSize);
    }
    m_rpnStackForm->pane()->updateDisplay();
    present(m_rpnStackForm);
}

void CalculatorForm::viewUserRegistersForm()
{
    const bool pending = UnPrefs.registerPrefix != KeyNone;
    if (!m_userRegistersForm) {
        m_userRegistersForm = new UserRegistersForm(this, Prefs.hundredRegisters(), pending);
        connect(m_userRegistersForm, &UserRegistersForm::keyHandled, this, &CalculatorForm::auxiliaryKeyHandled);
    } else {
        m_userRegistersForm->setDoubleRegs(Prefs.hundredRegisters());
        m_userRegistersForm->setAutoDismiss(pending);
    }
    m_userRegistersForm->pane()->updateDisplay();
    present(m_userRegistersForm);
}

void CalculatorForm::viewTapeForm()
{
    if (!m_tapeForm) {
        m_tapeForm = new TapeForm(this);
        connect(m_tapeForm, &TapeForm::resultRecalled, this, &CalculatorForm::auxiliaryKeyHandled);
    }
    m_tapeForm->updateTape();
    present(m_tapeForm);
}

SideWindow* CalculatorForm::MakeSideWindow(const QString& name, QWidget* parent)
{
    if (name == QLatin1String("statistics"))
        return new StatisticsForm(parent);
    if (name == QLatin1String("schedule"))
        return new ScheduleForm(parent);
    if (name == QLatin1String("cashflows"))
        return new CashFlowsForm(parent);
    return nullptr;
}

SideWindow* CalculatorForm::sideWindow(const QString& name) const
{
    for (SideWindow* side : m_sideWindows)
        if (side->placeName() == name)
            return side;
    return nullptr;
}

void CalculatorForm::viewSideWindow(const QString& name)
{
    SideWindow* side = sideWindow(name);
    if (!side) {
        side = MakeSideWindow(name, this);
        if (!side)
            return;
        m_sideWindows.append(side);
        const auto kept = m_sidePlaces.find(name.toStdString());
        if (kept != m_sidePlaces.end() && kept->second.width > 0) {
            const SideWindowPlace& place = kept->second;
            side->setGeometry(PlaceOnScreen(QRect(place.x, place.y, place.width, place.height), AvailableScreens()));
        }
        connect(side, &SideWindow::recordsChanged, this, &CalculatorForm::auxiliaryKeyHandled);
        connect(side, &SideWindow::undoRequested, this, &CalculatorForm::undo);
        connect(side, &SideWindow::redoRequested, this, &CalculatorForm::redo);
    }
    side->followCalculator();
    present(side);
}

StatisticsForm* CalculatorForm::statisticsForm() const
{
    return qobject_cast<StatisticsForm*>(sideWindow(QStringLiteral("statistics")));
}

void CalculatorForm::viewStatisticsForm()
{
    viewSideWindow(QStringLiteral("statistics"));
}

void CalculatorForm::viewScheduleForm()
{
    viewSideWindow(QStringLiteral("schedule"));
}

void CalculatorForm::viewCashFlowsForm()
{
    viewSideWindow(QStringLiteral("cashflows"));
}

std::map<std::string, SideWindowPlace> CalculatorForm::sidePlaces() const
{
    std::map<std::string, SideWindowPlace> places = m_sidePlaces;
    for (SideWindow* side : m_sideWindows) {
        const QRect frame = side->geometry();
        places[side->placeName().toStdString()] = {side->isVisible(), frame.x(), frame.y(), frame.width(),
                                                   frame.height()};
    }
    return places;
}

void CalculatorForm::doPreferencesDialog()
{
    if (!m_preferencesDialog) {
        m_preferencesDialog = new PreferencesDialog(this);
        m_preferencesDialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_preferencesDialog, &QDialog::accepted, this, &CalculatorForm::applyPreferences);
    }
    present(m_preferencesDialog);
}

PreferencesDialog* CalculatorForm::preferencesDialog() const
{
    return m_preferencesDialog;
}

void CalculatorForm::applyPreferences()
{
    showQuickSwitch(Prefs.quickSwitch());
    m_display->setLines(Prefs.twoLineDisplay() ? 2 : 1);
    m_display->setCommaRadix(Prefs.commaRadix());
    m_keyboard->setRpn(Prefs.rpnInput());
    m_keyboard->setCommaRadix(Prefs.commaRadix());
    // An open stack or register window follows the new stack size and
    // register count at once.
    if (m_rpnStackForm)
        m_rpnStackForm->setLines(Prefs.stackSize);
    if (m_userRegistersForm)
        m_userRegistersForm->setDoubleRegs(Prefs.hundredRegisters());
    if (m_keysForm)
        m_keysForm->refresh();
    refreshDisplay();
    m_keyboard->update();
}

void CalculatorForm::doColorsDialog()
{
    ColorsDialog dialog(this);
    if (runDialog(dialog) == QDialog::Accepted) {
        m_keyboard->setColorTable(&Colors);
        m_keyboard->update();
    }
}

void CalculatorForm::doKeyboardDialog()
{
    KeyboardDialog dialog(this);
    const bool wasInteger = IntegerFunctions();
    if (runDialog(dialog) == QDialog::Accepted) {
        // The User keypad's keys may have become integer keys, or stopped
        // being them.
        SettleBase(wasInteger);
        m_keyboard->rebuildBitmaps();
        m_keyboard->update();
        if (m_keysForm)
            m_keysForm->refresh();
        refreshDisplay();
    }
}

void CalculatorForm::doAboutDialog()
{
    if (!m_aboutForm) {
        m_aboutForm = new AboutForm(this);
    }
    present(m_aboutForm);
}

void CalculatorForm::viewKeysForm()
{
    if (!m_keysForm) {
        m_keysForm = new KeysForm(this);
        connect(m_keysForm, &KeysForm::statisticsDataRequested, this, &CalculatorForm::viewStatisticsForm);
    }
    m_keysForm->refresh();
    present(m_keysForm);
}

void CalculatorForm::viewUserGuide()
{
    if (!m_userGuideForm)
        m_userGuideForm = new UserGuideForm(this);
    present(m_userGuideForm);
}

bool CalculatorForm::stayOnTop() const
{
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void CalculatorForm::setStayOnTop(bool on)
{
    if (m_stayOnTopAction->isChecked() != on)
        m_stayOnTopAction->setChecked(on); // comes back here through toggled
    if (stayOnTop() == on)
        return;
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    // A new window flag hides the window until it is shown again.
    if (shown && !isVisible())
        show();
    if (on && shown && !CanKeepWindowsOnTop())
        showNotice(tr("This desktop cannot keep Tovrin above other windows."));
}

void CalculatorForm::quit()
{
    QCoreApplication::quit();
}
