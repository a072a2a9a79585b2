// SPDX-License-Identifier: GPL-3.0-or-later
// What leaves the program: pictures of the views, the printed tab, the help document, the
// website and the usage report.
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <vector>

#include "app/output/tab_printing.h"
#include "app/qt_dialogs.h"
#include "engine/gui/view_window.h"
#include "loopback_server.h"
#include "output/web_addresses.h"
#include "support/view_test_support.h"
#include "support/window_fixture.h"
#include "loopback_server.h"

using namespace voltaris;
using namespace voltaris::test;

namespace {

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QSize PixelSize(QWidget* panel) { return panel->size() * panel->devicePixelRatio(); }

QImage Filled(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A blue picture with a red band along its bottom edge, so that a page shows whether the whole
// picture arrived.
QImage BlueWithRedBottom(int width, int height) {
    QImage image = Filled(width, height, Qt::blue);
    QPainter(&image).fillRect(0, height - height / 20 - 1, width, height / 20 + 1, Qt::red);
    return image;
}

// The box around the pixels of `colour` (within a tolerance for the rendering's smoothing).
QRect Bounds(const QImage& page, QColor colour) {
    QRect box;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) < 60) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

}  // namespace

class OutputTest : public QObject {
    Q_OBJECT
    WindowFixture w;
    std::unique_ptr<QTemporaryDir> temporary;

    std::string In(const char* name) const { return temporary->filePath(name).toStdString(); }
    bool Written(std::initializer_list<const char*> names) const {
        for (const char* name : names)
            if (!QFile::exists(temporary->filePath(name))) return false;
        return true;
    }

    // Runs `open`, which shows a file dialog; returns the folder it starts in and cancels it.
    static QString StartFolderOf(const std::function<void()>& open) {
        QString folder;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                folder = dialog->directory().absolutePath();
                dialog->reject();
            }
        });
        poll.start(50);
        open();
        return folder;
    }

