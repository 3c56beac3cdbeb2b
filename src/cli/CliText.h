#pragma once

#include <QCoreApplication>

// The translation context of the command line's own texts (usage, option
// descriptions, refusals), shared by the files that parse and explain it.
struct CliText
{
    Q_DECLARE_TR_FUNCTIONS(CliArguments)
};
