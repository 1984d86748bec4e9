// brelo-ephem: the Sun's ephemeris over a period, as a text table or CSV.
#include "cli/ephem_arguments.h"
#include "cli/ephem_days_output.h"
#include "cli/ephem_table_text.h"
#include "core/ephemeris/accuracy_range.h"
#include "core/ephemeris/period_table.h"
#include "core/formats/csv_writer.h"
#include "cli/ephem_command_line.h"
#include "core/common/translate.h"
#include "language/language.h"
#include "time/local_time.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTimeZone>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace brelo;

const char *const kHelp = QT_TRANSLATE_NOOP(
    "cli",
    "Usage : brelo-ephem --lat LATITUDE --lon LONGITUDE --from DÉBUT --to FIN [--step PAS]\n"
    "                    [--tz FUSEAU] [--csv]\n"
    "        brelo-ephem --days --lat LATITUDE --lon LONGITUDE --from DATE --to DATE [--tz FUSEAU]\n"
    "                    [--csv]\n"
    "\n"
    "Éphémérides du Soleil de BRELO sur une période : une ligne par instant, de DÉBUT à FIN\n"
    "(FIN comprise quand un pas tombe dessus), au plus 5 000 000 lignes (au-delà, allongez le pas\n"
    "ou raccourcissez la période). Chaque option se donne une seule fois.\n"
    "\n"
    "  --lat LATITUDE   latitude de l'observateur, en degrés décimaux (48.85 ou 48,85) ou en\n"
    "                   degrés:minutes (48:51), pas les deux (48.5:30 est refusé) ; négative au\n"
    "                   Sud, de -90 à 90.\n"
    "  --lon LONGITUDE  longitude, positive à l'Est, négative à l'Ouest, de -180 à 180 ; \"-0:34\"\n"
    "                   est 0° 34' Ouest (les minutes prennent le signe des degrés).\n"
    "  --from DÉBUT     date et heure du premier instant : AAAA-MM-JJTHH:MM (2027-03-20T06:00),\n"
    "                   \"AAAA-MM-JJ HH:MM\" ou AAAA-MM-JJ (minuit) ; années 0000 à 9999.\n"
    "  --to FIN         date et heure du dernier instant, mêmes formes.\n"
    "  --step PAS       pas entre deux instants : 10min, 2h, 1d (ou 1j) ; 10min par défaut.\n"
    "  --tz FUSEAU      fuseau horaire : un nom de la base des fuseaux du système (Europe/Paris,\n"
    "                   America/New_York, CET) ou un décalage (UTC, UTC+02:00, -05:00). DÉBUT et\n"
    "                   FIN sont alors lus en heure locale et l'heure locale s'ajoute au tableau.\n"
    "                   Une heure sautée au passage à l'heure d'été est refusée ; une heure qui a\n"
    "                   lieu deux fois au retour à l'heure d'hiver aussi : donnez alors le\n"
    "                   décalage (--tz UTC+02:00) ou le temps universel. Sans --tz, tout est en\n"
    "                   temps universel. Les instants se suivent au pas donné en temps universel.\n"
    "  --csv            CSV en UTF-8 avec une ligne d'en-tête : des nombres sans unité, l'unité\n"
    "                   dans le titre de la colonne ; séparateur « ; » et virgule décimale si la\n"
    "                   langue du système l'emploie, sinon « , » et point.\n"
    "  --days           une ligne par jour, de la date de DÉBUT à celle de FIN (dates AAAA-MM-JJ,\n"
    "                   sans heure ni --step) : date, lever, passage au méridien et coucher en TU,\n"
    "                   hauteur au passage (°), durée du jour ; avec --tz, les trois heures aussi\n"
    "                   en heure locale. Lever et coucher : centre du Soleil à -0.833° de hauteur\n"
    "                   (réfraction et demi-diamètre). Jour et nuit polaires en toutes lettres ;\n"
    "                   en CSV, les heures sont des dates et heures TU, la durée en heures.\n"
    "  --help           cette aide.\n"
    "  --version        la version du programme.\n"
    "\n"
    "Colonnes : date et heure TU, heure locale (avec --tz), puis les textes de la page\n"
    "« Ephémérides Solaires » de BRELO sans leur libellé : ascension droite, déclinaison, angle\n"
    "horaire (+ vers l'Ouest), hauteur, azimut (0 au Sud, 90 à l'Ouest), distance Terre-Soleil,\n"
    "angle P (+ vers l'Est), B0, L0, angle Nord-Zénith q (négatif avant le passage au méridien,\n"
    "positif après), et le numéro de rotation Carrington avec la fraction de la rotation écoulée\n"
    "(trois décimales tronquées).\n"
    "\n"
    "Précision, de 1800 à 2100 : environ 0.01° sur l'ascension droite, la déclinaison, la hauteur\n"
    "et l'azimut, 0.03° sur P, B0 et q (Soleil à moins de 80° de hauteur), 0.2° sur L0 ; sans la\n"
    "réfraction. Hors de ces années, un avertissement l'écrit sur la sortie d'erreur.\n"
    "\n"
    "Code de sortie : 0 si tout est calculé, 1 si une ligne n'a pu l'être, 2 si les arguments\n"
    "sont incorrects (un message d'une ligne sur la sortie d'erreur), 3 si le tableau n'a pu être\n"
    "écrit (disque plein, sortie fermée).\n");

