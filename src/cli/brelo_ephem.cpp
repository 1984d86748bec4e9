// brelo-ephem: the Sun's ephemeris over a period, as a text table or CSV.
#include "cli/ephem_arguments.h"
#include "cli/ephem_table_text.h"
#include "core/ephemeris/period_table.h"
#include "core/formats/csv_writer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace brelo;

const char *const kHelp =
    "Usage : brelo-ephem --lat LATITUDE --lon LONGITUDE --from DÉBUT --to FIN [--step PAS]\n"
    "                    [--tz FUSEAU] [--csv]\n"
    "\n"
    "Éphémérides du Soleil de BRELO sur une période : une ligne par instant, de DÉBUT à FIN\n"
    "(FIN comprise quand un pas tombe dessus).\n"
    "\n"
    "  --lat LATITUDE   latitude de l'observateur, en degrés décimaux (48.85) ou degrés:minutes\n"
    "                   (48:51) ; négative au Sud.\n"
    "  --lon LONGITUDE  longitude, positive à l'Est, négative à l'Ouest ; \"-0:34\" est 0° 34' Ouest\n"
    "                   (les minutes prennent le signe des degrés).\n"
    "  --from DÉBUT     date et heure du premier instant, AAAA-MM-JJTHH:MM (2027-03-20T06:00).\n"
    "  --to FIN         date et heure du dernier instant, même forme.\n"
    "  --step PAS       pas entre deux instants : 10min, 2h, 1d (ou 1j) ; 10min par défaut.\n"
    "  --tz FUSEAU      fuseau horaire (Europe/Paris) : DÉBUT et FIN sont lus en heure locale et\n"
    "                   l'heure locale s'ajoute au tableau. Sans --tz, tout est en temps universel.\n"
    "                   Les instants se suivent toujours au pas donné en temps universel.\n"
    "  --csv            CSV en UTF-8 avec une ligne d'en-tête : séparateur « ; » et virgule\n"
    "                   décimale si la langue du système l'emploie, sinon « , » et point.\n"
    "  --help           cette aide.\n"
    "  --version        la version du programme.\n"
    "\n"
    "Colonnes : date et heure TU, heure locale (avec --tz), puis les textes de la page\n"
    "« Ephémérides Solaires » de BRELO sans leur libellé : ascension droite, déclinaison, angle\n"
    "horaire (+ vers l'Ouest), hauteur, azimut (0 au Sud, + vers l'Ouest), distance Terre-Soleil,\n"
    "angle P (+ vers l'Est), B0, L0, angle Nord-Zénith, et le numéro de rotation Carrington avec la\n"
    "fraction de la rotation écoulée (trois décimales tronquées).\n"
    "\n"
    "Code de sortie : 0 si tout est calculé, 1 si une ligne n'a pu l'être, 2 si les arguments\n"
    "sont incorrects (un message d'une ligne sur la sortie d'erreur).\n";

[[noreturn]] void refuse(std::string message)
{
    // A message from the computations starts a sentence; here it follows a colon.
    if (!message.empty() && message[0] >= 'A' && message[0] <= 'Z')
        message[0] = static_cast<char>(message[0] - 'A' + 'a');
    std::fprintf(stderr, "brelo-ephem : %s\n", message.c_str());
    std::exit(2);
}

template <class T>
T accepted(const Outcome<T> &outcome)
{
    if (!outcome.ok())
        refuse(outcome.error());
    return outcome.value();
}

// The decimal separator of the user's language, as the window uses it.
char localeSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point == QStringLiteral(",") ? ',' : '.';
}

// Why the parser refused the command line, in French.
std::string parseProblem(const QCommandLineParser &parser, const QStringList &arguments,
                         const QStringList &valueOptions)
{
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().first();
        return "option inconnue « " + std::string(name.size() > 1 ? "--" : "-")
               + name.toStdString() + " » (brelo-ephem --help pour l'aide).";
    }
    const QString last = arguments.last();
    for (const QString &name : valueOptions)
        if (last == "--" + name || last == "-" + name)
            return "l'option --" + name.toStdString() + " attend une valeur.";
    return "ligne de commande incorrecte (brelo-ephem --help pour l'aide).";
}

// Date and time given in a zone, as UT; refused when the zone skips it.
CivilTime universalTime(const CivilTime &local, const QTimeZone &zone, const char *name)
{
    const QDate date(local.year, static_cast<int>(local.month), static_cast<int>(local.day));
    const QTime time(static_cast<int>(local.hour), static_cast<int>(local.minute));
    const QDateTime inZone(date, time, zone);
    if (!inZone.isValid() || inZone.date() != date || inZone.time() != time)
        refuse(std::string(name) + " (" + civilTimeText(local) + ") n'existe pas dans le fuseau "
               + zone.id().toStdString() + " (changement d'heure).");
    const QDateTime utc = inZone.toUTC();
    return {utc.date().year(), static_cast<unsigned>(utc.date().month()),
            static_cast<unsigned>(utc.date().day()), static_cast<unsigned>(utc.time().hour()),
            static_cast<unsigned>(utc.time().minute())};
}

