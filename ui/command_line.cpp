// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// Bad options, as for every tool of the game.
constexpr int kUsageStatus = 2;

const QString kComputerOption = QStringLiteral("computer");

// Qt's parser knows no option with an optional value; a bare --computer is
// given the empty value, which means the strength chosen last.
QStringList withComputerValue(QStringList arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--"))
            break;
        if (arguments[i] == QLatin1String("--computer"))
            arguments[i] = QStringLiteral("--computer=");
    }
    return arguments;
}

QString levelNames() {
    QStringList names;
    for (int i = 0; i < kalvora::computer::kLevelCount; ++i)
        names << QLatin1String(
            kalvora::computer::settingsOf(static_cast<kalvora::computer::Level>(i)).name);
    return names.join(QStringLiteral(", "));
}

CommandLine failure(const QString& message) {
    CommandLine result;
    result.exitStatus = kUsageStatus;
    result.output =
        QStringLiteral("kalvora: %1\nTry 'kalvora --help' for the options.\n").arg(message);
    return result;
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A sowing game on a ring of sixteen pits, for two players or against "
                       "the computer. Without an option the window opens and Play Game starts "
                       "a game against the opponent chosen last."));
    const QCommandLineOption computer(
        kComputerOption,
        QStringLiteral("Start a game against the computer, at LEVEL (%1) or at the strength "
                       "chosen last.")
            .arg(levelNames()),
        QStringLiteral("LEVEL"));
    const QCommandLineOption twoPlayers(QStringLiteral("two-players"),
                                        QStringLiteral("Start a game for two players."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOption(computer);
    parser.addOption(twoPlayers);

    if (!parser.parse(withComputerValue(arguments)))
        return failure(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return failure(QStringLiteral("unexpected argument '%1'")
                           .arg(parser.positionalArguments().constFirst()));

    CommandLine result;
    if (parser.isSet(help)) {
        result.exitStatus = 0;
        result.output = parser.helpText().replace(QStringLiteral("--computer <LEVEL>"),
                                                  QStringLiteral("--computer[=LEVEL]"));
        return result;
    }
    if (parser.isSet(version)) {
        result.exitStatus = 0;
        result.output = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                      QCoreApplication::applicationVersion());
        return result;
    }
    if (parser.isSet(computer) && parser.isSet(twoPlayers))
        return failure(QStringLiteral("choose either --computer or --two-players"));
    if (parser.isSet(twoPlayers))
        result.opponent = kalvora::Opponent::TwoPlayers;
    if (parser.isSet(computer)) {
        result.opponent = kalvora::Opponent::Computer;
        const QStringList values = parser.values(computer);
        if (values.size() > 1)
            return failure(QStringLiteral("--computer is given more than once"));
        const QString name = values.constFirst();
        if (!name.isEmpty()) {
            result.level = kalvora::computer::levelNamed(name.toStdString());
            if (!result.level)
                return failure(QStringLiteral("unknown level '%1' for --computer; the levels "
                                              "are %2")
                                   .arg(name, levelNames()));
        }
    }
    return result;
}
