// Typesets the help document from its Markdown source into a PDF:
//   voltaris_help_pdf SOURCE.md OUT.pdf
// Runs at build time, without a display.
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: voltaris_help_pdf SOURCE.md OUT.pdf\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "voltaris_help_pdf: cannot read %s: %s\n", argv[1], qPrintable(source.errorString()));
        return 1;
    }
    const QString markdown = QString::fromUtf8(source.readAll());

    const QString out = QString::fromLocal8Bit(argv[2]);
    {
        QPdfWriter writer(out);
        writer.setTitle("Voltaris 2010 - Benutzerhandbuch");
        writer.setCreator("Voltaris 2010");
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                                         QPageLayout::Millimeter));
        QTextDocument document;
        document.setMarkdown(markdown);
        document.print(&writer);
    }
    // An unwritable target leaves nothing behind that looks like a document.
    if (QFile(out).size() == 0) {
        QFile::remove(out);
        std::fprintf(stderr, "voltaris_help_pdf: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
