#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

namespace {

namespace fs = std::filesystem;

const fs::path kDocDir = BRELO_DOC_DIR;

std::string fileText(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::set<std::string> matches(const std::string &text, const std::regex &pattern)
{
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator(); ++it)
        found.insert((*it)[1].str());
    return found;
}

// Every link of the shipped help pages leads somewhere: a page shipped beside
// it, an anchor of the target page, or the web. brelo1.htm and brelo2.htm are
// not shipped, so no page may link to them.
TEST(HelpPages, EveryLocalLinkLeadsToAShippedPageAndAnchor)
{
    const std::regex href("href=\"([^\"]*)\"");
    const std::regex anchor("name=\"([^\"]*)\"");
    for (const char *page : {"breloaide.htm", "construbrelo.htm"}) {
        const std::string text = fileText(kDocDir / page);
        ASSERT_FALSE(text.empty()) << page;
        EXPECT_NE(text.find("charset=\"utf-8\""), std::string::npos) << page;
        for (const std::string &link : matches(text, href)) {
            if (link.rfind("http", 0) == 0 || link.rfind("mailto:", 0) == 0)
                continue;
            const auto hash = link.find('#');
            const std::string target = hash == 0 ? page : link.substr(0, hash);
            ASSERT_TRUE(fs::is_regular_file(kDocDir / target)) << page << " links to " << link;
            if (hash != std::string::npos) {
                EXPECT_EQ(matches(fileText(kDocDir / target), anchor).count(link.substr(hash + 1)), 1u)
                    << page << " links to " << link;
            }
        }
    }
}

TEST(HelpPages, ExampleParametersFileHoldsTheDesignValues)
{
    EXPECT_EQ(fileText(kDocDir / "brelo.dat.example"), "1000,90,200,50,30,300,50,300,50,45,0,0,0\n");
}

} // namespace
