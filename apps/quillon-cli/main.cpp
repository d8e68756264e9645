// quillon-cli: the spline calculator for scripts, batches and drawings (no display needed).
#include <QCoreApplication>
#include <QStringList>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "quillon/cli/command_line.h"
#include "quillon/cli/console_output.h"

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);  // standard input read in blocks, not byte by byte
    using quillon::cli::ConsoleOutput;
    const ConsoleOutput consoleOut(std::cout, ConsoleOutput::Channel::Output);
    const ConsoleOutput consoleErr(std::cerr, ConsoleOutput::Channel::Error);
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillon-cli"));
    std::vector<std::string> arguments;
    const QStringList given = QCoreApplication::arguments();
    for (qsizetype i = 1; i < given.size(); ++i) {
        arguments.push_back(given[i].toStdString());
    }
    const std::filesystem::path programDirectory(
        QCoreApplication::applicationDirPath().toStdU16String());
    return quillon::cli::runCommandLine(arguments, programDirectory, std::cin, std::cout,
                                        std::cerr);
}
