// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shutdown: the first start's question and decimal mark, a
// session that survives a quit and a restart, a failed save, and the
// termination signals.
#include "core/State.h"
#include "engine/Reset.h"
#include "engine/Undo.h"
#include "ui/AdvancedDisplay.h"
#include "ui/AdvancedKeyboard.h"
#include "ui/CalculatorForm.h"
#include "ui/Startup.h"
#include "ui/TerminationSignals.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>

namespace {

// Answers the next modal message box with the button of the text and
// records its caption and the window it lies over.
void AnswerBox(const QString& button, QString* caption, QWidget** over)
{
    QTimer::singleShot(0, [button, caption, over] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        *caption = box->windowTitle();
        *over = box->parentWidget();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == button)
                b->click();
    });
}

void Wipe()
{
    // Something other than the defaults, so that loading must restore.
    std::memset(&Prefs, 0xAA, sizeof Prefs);
    std::memset(&UnPrefs, 0x55, sizeof UnPrefs);
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetCalculator(); }

    // The first start asks over the calculator's window, already shown,
    // and the window follows the answer, which is stored.
    void firstStartAsksOverTheWindow_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("rpn");
        QTest::newRow("Enable RPN") << "Enable RPN" << true;
        QTest::newRow("OK") << "OK" << false;
    }

    void firstStartAsksOverTheWindow()
    {
        QFETCH(QString, button);
        QFETCH(bool, rpn);
        QTemporaryDir dir;
        QString file = dir.filePath("tovrin.conf");
        QVERIFY(!StartCalculator(file));
        QCOMPARE(int(Prefs.version), 4);
        QCOMPARE(int(Prefs.stackSize), 4);
        CalculatorForm window;
        window.show();
        QString caption;
        QWidget* over = nullptr;
        AnswerBox(button, &caption, &over);
        AskInputMode(&window);
        QCOMPARE(caption, QString("Choose how to type calculations"));
        QCOMPARE(over, &window);
        QCOMPARE(Prefs.rpnInput(), rpn);
        QCOMPARE(window.keyboard()->getRpn(), rpn);
        QVERIFY(FinishCalculator(file, false));

        Wipe();
        QVERIFY(StartCalculator(file));
        QCOMPARE(Prefs.rpnInput(), rpn);
    }

    // A first start writes numbers with the decimal mark of the user's
    // locale, where the Preferences can show it; saved preferences rule.
    void firstStartTakesTheLocalesDecimalMark_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("comma");
        QTest::newRow("German") << "de_DE" << true;
        QTest::newRow("French") << "fr_FR" << true;
        QTest::newRow("Swiss German") << "de_CH" << false;
        QTest::newRow("English") << "en_US" << false;
        QTest::newRow("C") << "C" << false;
    }

    void firstStartTakesTheLocalesDecimalMark()
    {
        QFETCH(QString, locale);
        QFETCH(bool, comma);
        PrefsChanged = 0;
        FirstStartFromLocale(QLocale(locale));
        QCOMPARE(Prefs.commaRadix(), comma);
        QCOMPARE(int(PrefsChanged), int(comma));
    }

    // The locale of the environment (LC_ALL=C or de_DE.UTF-8, as the two
    // runs of this case set it; no system locale need be installed, Qt
    // knows them all) at a first start and at a later one.
    void firstStartInTheUsersLocale()
    {
        const QByteArray locale = qgetenv("LC_ALL");
        if (locale != "C" && locale != "de_DE.UTF-8")
            QSKIP("the locale of this run (LC_ALL) is neither C nor de_DE.UTF-8, which its CTest entries set");
        const bool comma = locale == "de_DE.UTF-8";
        QTemporaryDir dir;
        QString file = dir.filePath("tovrin.conf");
        QVERIFY(!StartCalculator(file));
        QCOMPARE(Prefs.commaRadix(), comma);
        CalculatorForm window;
        QCOMPARE(window.display()->numberText("1234.5"), comma ? QString("1.234,5") : QString("1,234.5"));
        Prefs.setCommaRadix(!comma);
        QVERIFY(FinishCalculator(file, false));
        Wipe();
        QVERIFY(StartCalculator(file));
        QCOMPARE(Prefs.commaRadix(), !comma);
    }

    void sessionSurvivesRestart()
    {
        QTemporaryDir dir;
        QString file = dir.filePath("tovrin.conf");
        StartCalculator(file);
        {
            CalculatorForm form;
            for (char c : QByteArray("42"))
                QTest::keyClick(&form, c);
            QTest::keyClick(&form, Qt::Key_Down);
        }
        QCOMPARE(double(UnPrefs.stack[0]), 42.0);
        QVERIFY(FinishCalculator(file, false));

        Wipe();
        QVERIFY(StartCalculator(file));
        QCOMPARE(double(UnPrefs.stack[0]), 42.0);
        QCOMPARE(UnPrefs.function(), unsigned(FunctionFinancial));
        CalculatorForm form;
        QCOMPARE(form.keyboard() != nullptr, true);
    }

    void failedSaveIsReported()
    {
        QTemporaryDir dir;
        // A settings file inside a regular file cannot be written.
        QFile blocker(dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QString file = dir.filePath("blocker/tovrin.conf");
        PrefsChanged = 1;
        QString caption;
        QString text;
        QTimer::singleShot(0, [&caption, &text] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            caption = box->windowTitle();
            text = box->text();
            box->accept();
        });
        QVERIFY(!FinishCalculator(file, true));
        QCOMPARE(caption, QString("Tovrin"));
        QVERIFY2(text.contains(file), qPrintable(text));
    }

    // A damaged settings file is told once, in a box that blocks nothing,
    // naming the file and its kept copy.
    void damagedFileIsTold()
    {
        QTemporaryDir dir;
        QString file = dir.filePath("tovrin.conf");
        QFile raw(file);
        QVERIFY(raw.open(QIODevice::WriteOnly));
        raw.write("HLM\n[saved]\n0=0400\n");
        raw.close();
        SettingsDamage damage;
        QVERIFY(StartCalculator(file, &damage));
        QVERIFY(damage.damaged && QFile::exists(damage.copy));
        CalculatorForm form;
        TellDamagedSettings(&form, file, damage);
        auto* box = form.findChild<QMessageBox*>();
        QVERIFY(box && box->isVisible() && !box->isModal());
        QVERIFY(box->text().contains(file) && box->text().contains(damage.copy));
        box->close();
    }

    // Something other than a file in the settings file's place: nothing is
    // asked or read, the user is told what it is, and no save replaces it.
    void refusedFileIsToldAndNeverSaved()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("tovrin.conf");
        QVERIFY(mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        SettingsDamage damage;
        // Not held, and refused: the window does not ask its question.
        QVERIFY(!StartCalculator(file, &damage));
        QVERIFY(damage.refused() && !damage.damaged);
        CalculatorForm form;
        TellDamagedSettings(&form, file, damage);
        auto* box = form.findChild<QMessageBox*>();
        QVERIFY(box && box->text().contains(file) && box->text().contains("named pipe"));
        box->close();
        PrefsChanged = 1;
        QVERIFY(!FinishCalculator(file, false));
        QVERIFY(QFileInfo(file).exists() && !QFileInfo(file).isFile());
    }

    // SIGTERM ends the event loop with code 0; SIGHUP, SIGINT, SIGQUIT,
    // SIGUSR1 and SIGALRM get the same handler.  (The application's loop
    // runs only once per process.)
    void terminationSignalQuitsNormally()
    {
        QuitOnTerminationSignals(QCoreApplication::instance());
        QTimer safety;
        safety.setSingleShot(true);
        connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        safety.start(5000);
        QTimer::singleShot(0, [] { std::raise(SIGTERM); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(TerminationSignal(), SIGTERM);

        struct sigaction term = {}, other = {};
        sigaction(SIGTERM, nullptr, &term);
        for (int signal : {SIGHUP, SIGINT, SIGQUIT, SIGUSR1, SIGALRM}) {
            sigaction(signal, nullptr, &other);
            QVERIFY(other.sa_handler == term.sa_handler);
        }
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
