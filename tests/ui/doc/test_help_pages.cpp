#include "core/optics/calcul.h"

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

const char *const kPages[] = {"breloaide.htm", "breloaide_en.htm", "construbrelo.htm", "brelo1.htm", "brelo2.htm"};

// Every link of the shipped help pages leads somewhere: a page shipped beside
// it, an anchor of the target page, or the web.
TEST(HelpPages, EveryLocalLinkLeadsToAShippedPageAndAnchor)
{
    for (const char *page : kPages) {
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

// The number at the end of a result text ("... B= 248,192").
std::string shownNumber(const std::string &text)
{
    return text.substr(text.rfind(' ') + 1);
}

// The build pages quote what the optical computation shows for their designs;
// a figure typed by hand, or a computation that changed, breaks this.
TEST(HelpPages, BuildPagesQuoteTheComputedFigures)
{
    struct Design {
        const char *page;
        const char *foco3a, *foco3b;
        bool yearlyTable;  // the page lists every row of both yearly lists
    };
    const Design designs[] = {
        {"brelo1.htm", "300", "300", true},
        {"brelo2.htm", "300", "600", false},
        {"brelo2.htm", "350", "700", false},
    };
    for (const Design &d : designs) {
        brelo::OpticsInput input;
        input.foco3a = d.foco3a;
        input.foco3b = d.foco3b;
        const auto outcome = brelo::calcul(input, ',');
        ASSERT_TRUE(outcome.ok()) << outcome.error();
        const brelo::OpticsResult &r = outcome.value();
        const std::string text = fileText(kDocDir / d.page);
        const std::string where = std::string(d.page) + " with O3 = " + d.foco3a + ", O3' = " + d.foco3b;
        for (const std::string *shown : {&r.lblb, &r.lblx, &r.lblc, &r.lblfocresult, &r.lblfd, &r.lbldiscmin, &r.lbldiscmax})
            EXPECT_NE(text.find(shownNumber(*shown)), std::string::npos) << where << ": " << *shown;
        for (int row : {0, 12})
            EXPECT_NE(text.find(shownNumber(r.listdimfoy[row])), std::string::npos) << where << ": " << r.listdimfoy[row];
        EXPECT_NE(text.find(r.remark.text), std::string::npos) << where;
        for (int row = 0; d.yearlyTable && row < brelo::kYearRows; ++row) {
            const std::string &disc = r.listdiam[row];
            const std::string cells = "<td>" + disc.substr(0, disc.find(':')) + "</td><td>" + shownNumber(disc) +
                                      "</td><td>" + shownNumber(r.listdimfoy[row]) + "</td>";
            EXPECT_NE(text.find(cells), std::string::npos) << where << ": " << cells;
        }
    }
}

TEST(HelpPages, ExampleParametersFileHoldsTheDesignValues)
{
    EXPECT_EQ(fileText(kDocDir / "brelo.dat.example"), "1000,90,200,50,30,300,50,300,50,45,0,0,0\n");
}

} // namespace
