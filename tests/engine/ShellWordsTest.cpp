#include "engine/ShellWords.h"

#include <gtest/gtest.h>

namespace {

std::string shown(const QStringList &words)
{
    return ("[" + words.join("] [") + "]").toStdString();
}

} // namespace

TEST(ShellWords, SplitsAsAShellWould)
{
    struct Case
    {
        QString text;
        QStringList words;
    };
    const QList<Case> cases{
        {"", {}},
        {"  \t ", {}},
        {"--no-mtime", {"--no-mtime"}},
        {"  -f   'bv*+ba'  ", {"-f", "bv*+ba"}},
        {"--user-agent \"Mozilla/5.0 (X11)\"", {"--user-agent", "Mozilla/5.0 (X11)"}},
        {"a'b c'd", {"ab cd"}},
        {"'' \"\"", {"", ""}},
        {"it\\'s", {"it's"}},
        {"'it'\\''s'", {"it's"}},
        {"a\\ b", {"a b"}},
        {"\"a \\\"q\\\" \\\\ \\$HOME \\x\"", {"a \"q\" \\ $HOME \\x"}},
        {"'$HOME `x` \\n | ; # (a)'", {"$HOME `x` \\n | ; # (a)"}},
        {"\\$5 \\|", {"$5", "|"}},
        {"one\\\ntwo", {"onetwo"}},
        {"one\ntwo\r\nthree", {"one", "two", "three"}},
        {"a#b", {"a#b"}},
        {"--match-filters \"duration>60\"", {"--match-filters", "duration>60"}},
        {"中文 'ü ñ'", {"中文", "ü ñ"}},
    };
    for (const Case &c : cases) {
        const Checked<QStringList> words = ShellWords::split(c.text);
        ASSERT_TRUE(words) << c.text.toStdString() << ": " << words.error().toStdString();
        EXPECT_EQ(words.value(), c.words) << c.text.toStdString() << "\n got " << shown(words.value());
    }
}

TEST(ShellWords, RefusesWhatAShellWouldReadOtherwise)
{
    struct Case
    {
        QString text;
        QString message;
    };
    const QList<Case> cases{
        {"--a 'open", "A quote (') is not closed."},
        {"--a \"open", "A quote (\") is not closed."},
        {"--a \"x\\\"", "A quote (\") is not closed."},
        {"ends\\", "The text ends with a backslash."},
        {"--exec x | rm", "Put | in quotes: a shell would read it as an operator."},
        {"a;b", "Put ; in quotes: a shell would read it as an operator."},
        {"> out", "Put > in quotes: a shell would read it as an operator."},
        {"a&", "Put & in quotes: a shell would read it as an operator."},
        {"(x)", "Put ( in quotes: a shell would read it as an operator."},
        {"$HOME", "Put $ in single quotes or after a backslash: a shell would expand it."},
        {"\"$(id)\"", "Put $ in single quotes or after a backslash: a shell would expand it."},
        {"`id`", "Put ` in single quotes or after a backslash: a shell would expand it."},
        {"--a #comment", "Put # in quotes: a shell would read the rest as a comment."},
    };
    for (const Case &c : cases) {
        const Checked<QStringList> words = ShellWords::split(c.text);
        ASSERT_FALSE(words) << c.text.toStdString();
        EXPECT_EQ(words.error(), c.message) << c.text.toStdString();
    }
}

TEST(ShellWords, JoinedWordsSplitBackTheSame)
{
    const QList<QStringList> lists{
        {},
        {"--no-mtime"},
        {"-f", "bv*+ba/b", "--user-agent", "Mozilla/5.0 (X11; Linux)"},
        {"", "it's", "a\"b", "back\\slash", "$HOME", "`x`", "#c", "line\nbreak", "tab\there", "中文"},
    };
    for (const QStringList &words : lists) {
        const QString text = ShellWords::join(words);
        const Checked<QStringList> back = ShellWords::split(text);
        ASSERT_TRUE(back) << text.toStdString() << ": " << back.error().toStdString();
        EXPECT_EQ(back.value(), words) << text.toStdString();
    }
    EXPECT_EQ(ShellWords::join({"--sub-langs", "en,de", "a b", ""}), "--sub-langs en,de 'a b' ''");
}
