#pragma once

// The program's command line: kaven [--data-dir DIR] [--new-series] | --help | --version.

#include <QCommandLineParser>
#include <QStringList>

namespace kaven::startup {

class CommandLine {
public:
    enum class Action { Run, NewSeries, Help, Version, Error };

    CommandLine();
    // The arguments as the program got them, its own name first. Needs no application
    // object, so the program can choose which one to make from the result.
    Action parse(const QStringList& arguments);

    QString dataDir() const; // empty when none was given
    QString errorText() const { return error_; }
    // With the application object made, so the usage line names the program.
    QString helpText() const { return parser_.helpText(); }

private:
    QCommandLineParser parser_;
    QCommandLineOption dataDir_;
    QCommandLineOption newSeries_;
    QCommandLineOption help_;
    QCommandLineOption version_;
    QString error_;
};

} // namespace kaven::startup
