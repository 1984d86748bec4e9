#include "core/ephemeris/calculephem.h"
#include "core/ephemeris/carrington.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
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

// Runs the installed-to-be program with a locale and arguments; both outputs
// kept, or the standard output sent to `output` when it is given.
ProgramRun run(const std::string &locale, const std::vector<std::string> &arguments,
               const std::string &output = "")
{
    // One pair of files per test process: ctest runs the tests side by side.
    const auto base = std::filesystem::temp_directory_path()
                      / ("brelo_ephem_test_" + std::to_string(getpid()));
    const std::string out = output.empty() ? base.string() + ".out" : output;
    const std::string err = base.string() + ".err";
    std::string command = "env LC_ALL=" + locale + " '" BRELO_EPHEM_PROGRAM "'";
    for (const std::string &a : arguments)
        command += " '" + a + "'";
    const int status = std::system((command + " >" + out + " 2>" + err).c_str());
    const auto slurp = [](const std::string &path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    ProgramRun result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, output.empty() ? slurp(out) : "",
                      slurp(err)};
    if (output.empty())
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

// The cells a CSV row holds for an instant: the page's ten label texts after
// "= ", the numbers without the unit their heading names, and the Carrington rotation.
std::vector<std::string> pageCells(const EphemerisInput &input, char sep)
{
    const auto outcome = calculephem(input, sep);
    EXPECT_TRUE(outcome.ok()) << outcome.error();
    const EphemerisResult &r = outcome.value();
    std::vector<std::string> cells;
    const struct {
        const std::string *label;
        const char *unit;
    } labels[] = {{&r.lblad, ""},      {&r.lbldec, "°"}, {&r.lblah, ""},  {&r.lblh, "°"},  {&r.lblaz, "°"},
                  {&r.lblr, " U.A."}, {&r.lblp, "°"},   {&r.lblb0, "°"}, {&r.lbll0, "°"}, {&r.lblksi, "°"}};
    for (const auto &[label, unit] : labels) {
        std::string cell = label->substr(label->find(" = ") + 3);
        EXPECT_TRUE(cell.ends_with(unit)) << cell;
        cells.push_back(cell.substr(0, cell.size() - std::string(unit).size()));
    }
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
        EXPECT_EQ(csvCells(rows[0], c.csvSep),
                  (std::vector<std::string>{"Date et heure TU", "Ascension droite", "Déclinaison (°)",
                                            "Angle horaire", "Hauteur (°)", "Azimut (°, 0 S, 90 O)",
                                            "Distance (U.A.)", "Angle P (°)", "B0 (°)", "L0 (°)",
                                            "Angle Nord-Zénith (°)", "Rotation Carrington"}));
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
    EXPECT_NE(rows[0].find("Azimut (0 S, 90 O)"), std::string::npos) << rows[0];
}

// Local noon on the day the clocks go forward in 2038 (the EU rule: summer time
// from 01:00 UT on the last Sunday of March) is 10:00 UT, where Qt 6.4's own
// conversion gives 11:00; an explicit offset is a zone too.
TEST(BreloEphem, LocalTimesReadBackExactly)
{
    const struct {
        const char *zone, *from, *ut, *local;
    } cases[] = {
        {"Europe/Paris", "2038-03-28T12:00", "2038-03-28 10:00", "2038-03-28 12:00 +02:00"},
        {"Europe/Paris", "2038-10-31T03:00", "2038-10-31 02:00", "2038-10-31 03:00 +01:00"},
        {"America/New_York", "2038-03-14T03:00", "2038-03-14 07:00", "2038-03-14 03:00 -04:00"},
        {"UTC+05:30", "2038-03-28 12:00", "2038-03-28 06:30", "2038-03-28 12:00 +05:30"},
    };
    for (const auto &c : cases) {
        const ProgramRun r = run("C", {"--lat", "48.85", "--lon", "2.35", "--from", c.from, "--to", c.from,
                                       "--tz", c.zone, "--csv"});
        ASSERT_EQ(r.status, 0) << r.err;
        const auto rows = lines(r.out);
        ASSERT_EQ(rows.size(), 2u) << c.zone;
        const auto cells = csvCells(rows[1], ',');
        EXPECT_EQ(cells.at(0), c.ut) << c.zone << " " << c.from;
        EXPECT_EQ(cells.at(1), c.local) << c.zone << " " << c.from;
    }
}

// Outside 1800–2100 the accuracy the help states is said not to hold, once,
// on the error output; the table is written all the same.
TEST(BreloEphem, YearsOutsideTheStatedAccuracyAreSaidOnce)
{
    const std::string notice = "brelo-ephem : la précision annoncée dans l'aide vaut pour les années 1800 à "
                               "2100 ; hors de cette période, les écarts peuvent être plus grands.\n";
    const struct {
        const char *from, *to;
        bool outside;
    } cases[] = {
        {"1799-12-31", "1800-01-01", true}, {"1800-01-01", "2100-12-31", false},
        {"2100-12-30", "2101-01-01", true}, {"0500-06-01", "0500-06-02", true},
    };
    for (const auto &c : cases) {
        const ProgramRun r = run("C", {"--lat", "0", "--lon", "0", "--from", c.from, "--to", c.to,
                                       "--step", "1d"});
        EXPECT_EQ(r.status, 0) << c.from;
        EXPECT_EQ(r.err, c.outside ? notice : "") << c.from;
        EXPECT_FALSE(r.out.empty()) << c.from;
    }
}

// A table that cannot be written is a failure with its own exit code.
TEST(BreloEphem, FailedWriteSaysSoWithItsOwnExitCode)
{
    const ProgramRun r = run("C", {"--lat", "0", "--lon", "0", "--from", "2027-01-01", "--to", "2027-01-02"},
                             "/dev/full");
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, "brelo-ephem : le tableau n'a pu être écrit sur la sortie standard (plus de place sur "
                     "le disque).\n");
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
        // A good option named again is replaced, unless the row starts with "+".
        const bool repeat = extra.starts_with('+');
        std::vector<std::string> added;
        std::istringstream each(repeat ? extra.substr(1) : extra);
        for (std::string a; std::getline(each, a, '|');)
            added.push_back(a);
        std::vector<std::string> arguments;
        for (std::size_t i = 0; i < base.size(); i += 2)
            if (repeat || std::find(added.begin(), added.end(), base[i]) == added.end())
                arguments.insert(arguments.end(), {base[i], base[i + 1]});
        arguments.insert(arguments.end(), added.begin(), added.end());
        const ProgramRun r = run("C", arguments);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_EQ(r.err, "brelo-ephem : " + message + "\n");
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(cases, 21);
    const ProgramRun missing = run("C", {"--lat", "48.85", "--from", "2027-03-20T06:00"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "brelo-ephem : l'option --lon manque (brelo-ephem --help pour l'aide).\n");
    // An empty zone is no zone (the table would lose its local-time heading).
    std::vector<std::string> emptyZone = base;
    emptyZone.insert(emptyZone.end(), {"--tz", ""});
    const ProgramRun empty = run("C", emptyZone);
    EXPECT_EQ(empty.status, 2);
    EXPECT_EQ(empty.err, "brelo-ephem : fuseau vide (exemple : Europe/Paris)\n");
}

// "03:46:57" in a cell as seconds of the day.
int secondsOf(const std::string &clock)
{
    return std::stoi(clock.substr(0, 2)) * 3600 + std::stoi(clock.substr(3, 2)) * 60 + std::stoi(clock.substr(6, 2));
}

// --days against tests/data/sun_day_reference.py (the NOAA calculator's
// formulation, good to about a minute): Paris at the solstices, with the
// local times of Paris (UT + 2 h in June, + 1 h in December), and the polar
// day and night at 78° N in words, in the aligned text.
TEST(BreloEphem, DaysRowsFollowTheReferenceSunriseTable)
{
    const struct {
        const char *lat, *lon, *date;
        const char *rise, *transit, *set;  // reference, UT
        int localHours;
    } cases[] = {
        {"48:51", "2:21", "2027-06-21", "03:46:55", "11:52:22", "19:57:48", 2},
        {"48:51", "2:21", "2027-12-21", "07:41:06", "11:48:33", "15:55:59", 1},
    };
    for (const auto &c : cases) {
        const ProgramRun r = run("C", {"--days", "--lat", c.lat, "--lon", c.lon, "--from", c.date, "--to", c.date,
                                       "--tz", "Europe/Paris", "--csv"});
        ASSERT_EQ(r.status, 0) << r.err;
        const auto rows = lines(r.out);
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(csvCells(rows[0], ','),
                  (std::vector<std::string>{"Date", "Lever (TU)", "Passage (TU)", "Coucher (TU)",
                                            "Hauteur au passage (°)", "Durée du jour (h)", "Lever (Europe/Paris)",
                                            "Passage (Europe/Paris)", "Coucher (Europe/Paris)"}));
        const auto cells = csvCells(rows[1], ',');
        ASSERT_EQ(cells.size(), 9u) << rows[1];
        EXPECT_EQ(cells[0], c.date);
        const char *reference[] = {c.rise, c.transit, c.set};
        for (int i = 0; i < 3; ++i) {
            const std::string &ut = cells[static_cast<std::size_t>(1 + i)];
            const std::string &local = cells[static_cast<std::size_t>(6 + i)];
            EXPECT_EQ(ut.substr(0, 11), std::string(c.date) + " ");
            EXPECT_NEAR(secondsOf(ut.substr(11)), secondsOf(reference[i]), 60) << ut;
            EXPECT_EQ(secondsOf(local.substr(11)) - secondsOf(ut.substr(11)), c.localHours * 3600) << local;
        }
        const double hours = (secondsOf(c.set) - secondsOf(c.rise)) / 3600.0;
        EXPECT_NEAR(std::stod(cells[5]), hours, 2 / 60.0);
    }
    const ProgramRun polar = run("C", {"--days", "--lat", "78", "--lon", "15", "--from", "2027-06-21", "--to",
                                       "2027-12-21"});
    ASSERT_EQ(polar.status, 0) << polar.err;
    const auto rows = lines(polar.out);
    ASSERT_EQ(rows.size(), 1u + 184u);
    EXPECT_EQ(rows[0].substr(0, 12), "Date        ");
    // Rise and set in words, in the same columns on both rows.
    std::size_t setColumn = 0;
    for (const auto &[row, words] : {std::pair{rows[1], "Soleil levé toute la journée"},
                                     std::pair{rows.back(), "Soleil couché toute la journée"}}) {
        EXPECT_EQ(row.find(words), 12u) << row;
        const std::size_t set = row.find(words, 13);
        ASSERT_NE(set, std::string::npos) << row;
        setColumn = setColumn ? setColumn : set;
        EXPECT_EQ(set, setColumn) << row;
    }
    EXPECT_NE(rows[1].find("24 h 00 min 00 s"), std::string::npos) << rows[1];
}

TEST(BreloEphem, HelpAndVersion)
{
    const ProgramRun help = run("C", {"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char *said : {"--lat", "--lon", "--from", "--to", "--step", "--tz", "--csv", "--days", "5 000 000",
                             "AAAA-MM-JJTHH:MM", "\"AAAA-MM-JJ HH:MM\"", "AAAA-MM-JJ (minuit)",
                             "q (négatif avant le passage au méridien", "1800 à 2100", "3 si le tableau"})
        EXPECT_NE(help.out.find(said), std::string::npos) << said;
    const ProgramRun version = run("C", {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "brelo-ephem " BRELO_VERSION "\n");
}

} // namespace
} // namespace brelo
