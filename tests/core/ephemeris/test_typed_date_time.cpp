#include "core/ephemeris/typed_date_time.h"

#include <gtest/gtest.h>

namespace brelo {
namespace {

// A date and time typed in the period dialog: read as typed, or refused with
// the reason. Month lengths by the Gregorian rule (1900 is not a leap year).
TEST(TypedDateTime, ReadAsTypedOrRefusedWithTheReason)
{
    const struct {
        const char *typed;
        const char *read;  // written back, or nullptr
        const char *said;  // the message after the quoted text
    } cases[] = {
        {"05/03/2027 08:00", "05/03/2027 08:00", ""},
        {"  5/3/2027   8:05 ", "05/03/2027 08:05", ""},
        {"31/12/-4000 23:59", "31/12/-4000 23:59", ""},
        {"5/3/27", nullptr, " doit s'écrire JJ/MM/AAAA HH:MM, par exemple 05/03/2027 08:00."},
        {"31/04/2027 08:00", nullptr, " n'existe pas : avril 2027 compte 30 jours."},
        {"29/02/1900 08:00", nullptr, " n'existe pas : février 1900 compte 28 jours."},
        {"05/03/2027 24:00", nullptr, " n'existe pas : l'heure va de 0 à 23."},
        {"05/03/40000 08:00", nullptr, " n'existe pas : l'année va de -32767 à 32767."},
    };
    for (const auto &c : cases) {
        const Outcome<CivilTime> read = readTypedDateTime(c.typed, "Le début");
        if (c.read) {
            ASSERT_TRUE(read.ok()) << c.typed << ": " << read.error();
            EXPECT_EQ(typedDateTimeText(read.value()), c.read);
        } else {
            EXPECT_EQ(read.error(), "Le début (« " + std::string(c.typed) + " »)" + c.said);
        }
    }
}

} // namespace
} // namespace brelo
