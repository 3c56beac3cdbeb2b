#include "cli/CommandOptions.h"

#include "cli/CliText.h"

namespace {

const QString helpName = QStringLiteral("help");

QCommandLineOption helpOption()
{
    return QCommandLineOption({helpName, QStringLiteral("h")}, CliText::tr("show this text"));
}

bool isOptionLike(const QString &argument)
{
    return argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-");
}

// "--name" for a long name, "-n" for a one-letter one, as help lists them.
QString spelled(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace

CommandOptions::CommandOptions(QString command, QString synopsis, QString summary,
                               const QList<QCommandLineOption> &options)
    : m_command(std::move(command)), m_synopsis(std::move(synopsis)), m_summary(std::move(summary)),
      m_options(options)
{
    m_options.append(helpOption());
    // "-json" is the option json, as it always was here, not -j -s -o -n.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOptions(m_options);
}

bool CommandOptions::parse(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            m_helpRequested = true;
    }
    // Qt's parser expects the program first.
    if (m_parser.parse(QStringList{m_command} + arguments)) {
        m_error.clear();
        return true;
    }
    m_error = diagnose(arguments);
    if (m_error.isEmpty())
        m_error = m_parser.errorText();
    return false;
}

QString CommandOptions::unknownOption(const QString &spelling) const
{
    return CliText::tr("Unknown option for %1: %2").arg(m_command, spelling);
}

// Walks the arguments as Qt's parser did, to name the first one it refused.
QString CommandOptions::diagnose(const QStringList &arguments) const
{
    for (qsizetype index = 0; index < arguments.size(); ++index) {
        const QString &argument = arguments.at(index);
        if (argument == QLatin1String("--"))
            break;
        if (!isOptionLike(argument))
            continue;
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString typed = equals < 0 ? argument : argument.left(equals);
        const QCommandLineOption *option = find(typed.mid(typed.startsWith(QLatin1String("--")) ? 2 : 1));
        if (!option)
            return unknownOption(typed);
        if (option->valueName().isEmpty()) {
            if (equals >= 0)
                return CliText::tr("%1 takes no value").arg(typed);
        } else if (equals < 0) {
            if (index + 1 == arguments.size())
                return CliText::tr("%1 needs a value").arg(typed);
            ++index; // the value
        }
    }
    return {};
}

const QCommandLineOption *CommandOptions::find(const QString &name) const
{
    for (const QCommandLineOption &option : m_options) {
        if (option.names().contains(name))
            return &option;
    }
    return nullptr;
}

QString CommandOptions::help() const
{
    QList<std::pair<QString, QString>> rows;
    qsizetype widest = 0;
    for (const QCommandLineOption &option : m_options) {
        QStringList names;
        for (const QString &name : option.names())
            names.append(spelled(name));
        QString left = names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            left += QLatin1Char(' ') + option.valueName();
        widest = std::max(widest, left.size());
        rows.append({left, option.description()});
    }
    // Long option names put their text on the next line rather than
    // pushing every description far to the right.
    const qsizetype column = std::min<qsizetype>(widest, 24) + 2;

    QString text = CliText::tr("Usage: tarvelle-cli %1").arg(m_synopsis) + QStringLiteral("\n\n") + m_summary +
                   QStringLiteral("\n\n") + CliText::tr("Options:") + QLatin1Char('\n');
    for (const auto &[left, description] : rows) {
        text += QStringLiteral("  ") + left;
        if (left.size() + 2 > column)
            text += QLatin1Char('\n') + QString(column + 2, QLatin1Char(' '));
        else
            text += QString(column - left.size(), QLatin1Char(' '));
        text += description + QLatin1Char('\n');
    }
    return text;
}
