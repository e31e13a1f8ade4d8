// Data files written while narrow text was in the legacy code page, read by a UTF-8 process.
#include "base/latin1_code_page.h"
#include "catalogue/score_store.h"
#include "scanning/catalogue_file.h"
#include "settings/settings_file.h"
#include "settings/uninstall_list.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

const std::string LegacyDocuments = "C:\\Users\\Jos\xE9\\Documents\\";
const std::string Documents = "C:\\Users\\Jos\xC3\xA9\\Documents\\";

std::string scoreRecord(std::int8_t score, const std::string& path)
{
    const std::size_t length = path.size() + 1;
    return std::string(1, static_cast<char>(score)) + static_cast<char>(length & 0xFF) +
           static_cast<char>(length >> 8) + path + '\0';
}

} // namespace

TEST(LegacyFiles, SettingsNameTheSameFoldersAndAreWrittenBackAsUtf8)
{
    Latin1CodePage latin1;
    Settings settings;
    parseSettingsText("[Directories]\r\n\"" + LegacyDocuments + "\"=1,1,0,\"Caf\xE9\"\r\n", settings);
    ASSERT_EQ(settings.directories.size(), 1u);
    EXPECT_EQ(settings.directories[0].path, Documents);
    EXPECT_EQ(settings.directories[0].name, "Caf\xC3\xA9");
    const std::string saved = formatSettingsText(settings);
    EXPECT_NE(saved.find('"' + Documents + "\"=1,1,0,\"Caf\xC3\xA9\"\r\n"), std::string::npos);
}

TEST(LegacyFiles, CatalogueEntriesFindTheirLegacyScores)
{
    Latin1CodePage latin1;
    ScoreStore scores;
    ASSERT_TRUE(loadScoreBytes(scores, "SCO0"s + scoreRecord(3, LegacyDocuments + "Men\xFC.lnk") +
                                           scoreRecord(2, Documents + "\xE6\x97\xA5.bat")));
    EXPECT_EQ(storedLaunchScore(scores, Documents + "Men\xC3\xBC.lnk"), 3);
    EXPECT_EQ(storedLaunchScore(scores, Documents + "\xE6\x97\xA5.bat"), 2);

    const std::string catalogueBytes = "TCF1\x02\x00\x00\x00"s + '\0' + LegacyDocuments + "Men\xFC.lnk" + '\0' +
                                       "Men\xFC" + '\0' + '\0' + Documents + "\xE6\x97\xA5.bat" + '\0' +
                                       "\xE6\x97\xA5" + '\0';
    Catalogue catalogue;
    ASSERT_TRUE(loadCatalogueBytes(catalogue, scores, catalogueBytes, {}));
    ASSERT_EQ(catalogue.entries.size(), 2u);
    EXPECT_EQ(catalogue.entries[0].path, Documents + "Men\xC3\xBC.lnk");
    EXPECT_EQ(catalogue.entries[0].name, "Men\xC3\xBC");
    EXPECT_EQ(catalogue.entries[0].launchScore, 3);
    EXPECT_EQ(catalogue.entries[1].name, "\xE6\x97\xA5");
    EXPECT_EQ(formatCatalogueFile(catalogue).find('\xFC'), std::string::npos);
}

TEST(LegacyFiles, ALegacyUninstallLineStillNamesItsFolder)
{
    Latin1CodePage latin1;
    const std::string appData = "C:\\Users\\Jos\xC3\xA9\\AppData\\Roaming";
    EXPECT_EQ(uninstallListAddition(appData, "C:\\USERS\\JOS\xE9\\APPDATA\\ROAMING\r\n"), "");
    EXPECT_EQ(uninstallListAddition(appData, "C:\\USERS\\ANN\r\n"), "C:\\USERS\\JOS\xC3\xA9\\APPDATA\\ROAMING\r\n");
}
