#include "settings/SettingsStore.h"

#include "support/FileModes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// A damaged settings file is moved aside, never written over; the settings
// that still read are kept and the next write adds to them.
TEST(SettingsStore, ADamagedFileIsSetAsideAndWhatStillReadsIsKept)
{
    struct Case
    {
        const char *name;
        QByteArray contents; // the damaged file
        QJsonObject kept;
        std::function<void(const QString &)> spoil = {}; // instead of contents
        bool unreadable = false;                         // mode 000
    };
    const QList<Case> cases = {
        {"cut short", R"({"a": 1, "b": "x, }", "c": {"d": [1, 2]}, "e": tr)",
         {{"a", 1}, {"b", "x, }"}, {"c", QJsonObject{{"d", QJsonArray{1, 2}}}}}},
        {"one mangled value", R"({"a": true, "b": nope, "c": "y"})", {{"a", true}, {"c", "y"}}},
        {"binary junk", QByteArray("PK\x03\x04\x00\xff\xfe{\"a\": 1}", 14), {}},
        {"not an object", "[1, 2]", {}},
        {"a folder in its place", {}, {},
         [](const QString &path) { QDir().mkpath(path + "/inside"); }},
        {"unreadable", R"({"a": 1})", {}, {}, true},
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("settings.json");
        if (c.spoil) {
            c.spoil(path);
        } else {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.contents);
            if (c.unreadable)
                file.setPermissions({});
        }
        SettingsStore store(path);
        std::optional<QString> announced;
        store.setSetAsideHandler([&](const QString &aside) { announced = aside; });
        // Tests run as root, who reads any file: the unreadable one is read
        // without that override.
        const auto firstRead = [&] { store.value("a"); };
        c.unreadable ? FileModes::runEnforced(firstRead) : firstRead();
        store.setValue("new", 5);

        const QStringList aside = QDir(dir.path()).entryList({"settings.json.bad-*"}, QDir::AllEntries | QDir::Hidden);
        ASSERT_EQ(aside.size(), 1) << c.name;
        EXPECT_TRUE(QRegularExpression("^settings\\.json\\.bad-\\d{8}T\\d{6}$").match(aside[0]).hasMatch())
            << c.name << ": " << aside[0].toStdString();
        const QString asidePath = dir.filePath(aside[0]);
        EXPECT_EQ(store.setAsideFile(), asidePath) << c.name;
        EXPECT_EQ(announced, asidePath) << c.name;
        if (c.spoil) {
            EXPECT_TRUE(QFileInfo(asidePath + "/inside").isDir()) << c.name;
        } else {
            QFile::setPermissions(asidePath, QFile::ReadOwner | QFile::WriteOwner);
            EXPECT_EQ(readAll(asidePath), c.contents) << c.name << ": set aside as it was";
        }

        QJsonObject expected = c.kept;
        expected.insert("new", 5);
        EXPECT_EQ(QJsonDocument::fromJson(readAll(path)).object(), expected) << c.name << ": " << readAll(path).toStdString();

        SettingsStore nextStart(path);
        EXPECT_EQ(nextStart.value("new"), 5) << c.name;
        EXPECT_TRUE(nextStart.setAsideFile().isEmpty()) << c.name << ": told once";
    }
}
