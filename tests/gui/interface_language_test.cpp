// SPDX-License-Identifier: GPL-3.0-or-later
// The English interface: a start in English, the switch back to German from the menu that
// restores every text of the window, and numbers typed with the point that save exactly as the
// same numbers typed in German.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "app/interface_language.h"
#include "model/number_format.h"
#include "support/view_test_support.h"
#include "support/window_fixture.h"

using namespace voltaris;
using namespace voltaris::test;

namespace {

QString Path(const QObject* object, const QObject* window) {
    QString path;
    for (; object && object != window; object = object->parent()) {
        const QString name = object->objectName();
        path.prepend("/" + (name.isEmpty() ? QString(object->metaObject()->className()) : name));
    }
    return path;
}

// Every text the window shows or shows on request: title, menus with entries and hints, toolbar
// captions and tooltips, labels, buttons, group titles, tab captions, combo-box items, table
// headers and cells, edit fields and the status bar; hidden pages included. Digits are masked:
// frame counts change while the text stays the same; decimal separators stay.
QStringList VisibleTexts(QWidget& window) {
    QStringList texts{"title: " + window.windowTitle()};
    auto add = [&](const QObject* object, const char* what, const QString& text) {
        if (!text.isEmpty()) texts << Path(object, &window) + " " + what + ": " + text;
    };
    for (const QAction* action : window.findChildren<QAction*>()) {
        add(action, "text", action->text());
        add(action, "tooltip", action->toolTip());
        add(action, "hint", action->statusTip());
    }
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        add(widget, "tooltip", widget->toolTip());
        add(widget, "hint", widget->statusTip());
        if (auto* menu = qobject_cast<const QMenu*>(widget)) add(menu, "menu", menu->title());
        if (auto* label = qobject_cast<const QLabel*>(widget)) add(label, "label", label->text());
        if (auto* button = qobject_cast<const QAbstractButton*>(widget)) add(button, "button", button->text());
        if (auto* group = qobject_cast<const QGroupBox*>(widget)) add(group, "group", group->title());
        if (auto* edit = qobject_cast<const QLineEdit*>(widget)) add(edit, "edit", edit->text());
        if (auto* bar = qobject_cast<const QStatusBar*>(widget)) add(bar, "message", bar->currentMessage());
        if (auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                add(tabs, "tab", tabs->tabText(i));
                add(tabs, "tab tooltip", tabs->tabToolTip(i));
            }
        }
        if (auto* combo = qobject_cast<const QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i) add(combo, "item", combo->itemText(i));
        }
        if (auto* view = qobject_cast<const QAbstractItemView*>(widget); view && view->model()) {
            const QAbstractItemModel& model = *view->model();
            for (int c = 0; c < model.columnCount(); ++c) add(view, "column", model.headerData(c, Qt::Horizontal).toString());
            for (int r = 0; r < model.rowCount(); ++r) {
                add(view, "row", model.headerData(r, Qt::Vertical).toString());
                for (int c = 0; c < model.columnCount(); ++c) add(view, "cell", model.index(r, c).data().toString());
            }
        }
    }
    texts.replaceInStrings(QRegularExpression("\\d+"), "#");
    return texts;
}

QStringList MenuBarTitles(QWidget& window) {
    QStringList titles;
    for (QAction* entry : window.findChild<QMenuBar*>()->actions()) titles << entry->text().remove('&');
    return titles;
}

}  // namespace

class InterfaceLanguageTest : public QObject {
    Q_OBJECT
    WindowFixture w;

