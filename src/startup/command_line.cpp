#include "startup/command_line.h"

namespace kaven::startup {

CommandLine::CommandLine()
    : dataDir_(QStringLiteral("data-dir"),
               QStringLiteral("Keep the answers in DIR, an existing folder; the delivered data files "
                              "are laid there when it holds none."),
               QStringLiteral("DIR")),
      newSeries_(QStringLiteral("new-series"),
                 QStringLiteral("Move the data files of the series so far into a dated folder beside "
                                "them, lay a fresh set, print both paths and end.")),
      help_({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and end.")),
      version_({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Show the version and end."))
{
    parser_.setApplicationDescription(
        QStringLiteral("Five timed, adaptive practice tests for the KAVEN admission exam.\n"
                       "The answers are kept in the program's own folder when it holds the data files,\n"
                       "otherwise in your data folder (for example ~/.local/share/kaven)."));
    // Qt's own help option would also offer options of Qt's that this program does not take.
    parser_.addOptions({dataDir_, newSeries_, help_, version_});
}

CommandLine::Action CommandLine::parse(const QStringList& arguments)
{
    if (!parser_.parse(arguments))
        error_ = parser_.errorText();
    else if (!parser_.positionalArguments().isEmpty())
        error_ = QStringLiteral("Unexpected argument '%1'.").arg(parser_.positionalArguments().constFirst());
    else if (parser_.isSet(dataDir_) && parser_.value(dataDir_).isEmpty())
        error_ = QStringLiteral("The option --data-dir needs a folder.");
    if (!error_.isEmpty())
        return Action::Error;
    if (parser_.isSet(help_))
        return Action::Help;
    if (parser_.isSet(version_))
        return Action::Version;
    return parser_.isSet(newSeries_) ? Action::NewSeries : Action::Run;
}

QString CommandLine::dataDir() const
{
    return parser_.value(dataDir_);
}

} // namespace kaven::startup
