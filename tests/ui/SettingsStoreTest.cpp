#include "app/QSettingsStore.h"
#include "app/RecentFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zelt {
namespace {

TEST(QSettingsStore, KeepsIntegersBySectionAndName) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("zelt.ini"));
    {
        QSettingsStore store(file);
        EXPECT_EQ(store.ReadInt("ORNKeyboard", "Morvex", 2013), 2013);
        EXPECT_TRUE(store.WriteInt("ORNKeyboard", "Morvex", 2018));
        EXPECT_EQ(store.ReadInt("ORNKeyboard", "Morvex", 2013), 2018);
        EXPECT_EQ(store.ReadInt("Other", "Morvex", 7), 7);
    }
    QSettingsStore reopened(file);
    EXPECT_EQ(reopened.ReadInt("ORNKeyboard", "Morvex", 2013), 2018);
}

TEST(QSettingsStore, ValueThatIsNoIntegerReadsAsTheDefault) {
    QTemporaryDir dir;
    QSettingsStore store(dir.filePath(QStringLiteral("zelt.ini")));
    store.Settings().setValue(QStringLiteral("ORNKeyboard/Morvex"), QStringLiteral("RM0480"));
    EXPECT_EQ(store.ReadInt("ORNKeyboard", "Morvex", 2013), 2013);
}

TEST(QSettingsStore, UserSettingsLiveUnderTheProgramsKey) {
    QSettingsStore store;
    EXPECT_EQ(store.Settings().organizationName(),
              QStringLiteral("Local AppWizard-Generated Applications"));
    EXPECT_EQ(store.Settings().applicationName(), QStringLiteral("ZELT"));
}

TEST(SettingsRecentFiles, SurviveAReopenInTheirSection) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("zelt.ini"));
    {
        QSettingsStore store(file);
        SettingsRecentFiles recent(store.Settings());
        for (const char* path : {"/x/1", "/x/2", "/x/3", "/x/4", "/x/5"}) {
            recent.Add(path);
        }
    }
    QSettingsStore store(file);
    EXPECT_EQ(store.Settings().value(QStringLiteral("Recent File List/File1")).toString(),
              QStringLiteral("/x/5"));
    SettingsRecentFiles recent(store.Settings());
    EXPECT_EQ(recent.Entries(), (std::vector<std::string>{"/x/5", "/x/4", "/x/3", "/x/2"}));
}

} // namespace
} // namespace zelt