private Q_SLOTS:
    void initTestCase() { VOLTARIS_SKIP_WITHOUT_OPENGL(); }

    void init() {
        temporary = std::make_unique<QTemporaryDir>();
        QVERIFY(temporary->isValid());
        // Every test starts with fresh answers and records.
        w.dialogs = ScriptedDialogs{};
        w.output = ScriptedOutput{};
        QVERIFY(w.Start());
        QVERIFY(WaitForFrames(*w.form->Views().Engine3D(), 3));
        QVERIFY(WaitForFrames(*w.form->Views().Engine2D(), 3));
    }
    void cleanup() { w.Stop(); }

    void bothViewsExportAsJpegBitmapAndPngAtTheirPanelSize() {
        w.output.imageFiles = {In("drei.jpg"), In("drei.bmp"), In("zweijpeg"), In("zwei.bmp"), In("zwei.png")};
        w.Action("GraphalsBilddateiexportieren1")->trigger();
        w.Control<QToolButton>("ToolButton33")->click();
        w.Action("GraphalsBilddateiexportieren2")->trigger();
        w.Control<QToolButton>("ToolButton34")->click();
        w.Action("GraphalsBilddateiexportieren2")->trigger();
        QCOMPARE(w.output.imageDialogs, 5);
        // Each picture is written once its view's thread has read it back.
        QVERIFY(WaitUntil([&] { return Written({"drei.jpg", "drei.bmp", "zweijpeg", "zwei.bmp", "zwei.png"}); }));
        QVERIFY(w.dialogs.messages.empty());

        const QSize size3D = PixelSize(w.Control<QWidget>("Panel3DEngine"));
        const QSize size2D = PixelSize(w.Control<QWidget>("Panel2DEngine"));
        const struct {
            const char* name;
            QSize size;
            QByteArray format;
        } files[] = {{"drei.jpg", size3D, "jpeg"},
                     {"drei.bmp", size3D, "bmp"},
                     {"zweijpeg", size2D, "jpeg"},
                     {"zwei.bmp", size2D, "bmp"},
                     {"zwei.png", size2D, "png"}};
        for (const auto& f : files) {
            QImageReader reader(temporary->filePath(f.name));
            QCOMPARE(reader.format(), f.format);
            const QImage picture = reader.read();
            QCOMPARE(picture.size(), f.size);
            QVERIFY2(DistinctColours(picture) >= 8, f.name);  // a drawn view, not an empty panel
        }
    }

    void exportedBitmapIsWhatTheViewShows() {
        ViewWindow& window = w.form->Views().Window2D();
        w.output.imageFiles = {In("zwei.bmp")};
        w.Action("GraphalsBilddateiexportieren2")->trigger();
        QVERIFY(WaitUntil([&] { return Written({"zwei.bmp"}); }));
        const QImage exported = QImage(temporary->filePath("zwei.bmp")).convertToFormat(QImage::Format_RGB32);
        const QImage screen = GrabView(window).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(exported.size(), screen.size());
        int differing = 0;
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x) differing += exported.pixel(x, y) != screen.pixel(x, y);
        QVERIFY2(differing * 100 < screen.width() * screen.height(), qPrintable(QString::number(differing)));
    }

    void exportAfterTheSplitterMovedTakesTheNewPanelSizes() {
        QWidget* panel3D = w.Control<QWidget>("Panel3DEngine");
        const QSize before = PixelSize(panel3D);
        w.form->resize(w.form->width() - 200, w.form->height() - 100);
        QVERIFY(WaitUntil([&] { return PixelSize(panel3D) != before; }));
        w.output.imageFiles = {In("klein.bmp")};
        w.Action("GraphalsBilddateiexportieren1")->trigger();
        QVERIFY(WaitUntil([&] { return Written({"klein.bmp"}); }));
        QCOMPARE(QImage(temporary->filePath("klein.bmp")).size(), PixelSize(panel3D));
    }

    void unknownEndingsCancelledDialogsAndUnwritableFilesSaveNothing() {
        w.output.imageFiles = {In("x.JPG"), In("x.PNG"), std::nullopt, In("fehlt/x.bmp")};
        for (int i = 0; i < 4; ++i) w.Action("GraphalsBilddateiexportieren1")->trigger();
        QVERIFY(WaitUntil([&] { return w.dialogs.messages.size() >= 3; }));
        QCOMPARE(w.dialogs.messages.size(), size_t(3));
        QCOMPARE(w.dialogs.messages[0], std::string("Unbekanntes Format - Das Bild konnte nicht gespeichert werden."));
        QCOMPARE(w.dialogs.messages[1], w.dialogs.messages[0]);
        // The path and the reason; nothing that says it was saved.
        QVERIFY2(w.dialogs.messages[2].find(In("fehlt/x.bmp")) != std::string::npos, w.dialogs.messages[2].c_str());
        QVERIFY(w.dialogs.messages[2].size() > w.dialogs.messages[2].rfind(": ") + 2);
        QCOMPARE(QDir(temporary->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }

    void pictureDialogProposesTestJpgAndAddsJpegToABareName() {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        ConfigureImageFileDialog(dialog, temporary->path());
        QCOMPARE(dialog.windowTitle(), QString("Graph als Bild exportieren..."));
        QVERIFY(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
        QVERIFY(types);
        QStringList shown;
        for (int i = 0; i < types->count(); ++i) shown << types->itemText(i);
        QCOMPARE(shown, (QStringList{"Alle (*.jpg;*.jpeg;*.bmp;*.png)", "JPEG-Grafikdatei (*.jpg) - gute Qualität",
                                     "JPEG-Grafikdatei (*.jpeg) - gute Qualität", "Bitmap (*.bmp) - beste Qualität",
                                     "PNG-Grafikdatei (*.png) - verlustfrei, für Arbeitsblätter"}));
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(name);
        QCOMPARE(name->text(), QString("test.jpg"));

        dialog.setDirectory(temporary->path());
        dialog.show();
        name->setText("bild");
        QMetaObject::invokeMethod(&dialog, "accept");
        QCOMPARE(dialog.selectedFiles(), QStringList{temporary->filePath("bild.jpeg")});
    }

    // The project and picture dialogs start in the folder of the project's file, or without
    // one in the documents folder; never in the folder the program runs from.
    void fileDialogsStartInTheProjectsFolderOrTheDocuments() {
        Project project = Project::Initial();
        QtDialogs projectDialogs(project);
        QtOutputDialogs pictureDialogs(nullptr, project);
        const std::vector<std::function<void()>> dialogs{[&] { projectDialogs.ChooseFileToOpen(); },
                                                         [&] { projectDialogs.ChooseFileToSave(); },
                                                         [&] { pictureDialogs.ChooseImageFile(); }};
        project.ProjectFileName = In("p.psf");
        for (const auto& open : dialogs) QCOMPARE(StartFolderOf(open), QDir(temporary->path()).absolutePath());

        project.ProjectFileName.clear();
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString expected = QDir(documents).exists() ? documents : QDir::homePath();
        for (const auto& open : dialogs) {
            const QString folder = StartFolderOf(open);
            QCOMPARE(folder, expected);
            QVERIFY(folder != QCoreApplication::applicationDirPath() && folder != QDir::currentPath());
        }
    }

    void pagePictureStacksTheTopViewAboveThe3DView() {
        const QImage page = ComposePagePicture(Filled(400, 300, Qt::red), Filled(600, 300, Qt::blue));
        QCOMPARE(page.size(), QSize(600, 600));
        QCOMPARE(QColor(page.pixel(399, 299)), QColor(Qt::red));
        QCOMPARE(QColor(page.pixel(400, 100)), QColor(Qt::white));
        QCOMPARE(QColor(page.pixel(0, 300)), QColor(Qt::blue));
        QCOMPARE(QColor(page.pixel(599, 599)), QColor(Qt::blue));
    }

    void tallAndWidePicturesStayOnTheSheet() {
        // 1200 printer pixels per inch; 24 of them make one pixel of the page drawn at 50 dpi.
        constexpr int PrinterDpi = 1200, PageDpi = 50, Ratio = PrinterDpi / PageDpi;
        for (const QSize picture : {QSize(400, 800), QSize(800, 400)}) {
            const QString pdf = temporary->filePath("seite.pdf");
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setOutputFileName(pdf);
            QCOMPARE(printer.resolution(), PrinterDpi);
            QVERIFY(PrintPage(printer, "Kopfzeile", BlueWithRedBottom(picture.width(), picture.height())));
            const QString images = Run("pdfimages", {"-list", pdf});
            QVERIFY2(images.contains(QRegularExpression(QString(" image +%1 +%2 ").arg(picture.width()).arg(picture.height()))),
                     qPrintable(images));

            Run("pdftoppm", {"-png", "-r", QString::number(PageDpi), "-singlefile", pdf, temporary->filePath("seite")});
            const QImage page(temporary->filePath("seite.png"));
            QVERIFY(!page.isNull());
            const QRectF drawn = Bounds(page, Qt::blue) | Bounds(page, Qt::red);
            const QString report = QString("%1 x %2 drawn at %3,%4 - %5,%6").arg(picture.width()).arg(picture.height())
                                       .arg(drawn.left()).arg(drawn.top()).arg(drawn.right()).arg(drawn.bottom());
            // Printer pixels count from the printable area's corner, the page drawn from the sheet's.
            const QPointF origin = printer.pageRect(QPrinter::DevicePixel).topLeft();
            auto onPage = [&](double left, double top, double right, double bottom) {
                return QRectF((QPointF(left, top) + origin) / Ratio, (QPointF(right, bottom) + origin) / Ratio);
            };
            // The whole picture, red band at the bottom included, lies within the sheet's margins.
            const QRectF area = onPage(400, 500, printer.width() - 400, printer.height() - 400);
            QVERIFY2(area.adjusted(-1, -1, 1, 1).contains(drawn), qPrintable(report));
            QVERIFY2(std::abs(Bounds(page, Qt::red).bottom() - Bounds(page, Qt::blue).bottom() - drawn.height() / 20) <= 2,
                     qPrintable(report));
            if (picture.height() > picture.width()) {
                // Scaled down with its own shape, as tall as the area allows.
                QCOMPARE(qRound(10 * drawn.height() / drawn.width()), qRound(10.0 * picture.height() / picture.width()));
                QVERIFY2(std::abs(drawn.bottom() - area.bottom()) <= 1, qPrintable(report));
            } else {
                // It fits, and lands where it always did: the width less the margins, the bottom from that width.
                const int right = printer.width() - 400;
                const QRectF rule = onPage(400, 500, right, right * picture.height() / picture.width());
                const QMarginsF off(drawn.left() - rule.left(), drawn.top() - rule.top(), drawn.right() - rule.right(),
                                    drawn.bottom() - rule.bottom());
                QVERIFY2(std::max({std::abs(off.left()), std::abs(off.top()), std::abs(off.right()), std::abs(off.bottom())}) <= 1,
                         qPrintable(report));
            }
        }
    }

    void printingATabPutsHeadingAndBothViewsOnOnePage() {
        QAction* print = w.Action("Tabdrucken1");
        QCOMPARE(print->text(), QString("Tab &drucken"));
        QCOMPARE(print->shortcut(), QKeySequence("Ctrl+Alt+P"));
        QVERIFY(w.Control<QToolBar>("ToolBar1")->widgetForAction(print));

        QVERIFY(w.ShowTab(2));
        const QString heading = w.form->windowTitle() + " - " + QString::fromStdString(w.project.Active().caption);
        QVERIFY(heading.startsWith("Voltaris 2010 - Projekt: Beispielprojekt - "));
        const QString pdf = temporary->filePath("tab.pdf");
        w.output.printFiles = {pdf.toStdString()};
        w.output.chosenCopies = 3;
        w.output.chosenFrom = 2;
        w.output.chosenTo = 3;
        // The dialog opens once both views have handed over their pictures.
        print->trigger();
        QVERIFY(WaitUntil([&] { return w.output.offeredCopies.size() == 1; }));

        const QString info = Run("pdfinfo", {pdf});
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression("Title:\\s+" + QRegularExpression::escape(heading) + "\\n")),
                 qPrintable(info));
        QVERIFY2(Run("pdftotext", {pdf, "-"}).contains(heading), qPrintable(Run("pdftotext", {pdf, "-"})));
        // One picture: the top view above the 3D view.
        const QSize top = PixelSize(w.Control<QWidget>("Panel2DEngine"));
        const QSize view3D = PixelSize(w.Control<QWidget>("Panel3DEngine"));
        const QString images = Run("pdfimages", {"-list", pdf});
        const QString expected = QString("%1 +%2 ").arg(std::max(top.width(), view3D.width())).arg(top.height() + view3D.height());
        QVERIFY2(images.contains(QRegularExpression(" image +" + expected)), qPrintable(images + expected));

        // Printed or cancelled, the dialog offers 1 copy and page 1 again.
        print->trigger();
        QVERIFY(WaitUntil([&] { return w.output.offeredCopies.size() == 2; }));
        QCOMPARE(w.output.offeredCopies, (std::vector<int>{1, 1}));
        QCOMPARE(w.output.offeredFromPages.back(), 1);
        QCOMPARE(w.output.offeredToPages.back(), 1);
        print->trigger();
        QVERIFY(WaitUntil([&] { return w.output.offeredCopies.size() == 3; }));
        QCOMPARE(w.output.offeredCopies.back(), 1);
        QVERIFY(w.dialogs.messages.empty());
    }

    void helpOpensTheDocumentBuiltBesideTheProgram() {
        QAction* help = w.Action("Hilfe2");
        QCOMPARE(help->shortcut(), QKeySequence("F11"));
        QCOMPARE(help->statusTip(), QString("Öffnen Sie den schriftlichen Teil der Facharbeit."));
        help->trigger();
        const QString pdf = QDir(QCoreApplication::applicationDirPath()).filePath("Facharbeit.pdf");
        QCOMPARE(w.output.openedFiles, std::vector<std::string>{pdf.toStdString()});
        QVERIFY(w.dialogs.questions.empty());
        // Our own guide, typeset at build time.
        const QString text = Run("pdftotext", {pdf, "-"});
        QVERIFY2(text.contains("Handbuch für Unterricht und Facharbeit") && text.contains("Die Beispielexperimente"),
                 qPrintable(text));

        w.Action("NachUpdatessuchen1")->trigger();
        QCOMPARE(w.output.openedPages, std::vector<std::string>{WebsitePageUrl()});
    }

    void usageReportReachesTheServerOnceWithoutHoldingTheWindowUp() {
        w.Stop();
        testing::LoopbackServer server(testing::OkReply("danke"));
        server.HoldReplies();
        qputenv("VOLTARIS_REPORT_URL", QByteArray("http://127.0.0.1:") + QByteArray::number(server.Port()));
        w.usageReport = true;
        QVERIFY(w.Start());
        QVERIFY(WaitUntil([&] { return !server.Requests().empty(); }));
        // The server holds its answer back; the window still handles its events.
        bool handled = false;
        QTimer::singleShot(0, [&] { handled = true; });
        QVERIFY(WaitUntil([&] { return handled; }));
        QVERIFY(!w.form->UsageReport().Finished());

        const std::string request = server.Requests().front();
        QVERIFY(request.rfind("POST /potenzial/index2.php HTTP/1.0\r\n", 0) == 0);
        QVERIFY(request.find("\r\nContent-Length: 124\r\n") != std::string::npos);
        QVERIFY(request.find("\r\nContent-Type: multipart/form-data; boundary=--MULTI-PARTS-FORM-DATA-BOUNDARY\r\n") !=
                std::string::npos);
        QCOMPARE(request.substr(request.find("\r\n\r\n") + 4),
                 std::string("----MULTI-PARTS-FORM-DATA-BOUNDARY\r\n"
                             "Content-Disposition: form-data; name=\"Send\"\r\n\r\n"
                             "1\r\n"
                             "----MULTI-PARTS-FORM-DATA-BOUNDARY--\r\n"));

        server.ReleaseReplies();
        QVERIFY(WaitUntil([&] { return w.form->UsageReport().Finished(); }));
        QVERIFY(w.form->UsageReport().Delivered());
        QCOMPARE(server.Requests().size(), size_t(1));
        w.Stop();
        qunsetenv("VOLTARIS_REPORT_URL");
        w.usageReport = false;
        QVERIFY(w.Start());
    }

    void emptyReportAddressOrTheSwitchSendsNoReport() {
        w.Stop();
        qputenv("VOLTARIS_REPORT_URL", "");
        w.usageReport = true;
        QVERIFY(w.Start());
        QTest::qWait(1500);
        QVERIFY(!w.form->UsageReport().Started());
        w.Stop();
        qunsetenv("VOLTARIS_REPORT_URL");
        w.usageReport = false;  // as --no-usage-report does
        QVERIFY(w.Start());
        QTest::qWait(1500);
        QVERIFY(!w.form->UsageReport().Started());
    }
};

QTEST_MAIN(OutputTest)
#include "output_test.moc"
