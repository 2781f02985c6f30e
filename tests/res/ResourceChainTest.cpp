#include "ResourceChain.h"

#include "LanguageChoice.h"
#include "LanguageLibrary.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>

namespace {

// A language library registers its resources for the whole process, each language under its
// own folder, so several load side by side; loading one again changes nothing.
bool loadLanguage(std::string_view code)
{
    return LanguageLibrary::load(code, R4000_LANGUAGE_DIR);
}

TEST(LanguageLibrary, NameRule)
{
    EXPECT_EQ(LanguageLibrary::fileName("ko"), "R4000res_ko.so");
    EXPECT_EQ(LanguageLibrary::fileName("ja"), "R4000res_ja.so");
}

TEST(LanguageChoice, CommandLineBeforeLocale)
{
    const std::map<std::string, const char*> japanese{{"LANG", "ja_JP.UTF-8"}};
    const std::map<std::string, const char*> messages{{"LANG", "de_DE.UTF-8"},
                                                      {"LC_MESSAGES", "fr_FR"}};
    const std::map<std::string, const char*> none;
    auto from = [](const std::map<std::string, const char*>& env) {
        return [env](const char* name) {
            auto it = env.find(name);
            return it == env.end() ? static_cast<const char*>(nullptr) : it->second;
        };
    };
    EXPECT_EQ(LanguageChoice::requested({"-ko"}, from(japanese)), "ko");
    EXPECT_EQ(LanguageChoice::requested({"--k-o"}, from(none)), "ko") << "every dash goes";
    EXPECT_EQ(LanguageChoice::requested({}, from(japanese)), "ja");
    EXPECT_EQ(LanguageChoice::requested({}, from(messages)), "fr");
    EXPECT_EQ(LanguageChoice::requested({}, from(none)), "en");
}

TEST(LanguageChoice, JapaneseHasItsLibraryAndTheMessageTool)
{
    ASSERT_EQ(LanguageChoice::activate("ja", R4000_LANGUAGE_DIR), "ja");
    const ResourceChain japanese(QStringLiteral("ja"));
    EXPECT_EQ(japanese.string(5005), QStringLiteral("15文字以内で入力してください。"));
    EXPECT_TRUE(japanese.launcherShowsMessage());
}

TEST(LanguageChoice, FallsBackToEnglishWithoutALibrary)
{
    EXPECT_EQ(LanguageChoice::activate("xx", R4000_LANGUAGE_DIR), "en");
    EXPECT_EQ(LanguageChoice::activate("../ko", R4000_LANGUAGE_DIR), "en");
    EXPECT_EQ(LanguageChoice::activate("en", R4000_LANGUAGE_DIR), "en");
    EXPECT_EQ(LanguageChoice::activate("ko", R4000_LANGUAGE_DIR), "ko");
}

TEST(ResourceChain, EnglishTable)
{
    const ResourceChain english(QStringLiteral("en"));
    EXPECT_EQ(english.string(5001), QStringLiteral("Invalid password."));
    EXPECT_EQ(english.string(5288),
              QStringLiteral("Enter system name and password.\n(IP Address:%s, Web port:%d)"));
    EXPECT_EQ(english.stringField(129, 1), QStringLiteral("New System"));
    EXPECT_EQ(english.stringField(132, 3), QStringLiteral(".csv"));
    EXPECT_EQ(english.string(1), QString()) << "an id no table holds";
    EXPECT_FALSE(english.launcherShowsMessage());
}

TEST(ResourceChain, LanguageFirstThenEnglish)
{
    ASSERT_TRUE(loadLanguage("ko"));
    const ResourceChain korean(QStringLiteral("ko"));
    EXPECT_EQ(korean.string(5001), QStringLiteral("암호가 올바르지 않습니다."));
    EXPECT_EQ(korean.stringField(129, 1), QStringLiteral("새 시스템"));
    EXPECT_TRUE(korean.path(QStringLiteral("launcher.ini")).startsWith(":/res/ko/"));
    EXPECT_FALSE(korean.launcherShowsMessage());

    // A language without resources of its own sees the English ones throughout.
    const ResourceChain other(QStringLiteral("xx"));
    EXPECT_EQ(other.string(5001), QStringLiteral("Invalid password."));
    EXPECT_EQ(other.path(QStringLiteral("launcher.ini")), QStringLiteral(":/res/en/launcher.ini"));
}

} // namespace

