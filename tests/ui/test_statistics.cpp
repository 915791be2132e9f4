// SPDX-License-Identifier: GPL-3.0-or-later
// The Statistics Data window: it follows the keys and undo, its edits are
// steps of the calculator, refused pastes change nothing and say why, the
// list's disagreement with the sums offers its two actions, CSV files go
// out and come back, and the plot shows its points and line, in colour and
// in grey, at a scale factor of 1 and 2.

#include "core/State.h"
#include "engine/Points.h"
#include "engine/Reset.h"
#include "engine/Statistics.h"
#include "engine/Undo.h"
#include "ui/CalculatorForm.h"
#include "ui/dialogs/KeysForm.h"
#include "ui/dialogs/PointsModel.h"
#include "ui/dialogs/StatisticsForm.h"
#include "ui/dialogs/StatisticsPlot.h"

#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <functional>

namespace {

class QuietForm : public CalculatorForm {
protected:
    int runMessageBox(QMessageBox::Icon, const QString&, const QString&, const QStringList&, int, int) override
    {
        return 0;
    }
};

// y ENTER x Σ+ on the main window, digits one key each.
void AddPoint(CalculatorForm& form, int y, int x)
{
    for (KeyOp key : {KeyOp(KeyDigit0 + y), KeyEnter, KeyOp(KeyDigit0 + x), KeySigmaPlus})
        form.handleButton(key);
}

QString Cell(StatisticsForm* window, int row, int column)
{
    return window->model()->index(row, column).data().toString();
}

bool Near(const QColor& a, const QColor& b, int distance)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < distance;
}

// Pixels of the picture in `color`, or close to it.
int InkOf(const QImage& image, const QColor& color)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += Near(image.pixelColor(x, y), color, 40);
    return ink;
}

QImage PaintPlot(StatisticsPlot* plot, qreal ratio)
{
    QImage image(QSize(400, 300) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    plot->paintPlot(painter, QRectF(0, 0, 400, 300));
    return image;
}

} // namespace

class StatisticsFormTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        ResetCalculator();
        Prefs.setRpnInput(true);
        UnPrefs.setFunction(FunctionStatistical);
        InitializeUndo();
    }

    void followsKeysAndItsEditsAreSteps()
    {
        QuietForm form;
        form.viewStatisticsForm();
        StatisticsForm* window = form.statisticsForm();
        QVERIFY(window && window->isVisible());
        AddPoint(form, 2, 1);
        AddPoint(form, 4, 2);
        AddPoint(form, 6, 3);
        PointsModel* model = window->model();
        QCOMPARE(model->rowCount(), 4); // three points and the new row
        QCOMPARE(Cell(window, 2, 1), QString("6."));
        QVERIFY(window->summaryText().contains("n = 3."));
        QVERIFY(window->summaryText().contains("m = 2."));

        // An edited cell keeps its row and is one undo step.
        QVERIFY(model->setData(model->index(0, PointsModel::ColumnY), "2.5", Qt::EditRole));
        QCOMPARE(Cell(window, 0, 1), QString("2.5"));
        QCOMPARE(Cell(window, 0, 0), QString("1."));
        // The undo keys work in this window too.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->table(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Cell(window, 0, 1), QString("2."));
        QTest::keyClick(window->table(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Cell(window, 0, 1), QString("2.5"));

        // A refused cell changes nothing and says why.
        QVERIFY(!model->setData(model->index(1, 0), "two", Qt::EditRole));
        QVERIFY(window->notice()->isVisibleTo(window));
        QVERIFY(window->notice()->text().contains("two"));

        // A typed new point, then rows deleted as one step.
        QVERIFY(model->setData(model->index(3, PointsModel::ColumnX), "9", Qt::EditRole));
        QCOMPARE(StatisticsPoints().size(), 4u);
        window->table()->selectRow(0);
        window->table()->selectionModel()->select(model->index(3, 0),
                                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
        window->deleteRows();
        QCOMPARE(StatisticsPoints().size(), 2u);
        form.undo();
        QCOMPARE(StatisticsPoints().size(), 4u);
        QVERIFY(form.undoAction()->isEnabled());
    }

    void pastesAllOrNothing()
    {
        QuietForm form;
        form.viewStatisticsForm();
        StatisticsForm* window = form.statisticsForm();
        QApplication::clipboard()->setText("x\ty\n1\t10\n2\tten\n");
        window->paste();
        QVERIFY(StatisticsPoints().empty());
        QVERIFY(window->notice()->text().contains("line 3, column 2"));
        QApplication::clipboard()->setText("1\t10\n2\t20\n3\t30.5\n");
        window->paste();
        QCOMPARE(StatisticsPoints().size(), 3u);
        QCOMPARE(Cell(window, 2, 1), QString("30.5"));
        form.undo();
        QVERIFY(StatisticsPoints().empty());

        // Rows copied paste back as the same points.
        QApplication::clipboard()->setText("0.1\t-3\n1e-5\t7\n");
        window->paste();
        window->table()->selectAll();
        window->copyRows();
        QCOMPARE(QApplication::clipboard()->text(), QString("0.1\t-3\n1e-05\t7\n"));
    }

    void disagreementOffersRebuildAndClear()
    {
        QuietForm form;
        form.viewStatisticsForm();
        StatisticsForm* window = form.statisticsForm();
        AddPoint(form, 2, 1);
        AddPoint(form, 9, 9);
        form.handleButton(KeySigmaMinus); // X is n now: (1, 9) is no point of the list
        QVERIFY(window->agreement()->isVisibleTo(window));
        QVERIFY(window->rebuildButton()->isVisibleTo(window));
        QVERIFY(window->clearListButton()->isVisibleTo(window));
        window->rebuildButton()->click();
        QCOMPARE(PointsAgree(), PointsAgreement::Match);
        QVERIFY(!window->agreement()->isVisibleTo(window));
        QCOMPARE(Regs.registers[RegCount], 2.0);
        form.undo();
        QCOMPARE(PointsAgree(), PointsAgreement::Differ);
        window->clearListButton()->click();
        QVERIFY(StatisticsPoints().empty());
        QVERIFY(window->agreement()->isVisibleTo(window));
        QVERIFY(!window->rebuildButton()->isVisibleTo(window));
    }

    void csvGoesOutAndComesBack()
    {
        QuietForm form;
        form.viewStatisticsForm();
        StatisticsForm* window = form.statisticsForm();
        QApplication::clipboard()->setText("0.1\t0.30000000000000004\n-2.5e-12\t1e300\n");
        window->paste();
        const std::vector<DataPoint> before = StatisticsPoints();
        QTemporaryDir dir;
        const QString file = dir.filePath("points.csv");
        for (bool comma : {false, true}) {
            Prefs.setCommaRadix(comma);
            QVERIFY(StatisticsForm::exportTo(file));
            form.handleButton(KeyClearStatistics);
            QVERIFY(StatisticsPoints().empty());
            QVERIFY(window->importFrom(file));
            QCOMPARE(StatisticsPoints().size(), before.size());
            for (std::size_t i = 0; i < before.size(); ++i)
                QVERIFY(StatisticsPoints()[i].x == before[i].x && StatisticsPoints()[i].y == before[i].y);
        }
        QVERIFY(!window->importFrom(dir.filePath("none.csv")));
        QVERIFY(window->notice()->text().contains("none.csv"));
        // A pipe in the file's place is refused, not waited on.
        const QString pipe = dir.filePath("pipe.csv");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(!window->importFrom(pipe));
    }

    void plotShowsPointsAndLineInColourAndGrey()
    {
        QuietForm form;
        form.viewStatisticsForm();
        StatisticsPlot* plot = form.statisticsForm()->plot();
        const QColor line = plot->palette().color(QPalette::Link);
        const QColor text = plot->palette().color(QPalette::Text);
        const int empty = InkOf(PaintPlot(plot, 1), line);
        AddPoint(form, 2, 1);
        AddPoint(form, 5, 2);
        AddPoint(form, 5, 3);
        for (qreal ratio : {1.0, 2.0}) {
            const QImage image = PaintPlot(plot, ratio);
            QVERIFY2(InkOf(image, line) > 200 * ratio, "the line drawn");
            // In grey the line stands out from the paper: on it, against
            // beside it.
            const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
            const QPoint on = (plot->positionOf(2, LineAt(2)) * ratio).toPoint();
            const QPoint off = (plot->positionOf(2.5, LineAt(2.5) + 0.4) * ratio).toPoint();
            QVERIFY2(qGray(grey.pixel(off)) - qGray(grey.pixel(on)) > 60, "the line shows in grey");
            // Each point a ring of the text's colour around its place.
            for (const DataPoint& p : StatisticsPoints()) {
                const QPoint at = (plot->positionOf(p.x, p.y) * ratio).toPoint();
                int ring = 0;
                for (int dy = -int(5 * ratio); dy <= 5 * ratio; ++dy)
                    for (int dx = -int(5 * ratio); dx <= 5 * ratio; ++dx)
                        ring += Near(image.pixelColor(at + QPoint(dx, dy)), text, 200);
                QVERIFY2(ring >= 8 * ratio, qPrintable(QString("%1 at %2").arg(ring).arg(p.x)));
            }
        }
        QCOMPARE(empty, 0);
        // Selected rows are drawn as filled marks of the highlight colour.
        const QColor highlight = plot->palette().color(QPalette::Highlight);
        const int before = InkOf(PaintPlot(plot, 1), highlight);
        form.statisticsForm()->table()->selectRow(1);
        QVERIFY(InkOf(PaintPlot(plot, 1), highlight) > before + 20);
    }

    // Every control and every result has a name for screen readers.
    void everyControlIsNamed()
    {
        QuietForm form;
        form.viewStatisticsForm();
        AddPoint(form, 2, 1);
        AddPoint(form, 4, 3);
        QStringList unnamed, names;
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            const QAccessible::Role role = node->role();
            const QString name = node->text(QAccessible::Name);
            // Plain widgets that only hold others need no name.
            const bool holder = node->object() && node->object()->metaObject() == &QWidget::staticMetaObject;
            if (role == QAccessible::Button || role == QAccessible::Table || role == QAccessible::StaticText ||
                (role == QAccessible::Client && !holder)) {
                if (name.isEmpty() && node->object() && node->object()->isWidgetType() &&
                    static_cast<QWidget*>(node->object())->isVisible())
                    unnamed << node->object()->metaObject()->className() + QString(" ") + node->object()->objectName();
                names << name;
            }
            for (int i = 0; i < node->childCount(); ++i)
                if (QAccessibleInterface* child = node->child(i); child && role != QAccessible::Table)
                    walk(child);
        };
        walk(QAccessible::queryAccessibleInterface(form.statisticsForm()));
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
        QVERIFY(names.contains("Scatter plot"));
        QVERIFY(names.contains("Points"));
        QVERIFY(names.contains("Mean of x: 2."));
    }

    void keysWindowOpensIt()
    {
        QuietForm form;
        form.viewKeysForm();
        QPushButton* button = form.keysForm()->statisticsDataButton();
        QVERIFY(button->isVisibleTo(form.keysForm()));
        button->click();
        QVERIFY(form.statisticsForm() && form.statisticsForm()->isVisible());
        form.setFunction(FunctionStandard);
        QVERIFY(!button->isVisibleTo(form.keysForm()));
    }
};

QTEST_MAIN(StatisticsFormTest)
#include "test_statistics.moc"