    bool StartIn(InterfaceLanguage language) {
        SetInterfaceLanguage(language);
        return w.StartActive();
    }
    void SwitchFromTheMenu(const char* entry) {
        QAction* action = w.Action(entry);
        QVERIFY(action);
        action->trigger();
        // Widgets receive the change as posted events; the frame-rate readouts recompose on
        // their next tick.
        QCoreApplication::sendPostedEvents();
        QTest::qWait(700);
    }
    // Types `text` into the amount cell of the active tab's first charge, key by key.
    void TypeFirstAmount(const QString& text) {
        auto* grid = w.Control<QTableWidget>("StringGridDB");
        QVERIFY(grid);
        // The first click on a cell arms editing (row 1 holds the amounts, column 1 charge 1).
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                          grid->visualRect(grid->model()->index(1, 1)).center());
        grid->editItem(grid->item(1, 1));
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }
    QByteArray SavedProject(const char* name) {
        const std::string path = (std::filesystem::temp_directory_path() / name).string();
        std::filesystem::remove(path);
        w.dialogs.saveFiles = {path};
        w.Action("Speichernunter1")->trigger();
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private Q_SLOTS:
    void initTestCase() { VOLTARIS_SKIP_WITHOUT_OPENGL(); }
    void cleanup() {
        if (w.form) w.Stop();
        SetInterfaceLanguage(InterfaceLanguage::German);
    }

    void theConversionMessageSpeaksTheInterfaceLanguage() {
        const std::string message = ConversionError("1.2.3").what();
        QCOMPARE(InterfaceErrorText(message), QString::fromStdString(message));
        SetInterfaceLanguage(InterfaceLanguage::English);
        QCOMPARE(InterfaceErrorText(message), QString("'1.2.3' is not a valid floating-point value"));
        QCOMPARE(InterfaceErrorText(ConversionError("").what()), QString("'' is not a valid floating-point value"));
        // Other messages of the model pass unchanged.
        QCOMPARE(InterfaceErrorText("Die Datei ist leer."), QString("Die Datei ist leer."));
    }

    void anEnglishStartNamesMenusAndTitleInEnglish() {
        QVERIFY(StartIn(InterfaceLanguage::English));
        QCOMPARE(w.form->windowTitle(), QString("Voltaris 2010 - Project: Beispielprojekt"));
        const QStringList titles = MenuBarTitles(*w.form);
        for (const char* title : {"File", "Tabs", "3D graph", "2D graph", "Extras"}) {
            QVERIFY2(titles.contains(title), qPrintable(titles.join(" | ")));
        }
        QVERIFY(w.Action("English1")->isChecked());
        QVERIFY(!w.Action("Deutsch1")->isChecked());
    }

    void switchingBackToGermanRestoresEveryText() {
        QVERIFY(StartIn(InterfaceLanguage::German));
        QTest::qWait(700);
        const QStringList german = VisibleTexts(*w.form);
        w.Stop();

        QVERIFY(StartIn(InterfaceLanguage::English));
        QTest::qWait(700);
        QVERIFY(VisibleTexts(*w.form) != german);
        SwitchFromTheMenu("Deutsch1");
        QCOMPARE(CurrentInterfaceLanguage(), InterfaceLanguage::German);
        QVERIFY(w.Action("Deutsch1")->isChecked());
        const QStringList switched = VisibleTexts(*w.form);
        // A failure names every text that differs.
        QStringList differences;
        for (qsizetype i = 0; i < std::max(german.size(), switched.size()); ++i) {
            const QString expected = german.value(i), actual = switched.value(i);
            if (actual != expected) differences << "German:   " + expected << "switched: " + actual;
        }
        QVERIFY2(differences.isEmpty(), qPrintable("\n" + differences.join("\n")));
    }

    void aNumberTypedWithThePointSavesAsTheSameNumberTypedInGerman() {
        QVERIFY(StartIn(InterfaceLanguage::German));
        TypeFirstAmount("-1,5E-19");
        const double german = w.project.Active().charges[0].amount;
        const QByteArray germanFile = SavedProject("voltaris_gui_language_de.psf");
        w.Stop();

        QVERIFY(StartIn(InterfaceLanguage::English));
        TypeFirstAmount("-1.5E-19");
        QCOMPARE(w.project.Active().charges[0].amount, german);
        QVERIFY2(w.dialogs.errors.empty(), w.dialogs.ShownText().c_str());
        const QByteArray englishFile = SavedProject("voltaris_gui_language_en.psf");
        QVERIFY(!englishFile.isEmpty());
        QVERIFY(englishFile.contains("-1,5E-19"));
        QCOMPARE(englishFile, germanFile);
    }
};

QTEST_MAIN(InterfaceLanguageTest)
#include "interface_language_test.moc"
