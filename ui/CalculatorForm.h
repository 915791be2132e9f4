// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's main window: the display above the keypad, the menus and
// the function selector.  Keypad presses, device keys and display taps become
// key operations for the engine; after every key the keypad and display are
// brought in step with the engine's flags.
#pragma once

#include "core/KeyOp.h"
#include "core/State.h"
#include "storage/WindowPlace.h"

#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>

#include <map>
#include <string>

class AdvancedDisplay;
class AdvancedKeyboard;
class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMenuBar;
class QTimer;
class QToolBar;
struct ColorTable;

struct KeyAction;
class AboutForm;
class KeysForm;
class PreferencesDialog;
class QDialog;
class RpnStackForm;
class SideWindow;
class StatisticsForm;
class TapeForm;
class UserGuideForm;
class UserRegistersForm;

class CalculatorForm : public QMainWindow {
    Q_OBJECT
public:
    explicit CalculatorForm(QWidget* parent = nullptr, const char* name = nullptr, Qt::WindowFlags flags = {});

    void setColorTable(ColorTable* table) { m_colorTable = table; }
    ColorTable* getColorTable() const { return m_colorTable; }

    AdvancedDisplay* display() const { return m_display; }
    AdvancedKeyboard* keyboard() const { return m_keyboard; }
    QToolBar* quickSwitchBar() const { return m_quickSwitchBar; }
    QToolBar* selectorBar() const { return m_selectorBar; }
    QComboBox* functionBox() const { return m_functionBox; }
    QAction* functionAction(int function) const { return m_functionActions[function]; }
    AboutForm* aboutForm() const { return m_aboutForm; }
    KeysForm* keysForm() const { return m_keysForm; }
    UserGuideForm* userGuideForm() const { return m_userGuideForm; }
    QAction* undoAction() const { return m_undoAction; }
    QAction* redoAction() const { return m_redoAction; }
    QAction* quitAction() const { return m_quitAction; }
    QMenuBar* menus() const { return m_menus; }
    QAction* stayOnTopAction() const { return m_stayOnTopAction; }
    RpnStackForm* rpnStackForm() const { return m_rpnStackForm; }
    UserRegistersForm* userRegistersForm() const { return m_userRegistersForm; }
    TapeForm* tapeForm() const { return m_tapeForm; }
    // The side windows once opened (sideWindow() below); null before.
    StatisticsForm* statisticsForm() const;
    // The side window remembered under the name (SideWindowNames()), once
    // it has been opened; null before.
    SideWindow* sideWindow(const QString& name) const;
    // Makes the side window of the name, or null for an unknown name.
    static SideWindow* MakeSideWindow(const QString& name, QWidget* parent);
    // Where the side windows are and whether they are open, to keep across
    // runs; and the places kept, given before the window is shown.
    std::map<std::string, SideWindowPlace> sidePlaces() const;
    void setSidePlaces(const std::map<std::string, SideWindowPlace>& places) { m_sidePlaces = places; }
    // The open Preferences window, or none.
    PreferencesDialog* preferencesDialog() const;
    // The line at the foot of the display that tells, for a few seconds,
    // why something was not done; hidden otherwise.
    QLabel* notice() const { return m_notice; }

    // Shows the notice line with the text for a few seconds, or until the
    // next key.  It blocks nothing and lies over the display, never over
    // the keys.
    void showNotice(const QString& text);

    // Says in the notice line what the window says when a step of a key
    // script (KeyScript.h) could not be done: nothing to undo or redo, a
    // refused paste.
    void tellNotDone(const KeyAction& action);

    // Whether the window stays above other windows (Options > Stay on Top).
    bool stayOnTop() const;

    void showQuickSwitch(bool on);
    void initQuickSwitch();
    void initSelector();

    // What a tap at x on a display of the width opens: the tap action of
    // the left, middle or right third.
    static unsigned DisplayTapAction(int x, int width);

    // The shortcuts of Quit: Ctrl+Q, and the platform's own key when it
    // has another.
    static QList<QKeySequence> QuitShortcuts();

