// SPDX-License-Identifier: GPL-3.0-or-later
// Every control of the bottom panel, its pages, the amount box and the row below the views
// shows whole in this desktop's font, at the design size and on a large screen: none is
// smaller than it needs, none reaches outside its parent.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>
#include <QToolButton>
#include <QTest>
#include <algorithm>

#include "app/pages/bottom_pages.h"
#include "support/view_test_support.h"
#include "support/window_fixture.h"

using namespace voltaris;
using namespace voltaris::test;

namespace {

// The size a control needs to show whole: a label its whole text, a word-wrapped label the
// height of its lines at its width, a button its full height and its text and icon with a
// little room (the style's wider minimum for short captions aside), anything else its
// minimum size hint or, where it has none, its size hint; never less than a minimum size set
// on it.
QSize Needed(const QWidget& w) {
    QSize need = w.minimumSizeHint();
    if (need.width() < 0) need.setWidth(w.sizeHint().width());
    if (need.height() < 0) need.setHeight(w.sizeHint().height());
    if (auto* button = qobject_cast<const QAbstractButton*>(&w)) {
        const int content = button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) +
                            (button->icon().isNull() ? 0 : button->iconSize().width()) + 12;
        need = QSize(std::min(w.sizeHint().width(), content), w.sizeHint().height());
    }
    if (auto* label = qobject_cast<const QLabel*>(&w)) {
        need = label->wordWrap() ? QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()))
                                 : label->sizeHint();
    }
    return need.expandedTo(w.minimumSize()).expandedTo(QSize(0, 0));
}

QString Describe(const QWidget& w) {
    const QRect g = w.geometry();
    return QString("%1 (%2) at %3,%4 %5x%6").arg(w.objectName(), w.metaObject()->className()).arg(g.x()).arg(g.y())
        .arg(g.width()).arg(g.height());
}

// Checks `root` and every visible control below it; Qt's own inner widgets are walked
// through but not judged.
void Judge(const QWidget& root, const QString& where, QStringList& faults, int& judged) {
    for (const QWidget* w : root.findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow() || w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
            continue;
        ++judged;
        const QSize need = Needed(*w);
        if (w->width() < need.width() || w->height() < need.height())
            faults << QString("%1: %2 needs %3x%4").arg(where, Describe(*w)).arg(need.width()).arg(need.height());
        if (!w->parentWidget()->rect().contains(w->geometry()))
            faults << QString("%1: %2 reaches outside %3").arg(where, Describe(*w), w->parentWidget()->objectName());
        // A table shows all its rows, the last one included.
        if (auto* table = qobject_cast<const QTableWidget*>(w); table && table->rowCount() > 0) {
            const int last = table->rowCount() - 1;
            if (table->rowViewportPosition(last) + table->rowHeight(last) > table->viewport()->height())
                faults << QString("%1: %2 hides part of its last row").arg(where, Describe(*w));
        }
    }
}

}  // namespace

class PageLayoutTest : public QObject {
    Q_OBJECT
    WindowFixture w;

private Q_SLOTS:
    void initTestCase() { VOLTARIS_SKIP_WITHOUT_OPENGL(); }

    void init() { QVERIFY(w.Start()); }
    void cleanup() { w.Stop(); }

    void everyControlOfEveryPageShowsWhole() {
        const pages::BottomPages& pages = w.form->Pages();
        QTabWidget* pageControl = pages.PageControl;
        QWidget* tabArea = w.Control<QWidget>("TabControl");
        QWidget* bottomPanel = w.Control<QWidget>("PanelLegende");

        QStringList faults;
        int judged = 0;
        // The particle switch stays at the page's left edge whether its group shows or not.
        pageControl->setCurrentWidget(pages.particle.page);
        QTest::qWait(50);
        const QPoint switchOff = pages.particle.Button11->pos();
        pages.particle.Button11->click();
        QTest::qWait(50);
        if (switchOff.x() > 12 || pages.particle.Button11->pos() != switchOff)
            faults << QString("the particle switch moves from %1 to %2 or stands off the left edge")
                          .arg(switchOff.x()).arg(pages.particle.Button11->x());

        // Every state that shows more: 20 charges, radiation on with a factor, a replay
        // running, the Render page, the prompts below the views, the amount box, and the
        // longest square size.
        FieldTab& tab = w.project.Active();
        tab.ChargeCount = 20;
        for (int i = 0; i < 20; ++i) tab.charges[i] = Charge{-(i + 1) * 1.11e-10, float(i % 10), 2.22f, 0.555f};
        w.form->RefreshChargeTable();
        pages.bremsstrahlung.Button5->click();
        pages.bremsstrahlung.Edit4->setText("1,67E4");
        pages.slowMotion.Button9->click();
        pageControl->setTabVisible(pageControl->indexOf(pages.render.page), true);
        w.Control<QScrollBar>("ScrollBar5")->setValue(1);
        QCOMPARE(w.Control<QLabel>("Label17")->text(), QString("Das Koordinatensystem ist 1,47E-10m im Quadrat"));
        w.Control<QLabel>("Label18")->show();
        w.Control<QLabel>("Label34")->show();
        w.Control<QWidget>("GroupBox1")->show();

        for (const QSize size : {QSize(1034, 661), QSize(1600, 1000)}) {
            w.form->showNormal();
            w.form->resize(size);
            QVERIFY(WaitUntil([&] { return w.form->size() == size; }));
            const QString atSize = QString("%1x%2").arg(size.width()).arg(size.height());
            for (int i = 0; i < pageControl->count(); ++i) {
                if (!pageControl->isTabVisible(i)) continue;
                pageControl->setCurrentIndex(i);
                QTest::qWait(50);  // posted layout requests
                Judge(*bottomPanel, atSize + " " + pageControl->tabText(i), faults, judged);
            }
            // The link that hides the toolbars covers no toolbar button and no page tab.
            const QRect link = w.Control<QWidget>("Panel1")->geometry();
            QList<QRect> covered;
            for (const QToolButton* button : bottomPanel->findChildren<QToolButton*>())
                if (button->isVisible()) covered << QRect(button->mapTo(bottomPanel, QPoint()), button->size());
            const QTabBar* pageTabs = pageControl->findChild<QTabBar*>();
            for (int i = 0; i < pageTabs->count(); ++i)
                if (pageTabs->isTabVisible(i))
                    covered << pageTabs->tabRect(i).translated(pageTabs->mapTo(bottomPanel, QPoint()));
            for (const QRect& r : covered)
                if (r.intersects(link)) faults << QString("%1: the toolbar link covers a button or tab").arg(atSize);
            for (const char* name : {"TabControlTabs", "ScrollBar5", "Label17", "Label18", "Label34", "GroupBox1"}) {
                const QWidget* control = w.Control<QWidget>(name);
                const QString where = atSize + " below the views";
                if (!tabArea->rect().contains(control->geometry()))
                    faults << QString("%1: %2 reaches outside the tab area").arg(where, Describe(*control));
                if (control->width() < Needed(*control).width() || control->height() < Needed(*control).height())
                    faults << QString("%1: %2 is too small").arg(where, Describe(*control));
            }
            Judge(*w.Control<QWidget>("GroupBox1"), atSize + " amount box", faults, judged);
        }
        pages.slowMotion.Button9->click();
        QVERIFY(judged > 200);
        for (const QString& fault : faults) qWarning("%s", qPrintable(fault));  // a failure message is cut short
        QVERIFY2(faults.isEmpty(), qPrintable(QString("%1 faults, listed above").arg(faults.size())));
    }
};

QTEST_MAIN(PageLayoutTest)
#include "page_layout_test.moc"
