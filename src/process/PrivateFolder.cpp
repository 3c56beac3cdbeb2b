#include "process/PrivateFolder.h"

#include <QDir>
#include <QFile>

#include <cstdlib>

PrivateFolder::PrivateFolder()
{
    // mkdtemp makes the folder with mode 0700 under a name nobody could
    // have prepared.
    QByteArray name = QFile::encodeName(QDir::tempPath()) + "/tarvelle-run-XXXXXX";
    if (::mkdtemp(name.data()))
        m_path = name;
}

PrivateFolder::~PrivateFolder()
{
    if (isValid())
        QDir(QFile::decodeName(m_path)).removeRecursively();
}
