#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "framework/exceptions/Exceptions.h"
#include "framework/resources/AlertDefinition.h"
#include "framework/resources/CResourceTableList.h"
#include "framework/resources/ResourceScripts.h"

namespace fs = std::filesystem;

TEST(ResourceScripts, IdNamesResourceAndEntryButTheFamilyDigitIsNotConsulted)
{
    EXPECT_EQ(ResourceNumberOf(400129042), 129);
    EXPECT_EQ(EntryIndexOf(400129042), 42u);
    EXPECT_EQ(ResourceNumberOf(601000999), 1000);
    EXPECT_EQ(GetResourceString(401000011), "Cancel");
    const std::string alert = GetAlertScript(501000002);
    EXPECT_EQ(alert, "[STOP]The file \"^0\" could not be found.[OK]");
    EXPECT_EQ(GetAlertScript(401000002), alert);
    EXPECT_EQ(GetResourceString(501000010), "Stop");
    // An undefined entry is empty; a missing resource is not found.
    EXPECT_EQ(GetResourceString(400129999), "");
    EXPECT_EQ(GetAlertScript(500129014), "");
    EXPECT_THROW(GetResourceString(400777001), XNotFound);
    EXPECT_THROW(GetMenuScript(600129001), XNotFound);
}

TEST(ResourceScripts, EachResourceIsParsedOnce)
{
    GetResourceString(401000012);
    const std::size_t count = CResourceTableList::Instance().Count();
    GetResourceString(401000013);
    GetResourceString(401000014);
    EXPECT_EQ(CResourceTableList::Instance().Count(), count);
}

TEST(ResourceScripts, BufferFormTakesAtMostSizeCharacters)
{
    char buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    GetResourceString(401000010, buffer, 3);
    EXPECT_STREQ(buffer, "Sto");
    EXPECT_EQ(buffer[4], '#');

    GetResourceString(401000010, buffer, 0);
    EXPECT_STREQ(buffer, "");
    GetResourceString(401000010, buffer, 7);
    EXPECT_STREQ(buffer, "Stop");
}

TEST(ResourceScripts, EveryAlertScriptHasATagAndAButton)
{
    for (ResourceId resource : {501000000u, 500129000u, 500132000u}) {
        for (ResourceId entry = 0; entry < 1000; ++entry) {
            const std::string script = GetAlertScript(resource + entry);
            if (script.empty())
                continue;
            SCOPED_TRACE(resource + entry);
            const std::string tag = script.substr(0, 6);
            EXPECT_TRUE(tag == "[STOP]" || tag == "[NOTE]" || tag == "[WARN]" || tag == "[NONE]") << script;
            const AlertDefinition alert = ParseAlertScript(script);
            EXPECT_GE(alert.buttonCount, 1);
            EXPECT_FALSE(alert.message.empty());
            EXPECT_LE(script.size(), 255u);
        }
    }
}

namespace {

bool SkippedFolder(const fs::path& path)
{
    const std::string name = path.filename().string();
    return name == "tests" || name.rfind("build", 0) == 0 || name.front() == '.';
}

// Every nine-digit literal 4xxxxxxxx, 5xxxxxxxx or 6xxxxxxxx standing on its own.
std::set<ResourceId> IdLiterals(const std::string& text)
{
    std::set<ResourceId> ids;
    for (std::size_t i = 0; i < text.size();) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
            ++end;
        const bool standsAlone = i == 0 || !(std::isalnum(static_cast<unsigned char>(text[i - 1])) || text[i - 1] == '_' || text[i - 1] == '.');
        if (standsAlone && end - i == 9 && text[i] >= '4' && text[i] <= '6')
            ids.insert(static_cast<ResourceId>(std::stoul(text.substr(i, 9))));
        i = end;
    }
    return ids;
}

std::string Lookup(ResourceId id)
{
    switch (id / 100000000u) {
    case 4:
        return GetResourceString(id);
    case 5:
        return GetAlertScript(id);
    default:
        return GetMenuScript(id);
    }
}

}  // namespace

TEST(ResourceScripts, EveryIdTheCodeNamesIsDefined)
{
    std::size_t checked = 0;
    const fs::path root(QUILLET_SOURCE_DIR);
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        if (it->is_directory()) {
            if (SkippedFolder(it->path()))
                it.disable_recursion_pending();
            continue;
        }
        const std::string extension = it->path().extension().string();
        if (extension != ".h" && extension != ".cpp")
            continue;
        std::ifstream file(it->path(), std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        for (ResourceId id : IdLiterals(text.str())) {
            SCOPED_TRACE(it->path().string() + ": " + std::to_string(id));
            std::string entry;
            EXPECT_NO_THROW(entry = Lookup(id));
            EXPECT_FALSE(entry.empty());
            ++checked;
        }
    }
    EXPECT_GT(checked, 100u);
}