TEST(ResourceChain, SubstituteFillsConversionsAndNumberedPlaces)
{
    const struct {
        const char* format;
        QStringList values;
        const char* expected;
    } cases[] = {
        {"(IP Address:%s, Web port:%d)", {"10.0.0.1", "80"}, "(IP Address:10.0.0.1, Web port:80)"},
        {"%d unit(s) found.", {"3"}, "3 unit(s) found."},
        {"100%% of %s", {"all"}, "100% of all"},
        {"%s and %s", {"one"}, "one and %s"},
        {"ends with %", {}, "ends with %"},
        {"%x stays", {"v"}, "%x stays"},
        {"could not be written.\n%1", {"/tmp/list.csv"}, "could not be written.\n/tmp/list.csv"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%2 has no value", {"a"}, "%2 has no value"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResourceChain::substitute(QString::fromUtf8(c.format), c.values).toStdString(),
                  c.expected)
            << c.format;
}

namespace {

// A language whose library translates every text of the program, by its code.
class CompleteTranslation : public ::testing::TestWithParam<const char*>
{
protected:
    QString folder() const { return QStringLiteral(":/res/") + QLatin1String(GetParam()) + u'/'; }
};

} // namespace

INSTANTIATE_TEST_SUITE_P(ResourceChain, CompleteTranslation, ::testing::Values("ko", "ja"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

// A complete translation has the same string and dialog keys in the same order, and menus of
// the same shape with the same commands and keys.
TEST_P(CompleteTranslation, TranslatesEveryEnglishText)
{
    ASSERT_TRUE(loadLanguage(GetParam()));
    const auto lines = [](const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        QStringList out;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n'))
            if (!line.startsWith(u'#') && !line.isEmpty())
                out << line;
        return out;
    };
    const auto keys = [&](const QString& path) {
        QStringList out;
        for (const QString& line : lines(path))
            out << line.section(u'\t', 0, 0);
        return out;
    };
    for (const char* table : {"strings.txt", "dialogs.txt"}) {
        const QString name = QString::fromLatin1(table);
        EXPECT_EQ(keys(folder() + name), keys(QStringLiteral(":/res/en/") + name)) << table;
    }
    // A menu line without its text: the kind, the command, and the key after "\t".
    const auto shape = [&](const QString& path) {
        QStringList out;
        for (const QString& line : lines(path)) {
            const QStringList fields = line.split(u'\t');
            const QString text = fields.last();
            out << fields[0] + u' ' +
                       (fields[0] == QStringLiteral("item") ? fields[1] : QString()) + u' ' +
                       text.section(QStringLiteral("\\t"), 1);
        }
        return out;
    };
    EXPECT_EQ(shape(folder() + QStringLiteral("menus.txt")),
              shape(QStringLiteral(":/res/en/menus.txt")));
}

// A translated text keeps the places the program fills: the same printf conversions in the
// same order, and the same numbered places (in any order). A lost or extra "%s" would show
// a value in the wrong place or none at all.
TEST_P(CompleteTranslation, TextsKeepTheirPlaces)
{
    ASSERT_TRUE(loadLanguage(GetParam()));
    const QRegularExpression conversion(QStringLiteral("%(%|[1-9]|[-+ #0]*[0-9]*(?:\\.[0-9]+)?"
                                                       "l?[sdiuxXc])"));
    const auto places = [&](const QString& text) {
        QStringList printf;
        QStringList numbered;
        for (auto match = conversion.globalMatch(text); match.hasNext();) {
            const QString place = match.next().captured(1);
            if (place == QStringLiteral("%"))
                continue;
            (place.size() == 1 && place[0].isDigit() ? numbered : printf) << place;
        }
        numbered.sort();
        return printf.join(u' ') + QStringLiteral(" | ") + numbered.join(u' ');
    };
    const auto table = [](const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        std::map<QString, QString> texts;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
            if (!line.startsWith(u'#') && line.contains(u'\t'))
                texts[line.section(u'\t', 0, 0)] = line.section(u'\t', 1);
        }
        return texts;
    };
    for (const char* name : {"strings.txt", "dialogs.txt"}) {
        const auto english = table(QStringLiteral(":/res/en/") + QLatin1String(name));
        for (const auto& [key, text] : table(folder() + QLatin1String(name))) {
            ASSERT_EQ(english.count(key), 1u) << name << " " << key.toStdString();
            EXPECT_EQ(places(text).toStdString(), places(english.at(key)).toStdString())
                << name << " " << key.toStdString() << ": " << text.toStdString();
        }
    }
}
