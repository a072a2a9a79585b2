// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace voltaris {
namespace {

const QString NoSplash = "no-splash";
const QString NoUsageReport = "no-usage-report";
const QString Lang = "lang";

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Voltaris 2010: charged spheres in a square, their potential as a coloured surface and a top view\n"
        "with equipotential and field lines, and charged particles launched through the field."));
    // "-platform" and the like are Qt's, not runs of one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({NoSplash, QCoreApplication::translate("CommandLine", "Start without the splash window.")});
    parser.addOption(
        {NoUsageReport, QCoreApplication::translate("CommandLine", "Send no usage report during this run.")});
    parser.addOption({Lang,
                      QCoreApplication::translate(
                          "CommandLine",
                          "Language of the interface: de (German) or en (English). Without it the program is "
                          "English when the system's language is English, German otherwise."),
                      "de|en"});
    parser.addPositionalArgument(
        "FILE",
        QCoreApplication::translate("CommandLine", "A project file (.psf) to open once the program has started."),
        "[FILE]");
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
        problem = QCoreApplication::translate("CommandLine", "Only one project file can be opened.");
    } else if (parser.isSet(Lang) && !LanguageFromCode(parser.value(Lang))) {
        problem =
            QCoreApplication::translate("CommandLine", "Unknown language '%1': use de or en.").arg(parser.value(Lang));
    }
    if (!problem.isEmpty()) {
        if (error) *error = problem;
        return std::nullopt;
    }
    AppOptions options;
    options.showSplash = !parser.isSet(NoSplash);
    options.usageReport = !parser.isSet(NoUsageReport);
    if (parser.isSet(Lang)) options.language = LanguageFromCode(parser.value(Lang));
    // The project keeps its path for saving: a later change of the working folder must not move it.
    if (!parser.positionalArguments().isEmpty()) {
        options.projectFile = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    }
    return options;
}

}  // namespace voltaris