    // The key operation of a device key (a Qt key code and the text it
    // types) through the keyboard map, or KeyNone when it has none.
    static KeyOp MapDeviceKey(int key, const QString& text);

public slots:
    void keyPressEvent(QKeyEvent* event) override;
    void setFunction(int function);
    void undo();
    void redo();
    void copy();
    void paste();
    void handleDisplayTap(int index, int x, int width);
    void handleKey(KeyOp op);
    void handleButton(KeyOp op);
    void doClearAllDialog();
    void viewRpnStackForm();
    void viewUserRegistersForm();
    void viewTapeForm();
    void viewStatisticsForm();
    // Opens the side window of the name, where it was last, and in front.
    void viewSideWindow(const QString& name);
    void viewScheduleForm();
    void viewCashFlowsForm();
    // Opens the Preferences as a window beside the calculator (or brings
    // the open one to the front); its OK applies them.
    void doPreferencesDialog();
    // Brings the keypad, display and side windows in step with Prefs.
    void applyPreferences();
    // Keeps the window above other windows, or not; says so in the notice
    // line when the window system cannot.
    void setStayOnTop(bool on);
    // Selects the number of the display for copying: it shows as selected,
    // and the window system's selection holds it where there is one.
    void selectDisplayNumber();
    void doColorsDialog();
    void doKeyboardDialog();
    void doAboutDialog();
    void viewKeysForm();
    void viewUserGuide();
    // Ends the event loop as closing the window does; the state is saved.
    void quit();
    // Opens the first menu of the menu bar (F10).
    void openMenus();
    void selectStandard() { setFunction(0); }
    void selectFinancial() { setFunction(1); }
    void selectScientific() { setFunction(2); }
    void selectStatistical() { setFunction(3); }
    void selectProgrammer() { setFunction(4); }
    void selectConversion() { setFunction(5); }
    void selectUser() { setFunction(6); }

protected:
    // Shows a message box parented to the window and returns the index of
    // the button chosen (buttons empty: the toolkit's OK button).
    // Overridden by tests so that no modal loop runs.
    virtual int runMessageBox(QMessageBox::Icon icon, const QString& caption, const QString& text,
                              const QStringList& buttons, int defaultButton, int escapeButton);
    // Runs a modal dialog and returns its result.  Overridden by tests so
    // that no modal loop runs.
    virtual int runDialog(QDialog& dialog);
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    // The Tab chain: the selector (when shown), the keypad, the display.
    void updateTabOrder();
    // What the notice line says when there is nothing to undo or redo.
    static QString NothingToUndo();
    static QString NothingToRedo();
    // Performs an undo or redo step and brings the keypad in step with it.
    void stepHistory(void (*perform)());
    void refreshDisplay();
    // Undo and Redo are available only when there is a step to take.
    void updateHistoryActions();
    void clearKeypadHighlight();
    // Puts the notice over the foot of the display, in a font small enough
    // that all of it fits there.
    void placeNotice();
    // Brings the display and keypad in step after a key of another window.
    void auxiliaryKeyHandled();
    // Shows an auxiliary window at its natural size and in front.
    static void present(QWidget* window);

    QToolBar* m_menuBar = nullptr;
    QMenuBar* m_menus = nullptr;
    QToolBar* m_quickSwitchBar = nullptr;
    QAction* m_functionActions[FunctionCount] = {};
    QToolBar* m_selectorBar = nullptr;
    QComboBox* m_functionBox = nullptr;
    ColorTable* m_colorTable = nullptr;
    AdvancedDisplay* m_display = nullptr;
    AdvancedKeyboard* m_keyboard = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_copyAction = nullptr;
    QAction* m_pasteAction = nullptr;
    QAction* m_quitAction = nullptr;
    QAction* m_stayOnTopAction = nullptr;
    AboutForm* m_aboutForm = nullptr;
    KeysForm* m_keysForm = nullptr;
    UserGuideForm* m_userGuideForm = nullptr;
    RpnStackForm* m_rpnStackForm = nullptr;
    UserRegistersForm* m_userRegistersForm = nullptr;
    QLabel* m_notice = nullptr;
    QTimer* m_noticeTimer = nullptr;
    TapeForm* m_tapeForm = nullptr;
    QList<SideWindow*> m_sideWindows;
    std::map<std::string, SideWindowPlace> m_sidePlaces;
    QPointer<PreferencesDialog> m_preferencesDialog;
};