constexpr int kBadArguments = 2;
constexpr int kWriteFailed = 3;

void say(std::string message)
{
    if (message.empty())
        return;
    // A message from the computations starts a sentence; here it follows a colon.
    if (!message.empty() && message[0] >= 'A' && message[0] <= 'Z')
        message[0] = static_cast<char>(message[0] - 'A' + 'a');
    std::fprintf(stderr, "%s\n", filled(translated("cli", "brelo-ephem : %1"), {message}).c_str());
}

[[noreturn]] void refuse(const std::string &message)
{
    say(message);
    std::exit(kBadArguments);
}

template <class T>
T accepted(const Outcome<T> &outcome)
{
    if (!outcome.ok())
        refuse(outcome.error());
    return outcome.value();
}

// The table could not be written: said with its own exit code, never as success.
[[noreturn]] void writeFailed(int error)
{
    const char *why = error == ENOSPC ? QT_TRANSLATE_NOOP("cli", "plus de place sur le disque")
                      : error == EPIPE ? QT_TRANSLATE_NOOP("cli", "la sortie a été fermée")
                      : error == EIO   ? QT_TRANSLATE_NOOP("cli", "erreur d'entrée-sortie")
                                       : nullptr;
    say(filled(translated("cli", "le tableau n'a pu être écrit sur la sortie standard (%1)."),
               {why ? translated("cli", why) : filled(translated("cli", "erreur %1"), {std::to_string(error)})}));
    std::exit(kWriteFailed);
}

void put(const std::string &line)
{
    errno = 0;
    if (std::fwrite(line.data(), 1, line.size(), stdout) != line.size())
        writeFailed(errno);
}

// The decimal separator of the user's language, as the window uses it.
char localeSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point == QStringLiteral(",") ? ',' : '.';
}

} // namespace

namespace {

// "2027-03-28 03:00 +02:00": the instant's local time and the zone's offset then.
std::string localTimeText(UtMinutes instant, const QTimeZone &zone)
{
    const ZonedTime zoned = zonedTime(std::chrono::sys_seconds{instant}, zone);
    return (dateTimeText(zoned.local) + QLatin1Char(' ') + offsetText(zoned.offsetSeconds)).toStdString();
}

// Said once, before the table, when its years leave those of the stated accuracy.
void warnOutsideStatedAccuracy(int firstYear, int lastYear)
{
    const std::string notice = accuracyNotice(firstYear);
    say(notice.empty() ? accuracyNotice(lastYear) : notice);
}

// The table is written: a failed write is said, never taken for success.
int finished(int status)
{
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        writeFailed(errno);
    return status;
}

int writeTable(const PeriodTable &table, const EphemRequest &request, char sep)
{
    const bool zoned = request.zone.has_value();
    const std::size_t dateColumns = zoned ? 2 : 1;
    const TableForm form = request.csv ? TableForm::Csv : TableForm::Text;
    const std::vector<std::string> headings = ephemTableHeadings(request.zoneName, form);
    const std::vector<std::size_t> widths = columnWidths(headings, dateColumns);
    const auto write = [&](const std::vector<std::string> &cells) {
        put(request.csv ? csvLine(cells, csvSeparatorFor(sep)) : alignedLine(cells, widths, dateColumns));
    };

    write(headings);
    int status = 0;
    for (std::size_t i = 0; i < table.rowCount(); ++i) {
        const std::string local = zoned ? localTimeText(table.instant(i), *request.zone) : std::string();
        const Outcome<PeriodRow> row = table.row(i);
        if (row.ok()) {
            const std::vector<std::string> cells = ephemTableCells(row.value(), local, zoned, sep);
            write(request.csv ? csvCells(cells, dateColumns) : cells);
            continue;
        }
        // A lone instant the computation cannot take (the Sun exactly at the
        // zenith): said in its row and on the error output, the rest goes on.
        std::vector<std::string> cells{civilTimeText(civilTimeOf(table.instant(i)))};
        if (zoned)
            cells.push_back(local);
        cells.push_back(row.error());
        write(cells);
        say(filled(translated("cli", "%1 : %2"), {cells.front(), row.error()}));
        status = 1;
    }
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    useLanguage(desktopLanguage());
    const char sep = localeSeparator();
    const EphemCommand command = accepted(readEphemCommand(app.arguments(), sep));
    if (command.action == EphemAction::Help) {
        put(translated("cli", kHelp));
        return std::fflush(stdout) == 0 ? 0 : kWriteFailed;
    }
    if (command.action == EphemAction::Version) {
        put(std::string("brelo-ephem ") + BRELO_VERSION + "\n");
        return std::fflush(stdout) == 0 ? 0 : kWriteFailed;
    }
    const EphemRequest &r = command.request;
    if (r.days) {
        const PeriodDays days = accepted(periodDaysOf(r, sep));
        warnOutsideStatedAccuracy(r.from.year, r.to.year);
        return finished(writeDaysTable(days, r, sep, {put, say}));
    }
    const PeriodTable table = accepted(PeriodTable::make(
        r.from, r.to, r.step, {r.latitude.degrees, r.latitude.minutes, r.longitude.degrees, r.longitude.minutes},
        sep));
    warnOutsideStatedAccuracy(civilTimeOf(table.instant(0)).year,
                              civilTimeOf(table.instant(table.rowCount() - 1)).year);
    return finished(writeTable(table, r, sep));
}
