#include "ui/downloads/DownloadChoices.h"
#include "ui/downloads/PreviewCard.h"
#include "ui/downloads/SubtitleLanguages.h"
#include "ui/widgets/SegmentedPicker.h"
#include "ui/widgets/ThumbnailLoader.h"

#include <QComboBox>

#include <gtest/gtest.h>

#include <ostream>

namespace {

SubtitleTrack track(const char *code, bool isAuto)
{
    SubtitleTrack t;
    t.id = QString::fromUtf8(code);
    t.name = t.id;
    t.ext = QStringLiteral("vtt");
    t.isAuto = isAuto;
    return t;
}

// A link with its own German and English subtitles, and automatic English,
// French and Japanese captions.
MediaMetadata record()
{
    MediaMetadata m;
    m.id = QStringLiteral("clip");
    m.title = QStringLiteral("Clip");
    m.webpageUrl = QStringLiteral("https://media.example/clip");
    m.subtitles = {track("de", false), track("en", false)};
    m.automaticCaptions = {track("en", true), track("fr", true), track("ja", true)};
    return m;
}

QStringList codes(const QList<SubtitleLanguages::Entry> &entries)
{
    QStringList result;
    for (const auto &entry : entries)
        result << entry.code;
    return result;
}

TEST(SubtitleLanguages, TheModeChoosesBetweenOwnSubtitlesAndAutomaticCaptions)
{
    EXPECT_TRUE(SubtitleLanguages::offered(record(), SubtitleMode::none).isEmpty());
    EXPECT_EQ(codes(SubtitleLanguages::offered(record(), SubtitleMode::original)), (QStringList{"de", "en"}));
    EXPECT_EQ(codes(SubtitleLanguages::offered(record(), SubtitleMode::automatic)), (QStringList{"en", "fr", "ja"}));
    EXPECT_EQ(codes(SubtitleLanguages::entries(SubtitleLanguages::offered(record(), SubtitleMode::original))),
              (QStringList{"all", "de", "en"}));
}

struct NameCase
{
    const char *code;
    const char *text;
};

TEST(SubtitleLanguages, NamesALanguageInItsOwnWordsWithItsCode)
{
    for (const NameCase &c : {NameCase{"de", "Deutsch (de)"}, NameCase{"ja", "日本語 (ja)"},
                              NameCase{"live_chat", "live_chat"}, NameCase{"xx", "xx"}})
        EXPECT_EQ(SubtitleLanguages::displayName(QString::fromUtf8(c.code)), QString::fromUtf8(c.text)) << c.code;
}

struct PreferredCase
{
    const char *name;
    QStringList offered;
    const char *wanted;
    const char *chosen;
};

void PrintTo(const PreferredCase &c, std::ostream *out)
{
    *out << c.name;
}

class SubtitlePreferenceTest : public ::testing::TestWithParam<PreferredCase>
{
};

TEST_P(SubtitlePreferenceTest, StartsOnTheWantedLanguageWhenOffered)
{
    QList<SubtitleLanguages::Entry> offered;
    for (const QString &code : GetParam().offered)
        offered.append({code, code});
    const auto entries = SubtitleLanguages::entries(offered);
    EXPECT_EQ(entries.at(SubtitleLanguages::preferred(entries, QString::fromUtf8(GetParam().wanted))).code,
              QString::fromUtf8(GetParam().chosen));
}

INSTANTIATE_TEST_SUITE_P(
    Defaults, SubtitlePreferenceTest,
    ::testing::Values(PreferredCase{"exact", {"de", "en", "fr"}, "en", "en"},
                      PreferredCase{"firstOfSeveralThatIsOffered", {"de", "fr"}, "en,fr,de", "fr"},
                      PreferredCase{"sameLanguageOtherRegion", {"de", "en-GB"}, "en-US", "en-GB"},
                      PreferredCase{"regionOfTheWantedLanguage", {"fr", "pt-BR"}, "pt", "pt-BR"},
                      PreferredCase{"exactBeatsSameLanguage", {"en-GB", "en"}, "en", "en"},
                      PreferredCase{"all", {"de", "en"}, "all", "all"},
                      PreferredCase{"unmatchedTakesTheFirstNotAll", {"ja", "ko"}, "en", "ja"},
                      PreferredCase{"emptyTakesTheFirst", {"ja"}, "", "ja"}),
    [](const auto &info) { return std::string(info.param.name); });

// The preview card's picker follows the subtitle mode and sets the job's languages.
TEST(PreviewCardSubtitles, ListsTheOfferedLanguagesOfTheChosenMode)
{
    ThumbnailLoader thumbnails;
    DownloadChoices defaults;
    defaults.subtitleMode = SubtitleMode::none;
    defaults.subtitleLang = QStringLiteral("en");
    PreviewCard card(record(), defaults, thumbnails);
    auto *modes = card.findChild<SegmentedPicker *>(QStringLiteral("subtitleModePicker"));
    auto *picker = card.findChild<QComboBox *>(QStringLiteral("subtitleLanguagePicker"));
    ASSERT_NE(picker, nullptr);
    EXPECT_FALSE(picker->isVisibleTo(&card));
    const auto items = [picker] {
        QStringList result;
        for (int i = 0; i < picker->count(); ++i)
            result << picker->itemData(i).toString();
        return result;
    };

    modes->setCurrentIndex(SubtitleModes::all().indexOf(SubtitleMode::original));
    EXPECT_TRUE(picker->isVisibleTo(&card));
    EXPECT_EQ(items(), (QStringList{"all", "de", "en"}));
    EXPECT_EQ(picker->currentData().toString(), QStringLiteral("en"));
    EXPECT_EQ(picker->itemText(1), QStringLiteral("Deutsch (de)"));

    picker->setCurrentIndex(1);
    EXPECT_EQ(card.choices().subtitleLang, QStringLiteral("de"));

    // The language picked last is kept where the other mode offers it, else
    // the first offered one is taken.
    modes->setCurrentIndex(SubtitleModes::all().indexOf(SubtitleMode::automatic));
    EXPECT_EQ(items(), (QStringList{"all", "en", "fr", "ja"}));
    EXPECT_EQ(card.choices().subtitleLang, QStringLiteral("en"));
    EXPECT_EQ(card.choices().subtitleMode, SubtitleMode::automatic);
    picker->setCurrentIndex(0);
    EXPECT_EQ(card.choices().subtitleLang, QStringLiteral("all"));
}

TEST(PreviewCardSubtitles, ALinkWithoutSubtitlesSaysSoAndKeepsTheDefault)
{
    ThumbnailLoader thumbnails;
    MediaMetadata bare = record();
    bare.subtitles.clear();
    DownloadChoices defaults;
    defaults.subtitleMode = SubtitleMode::original;
    defaults.subtitleLang = QStringLiteral("en,de");
    PreviewCard card(bare, defaults, thumbnails);
    auto *picker = card.findChild<QComboBox *>(QStringLiteral("subtitleLanguagePicker"));
    EXPECT_TRUE(picker->isVisibleTo(&card));
    EXPECT_FALSE(picker->isEnabled());
    EXPECT_EQ(picker->count(), 1);
    EXPECT_EQ(picker->currentText(), QStringLiteral("None offered by this link"));
    EXPECT_EQ(card.choices().subtitleLang, QStringLiteral("en,de"));
}

} // namespace
