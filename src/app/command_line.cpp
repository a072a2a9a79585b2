// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace voltaris {
namespace {

const QCommandLineOption NoSplash("no-splash", "Start without the splash window.");
const QCommandLineOption NoUsageReport("no-usage-report", "Send no usage report during this run.");

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "Voltaris 2010: charged spheres in a square, their potential as a coloured surface and a top view\n"
        "with equipotential and field lines, and charged particles launched through the field.");
    // "-platform" and the like are Qt's, not runs of one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(NoSplash);
    parser.addOption(NoUsageReport);
    parser.addPositionalArgument("FILE", "A project file (.psf) to open once the program has started.", "[FILE]");
}

}  // namespace

std::optional<int> AnswerInfoOptions(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    Describe(parser);
    // Qt's own options are still among the arguments: errors are left to ParseAppOptions.
    parser.parse(arguments);
    const bool help = parser.isSet("help") || parser.isSet("help-all");
    if (!help && !parser.isSet("version")) return std::nullopt;
    if (help) {
        // A core application (no display) names the program in the usage line.
        QCoreApplication core(argc, argv);
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
    } else {
        std::printf("voltaris %s\n", VOLTARIS_VERSION);
    }
    return 0;
}

std::optional<AppOptions> ParseAppOptions(const QStringList& arguments, QString* error) {
    QCommandLineParser parser;
    Describe(parser);
    QString problem;
    if (!parser.parse(arguments)) {
        problem = parser.errorText();
    } else if (parser.positionalArguments().size() > 1) {
        problem = "Only one project file can be opened.";
    }
    if (!problem.isEmpty()) {
        if (error) *error = problem;
        return std::nullopt;
    }
    AppOptions options;
    options.showSplash = !parser.isSet(NoSplash);
    options.usageReport = !parser.isSet(NoUsageReport);
    // The project keeps its path for saving: a later change of the working folder must not move it.
    if (!parser.positionalArguments().isEmpty()) {
        options.projectFile = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    }
    return options;
}

}  // namespace voltaris
