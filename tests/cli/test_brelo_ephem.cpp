#include "core/ephemeris/calculephem.h"
#include "core/ephemeris/carrington.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace brelo {
namespace {

struct ProgramRun {
    int status = -1;
    std::string out, err;
};

// Runs the installed-to-be program with a locale and arguments; both outputs kept.
ProgramRun run(const std::string &locale, const std::vector<std::string> &arguments)
{
    // One pair of files per test process: ctest runs the tests side by side.
    const auto base = std::filesystem::temp_directory_path()
                      / ("brelo_ephem_test_" + std::to_string(getpid()));
    const std::string out = base.string() + ".out";
    const std::string err = base.string() + ".err";
    std::string command = "env LC_ALL=" + locale + " '" BRELO_EPHEM_PROGRAM "'";
    for (const std::string &a : arguments)
        command += " '" + a + "'";
    const int status = std::system((command + " >" + out + " 2>" + err).c_str());
    const auto slurp = [](const std::string &path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    ProgramRun result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(out), slurp(err)};
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return result;
}

std::vector<std::string> csvCells(const std::string &line, char sep)
{
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (const char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (c == sep && !quoted)
            cells.emplace_back();
        else if (c != '\r')
            cells.back() += c;
    }
    return cells;
}

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

// The cells the page would show for an instant: its ten label texts after
// "= ", and the Carrington rotation.
std::vector<std::string> pageCells(const EphemerisInput &input, char sep)
{
    const auto outcome = calculephem(input, sep);
    EXPECT_TRUE(outcome.ok()) << outcome.error();
    const EphemerisResult &r = outcome.value();
    std::vector<std::string> cells;
    for (const std::string *label : {&r.lblad, &r.lbldec, &r.lblah, &r.lblh, &r.lblaz, &r.lblr,
                                     &r.lblp, &r.lblb0, &r.lbll0, &r.lblksi})
        cells.push_back(label->substr(label->find(" = ") + 3));
    cells.push_back(carringtonText(carringtonRotation(r.values.julianDay), sep));
    return cells;
}

// Each CSV row read back equals the page for its instant, in either language.
TEST(BreloEphem, CsvRowsEqualThePageForTheirInstant)
{
    struct Case {
        const char *locale;
        char sep, csvSep;
        const char *lat, *lon;
        EphemerisInput position;  // the panel's four position fields for those arguments
    };
    const Case cases[] = {
        {"C", '.', ',', "48.85", "2.35", {"", "", "", "", "", "48.85", "0", "2.35", "0"}},
        {"fr_FR.UTF-8", ',', ';', "44:50", "-0:34", {"", "", "", "", "", "44", "50", "-0", "34"}},
    };
    for (const Case &c : cases) {
        const ProgramRun r = run(c.locale, {"--lat", c.lat, "--lon", c.lon, "--from", "2027-03-20T06:00",
                                     "--to", "2027-03-21T06:00", "--step", "50min", "--csv"});
        ASSERT_EQ(r.status, 0) << r.err;
        const auto rows = lines(r.out);
        ASSERT_EQ(rows.size(), 1u + 29u);  // 24 h / 50 min = 28.8: 29 instants
        EXPECT_EQ(csvCells(rows[0], c.csvSep)[5], "Azimut (0 S, 90 W)");
        for (std::size_t i = 1; i < rows.size(); ++i) {
            const int minutes = 6 * 60 + 50 * static_cast<int>(i - 1);
            EphemerisInput in = c.position;
            in.txtann = "2027";
            in.txtmois = "3";
            in.txtjour = std::to_string(20 + minutes / 1440);
            in.txtheur = std::to_string(minutes % 1440 / 60);
            in.txtminut = std::to_string(minutes % 60);
            std::vector<std::string> cells = csvCells(rows[i], c.csvSep);
            char when[32];
            std::snprintf(when, sizeof when, "2027-03-%02d %02d:%02d", 20 + minutes / 1440,
                          minutes % 1440 / 60, minutes % 60);
            ASSERT_EQ(cells.front(), when);
            cells.erase(cells.begin());
            EXPECT_EQ(cells, pageCells(in, c.sep)) << rows[i];
        }
    }
}

// With a zone, --from and --to are local times and both times are shown; the
// night the clocks go forward the local column jumps an hour.
TEST(BreloEphem, ZoneReadsAndShowsLocalTime)
{
    const ProgramRun r = run("C", {"--lat", "48.85", "--lon", "2.35", "--from", "2027-03-28T00:00",
                            "--to", "2027-03-28T04:00", "--step", "1h", "--tz", "Europe/Paris"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rows = lines(r.out);
    const char *expected[][2] = {{"2027-03-27 23:00", "2027-03-28 00:00 +01:00"},
                                 {"2027-03-28 00:00", "2027-03-28 01:00 +01:00"},
                                 {"2027-03-28 01:00", "2027-03-28 03:00 +02:00"},
                                 {"2027-03-28 02:00", "2027-03-28 04:00 +02:00"}};
    ASSERT_EQ(rows.size(), 1u + std::size(expected));
    EXPECT_EQ(rows[0].find("Heure locale (Europe/Paris)"), 18u);
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(rows[i + 1].substr(0, 16), expected[i][0]);
        EXPECT_EQ(rows[i + 1].substr(18, 23), expected[i][1]);
        EXPECT_EQ(rows[i + 1].size(), rows[1].size()) << "aligned: " << rows[i + 1];
    }
}

// Every refusal: exit code 2, nothing on the output, one French line on the error output.
TEST(BreloEphem, BadArgumentsExitWithTwoAndOneFrenchLine)
{
    const std::vector<std::string> base{"--lat", "48.85", "--lon", "2.35", "--from",
                                        "2027-03-20T06:00", "--to", "2027-03-20T08:00"};
    std::ifstream table(BRELO_CLI_REFUSALS);
    std::string line, extra, message;
    std::getline(table, line);  // header
    int cases = 0;
    for (; std::getline(table, extra, '\t') && std::getline(table, message); ++cases) {
        std::vector<std::string> arguments = base;
        std::istringstream added(extra);
        for (std::string a; std::getline(added, a, '|');)
            arguments.push_back(a);
        const ProgramRun r = run("C", arguments);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_EQ(r.err, "brelo-ephem : " + message + "\n");
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(cases, 10);
    const ProgramRun missing = run("C", {"--lat", "48.85", "--from", "2027-03-20T06:00"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "brelo-ephem : l'option --lon manque (brelo-ephem --help pour l'aide).\n");
}

TEST(BreloEphem, HelpAndVersion)
{
    const ProgramRun help = run("C", {"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char *option : {"--lat", "--lon", "--from", "--to", "--step", "--tz", "--csv"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    const ProgramRun version = run("C", {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "brelo-ephem " BRELO_VERSION "\n");
}

} // namespace
} // namespace brelo