std::string localTimeText(UtMinutes instant, const QTimeZone &zone)
{
    const QDateTime local =
        QDateTime::fromSecsSinceEpoch(instant.time_since_epoch().count() * 60, zone);
    const int offset = local.offsetFromUtc() / 60;
    const QString sign = offset < 0 ? QStringLiteral("-") : QStringLiteral("+");
    return (local.toString(QStringLiteral("yyyy-MM-dd HH:mm ")) + sign
            + QStringLiteral("%1:%2").arg(std::abs(offset) / 60, 2, 10, QChar('0'))
                  .arg(std::abs(offset) % 60, 2, 10, QChar('0')))
        .toStdString();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QStringList valueOptions{"lat", "lon", "from", "to", "step", "tz"};
    for (const QString &name : valueOptions)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("valeur")));
    parser.addOption(QCommandLineOption(QStringLiteral("csv")));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    parser.addOption(QCommandLineOption(QStringLiteral("version")));
    const QStringList arguments = app.arguments();
    if (!parser.parse(arguments))
        refuse(parseProblem(parser, arguments, valueOptions));
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("brelo-ephem %s\n", BRELO_VERSION);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        refuse("argument inattendu « " + parser.positionalArguments().first().toStdString()
               + " » (brelo-ephem --help pour l'aide).");
    for (const char *required : {"lat", "lon", "from", "to"})
        if (!parser.isSet(QString::fromLatin1(required)))
            refuse(std::string("l'option --") + required
                   + " manque (brelo-ephem --help pour l'aide).");
    const auto value = [&](const char *name) {
        return parser.value(QString::fromLatin1(name)).toStdString();
    };

    const char sep = localeSeparator();
    const AngleFields latitude = accepted(angleFields(value("lat"), "la latitude", 90.0, sep));
    const AngleFields longitude = accepted(angleFields(value("lon"), "la longitude", 180.0, sep));
    const PeriodStep step = accepted(
        periodStep(parser.isSet(QStringLiteral("step")) ? value("step") : std::string("10min")));
    CivilTime from = accepted(civilTime(value("from"), "--from"));
    CivilTime to = accepted(civilTime(value("to"), "--to"));

    const bool zoned = parser.isSet(QStringLiteral("tz"));
    const QTimeZone zone(parser.value(QStringLiteral("tz")).toUtf8());
    if (zoned) {
        if (!zone.isValid())
            refuse("fuseau horaire inconnu « " + value("tz") + " » (par exemple Europe/Paris).");
        if (*instantOf(to) < *instantOf(from))
            refuse("la fin de la période (" + civilTimeText(to) + ") précède son début ("
                   + civilTimeText(from) + ").");
        from = universalTime(from, zone, "--from");
        to = universalTime(to, zone, "--to");
    }
    const PeriodTable table = accepted(PeriodTable::make(
        from, to, step, {latitude.degrees, latitude.minutes, longitude.degrees, longitude.minutes},
        sep));

    const bool csv = parser.isSet(QStringLiteral("csv"));
    const char csvSeparator = csvSeparatorFor(sep);
    const std::size_t dateColumns = zoned ? 2 : 1;
    const std::vector<std::string> headings = ephemTableHeadings(zoned ? value("tz") : "");
    const std::vector<std::size_t> widths = columnWidths(headings, dateColumns);
    const auto write = [&](const std::vector<std::string> &cells) {
        const std::string line =
            csv ? csvLine(cells, csvSeparator) : alignedLine(cells, widths, dateColumns);
        std::fwrite(line.data(), 1, line.size(), stdout);
    };

    write(headings);
    int status = 0;
    for (std::size_t i = 0; i < table.rowCount(); ++i) {
        const std::string local = zoned ? localTimeText(table.instant(i), zone) : std::string();
        const Outcome<PeriodRow> row = table.row(i);
        if (row.ok()) {
            write(ephemTableCells(row.value(), local, zoned, sep));
            continue;
        }
        // A lone instant the computation cannot take (the Sun exactly at the
        // zenith): said in its row and on the error output, the rest goes on.
        std::vector<std::string> cells{civilTimeText(civilTimeOf(table.instant(i)))};
        if (zoned)
            cells.push_back(local);
        cells.push_back(row.error());
        write(cells);
        std::fprintf(stderr, "brelo-ephem : %s : %s\n", cells.front().c_str(), row.error().c_str());
        status = 1;
    }
    return std::fflush(stdout) == 0 ? status : 1;
}
