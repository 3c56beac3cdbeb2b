#pragma once

#include <QByteArray>

// A new, empty folder only this user can enter (mode 0700), in the system's
// folder for temporary files; removed with everything in it when the value
// goes. For a child process to start in, where nobody else can have left a
// file for it to read.
class PrivateFolder
{
public:
    PrivateFolder();
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder &) = delete;
    PrivateFolder &operator=(const PrivateFolder &) = delete;

    // False when the folder could not be made.
    bool isValid() const { return !m_path.isEmpty(); }
    // Encoded for the system's calls.
    const QByteArray &path() const { return m_path; }

private:
    QByteArray m_path;
};
