#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace {

namespace fs = std::filesystem;

const fs::path kDocDir = BRELO_DOC_DIR;

std::string fileText(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The values of one attribute (href="...", name="...") throughout a page.
std::set<std::string> attributeValues(const std::string &text, const std::string &attribute)
{
    std::set<std::string> found;
    const std::string opening = attribute + "=\"";
    for (auto at = text.find(opening); at != std::string::npos; at = text.find(opening, at + 1)) {
        const auto start = at + opening.size();
        const auto end = text.find('"', start);
        if (end == std::string::npos)
            break;
        found.insert(text.substr(start, end - start));
    }
    return found;
}

// Every link of the shipped help pages leads somewhere: a page shipped beside
// it, an anchor of the target page, or the web. brelo1.htm and brelo2.htm are
// not shipped, so no page may link to them.
TEST(HelpPages, EveryLocalLinkLeadsToAShippedPageAndAnchor)
{
    for (const char *page : {"breloaide.htm", "construbrelo.htm"}) {
        const std::string text = fileText(kDocDir / page);
        ASSERT_FALSE(text.empty()) << page;
        EXPECT_NE(text.find("charset=\"utf-8\""), std::string::npos) << page;
        for (const std::string &link : attributeValues(text, "href")) {
            if (link.rfind("http", 0) == 0 || link.rfind("mailto:", 0) == 0)
                continue;
            const auto hash = link.find('#');
            const std::string target = hash == 0 ? page : link.substr(0, hash);
            ASSERT_TRUE(fs::is_regular_file(kDocDir / target)) << page << " links to " << link;
            if (hash != std::string::npos) {
                EXPECT_EQ(attributeValues(fileText(kDocDir / target), "name").count(link.substr(hash + 1)), 1u)
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
