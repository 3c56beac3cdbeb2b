#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

// The options of one tarvelle-cli command, read by Qt's parser. Qt's own
// error texts name options without their dashes and in Qt's words; the
// command line reports them in its own terms instead ("--output needs a
// value"), naming the first faulty argument as the user typed it.
class CommandOptions
{
public:
    // `synopsis` follows the program name in the help ("download [OPTIONS]
    // URL..."); `summary` is one translated paragraph under it.
    CommandOptions(QString command, QString synopsis, QString summary, const QList<QCommandLineOption> &options);

    // `arguments` follow the command word. "--name value", "--name=value" and
    // "-name" are accepted; "--" ends the options. False when an argument is
    // not understood; error() then says which.
    bool parse(const QStringList &arguments);
    QString error() const { return m_error; }

    // --help or -h was given (before "--"), whatever else went wrong.
    bool helpRequested() const { return m_helpRequested; }
    // The command's help: synopsis, summary and every option with its text.
    QString help() const;

    bool isSet(const QString &name) const { return m_parser.isSet(name); }
    // The option's last value (a later one overrides an earlier one).
    QString value(const QString &name) const { return m_parser.value(name); }
    QStringList positionalArguments() const { return m_parser.positionalArguments(); }

    QString unknownOption(const QString &spelling) const;

private:
    QString diagnose(const QStringList &arguments) const;
    const QCommandLineOption *find(const QString &name) const;

    QString m_command;
    QString m_synopsis;
    QString m_summary;
    QList<QCommandLineOption> m_options;
    QCommandLineParser m_parser;
    QString m_error;
    bool m_helpRequested = false;
};
