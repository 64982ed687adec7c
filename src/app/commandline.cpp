// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include <QCommandLineParser>
#include <QStringList>

#include <iostream>

namespace {
// The program speaks Italian; a terminal may be read by anyone, so each line comes in English too.
void printHelp(const QList<QCommandLineOption> &options)
{
    std::cout << "Uso / Usage: geomira [opzione / option]\n"
                 "Calcolatore di formule geometriche / A calculator of geometric formulas.\n\n";
    for (const QCommandLineOption &option : options) {
        const QStringList names = option.names();
        const QString shown = QStringLiteral("  -%1, --%2").arg(names.front(), names.back());
        std::cout << shown.leftJustified(18).toStdString() << option.description().toStdString() << '\n';
    }
}
} // namespace

std::optional<int> answerCommandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("mostra questo aiuto / shows this help"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("mostra la versione / shows the version"));
    QCommandLineParser parser;
    parser.addOption(help);
    parser.addOption(version);
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QStringList wrong = parser.unknownOptionNames() + parser.positionalArguments();
        std::cerr << "geomira: opzione sconosciuta / unknown option: " << wrong.join(QLatin1Char(' ')).toStdString()
                  << "\nProvare / Try: geomira --help\n";
        return 2;
    }
    if (parser.isSet(help)) {
        printHelp({help, version});
        return 0;
    }
    if (parser.isSet(version)) {
        std::cout << "Geomira " GEOMIRA_VERSION "\n";
        return 0;
    }
    return std::nullopt;
}
