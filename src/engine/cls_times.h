#pragma once
// The divisions of the day (sunrise to sunset) and the night (sunset to the
// next sunrise) into equal parts, the traditional periods that the weekday
// marks among them, the rising moments of the upagrahas, and the horas and
// muhurtas of the day and night.
//
// Every output moment is a time of day to the whole second on day zero, or on
// day one when the addition that made it passed midnight; the date part says
// nothing about the calendar date, so callers join the time to a date
// themselves.
#include <array>
#include <cstdint>
#include <string>

#include "platform/date_time.h"

namespace jd {

class clsTimes {
public:
    // Inputs. After findtimes the sunrise and the sunset hold only their own
    // time of day.
    DateTime Sunrisetime;
    DateTime Sunsettime;
    DateTime currentdate;  // only its weekday is used
    DateTime SunRiseNexttime;

    // Periods of one day eighth.
    DateTime vaarvelaStart, vaarvelaEnd;
    DateTime kaalvelaStart, kaalvelaEnd;
    DateTime RahukaalStart, RahukaalEnd;
    DateTime GulikaRise_Day, GulikaStart_Day, GulikaEnd_Day;
    DateTime yamaghanta2Start_Day, yamaghanta2End_Day;
    DateTime ArdhayamaStart_Day, ArdhayamaEnd_Day;
    DateTime Kantaka2Start_Day, Kantaka2End_Day;
    // Periods of one night eighth.
    DateTime KaalratriStart, KaalratriEnd;
    DateTime GulikaRise_Night, GulikaStart_Night, GulikaEnd_Night;
    DateTime yamaghanta2Start_Night, yamaghanta2End_Night;
    DateTime ArdhayamaStart_Night, ArdhayamaEnd_Night;
    DateTime Kantaka2Start_Night, Kantaka2End_Night;
    // Periods of one day or night sixteenth.
    DateTime KulikaStart_Day, KulikaEnd_Day;
    DateTime kaalvela2Start, bkaalvela2Start, kaalvela2End;
    DateTime yamaghantaStart, yamaghantaEnd;
    DateTime KantakaStart, KantakaEnd;
    DateTime KulikaStart_Night, KulikaEnd_Night;
    // The horas: lords (weekday names), starts and ends, each list joined by "~".
    std::string HoraName_DayTemp, HoraStart_DayTemp, HoraEnd_DayTemp;
    std::string HoraName_NightTemp, HoraStart_NightTemp, HoraEnd_NightTemp;
    // Visha ghati (four day thirtieths) and the rising moments of Maandi.
    DateTime VishaGhatiStart, VishaGhatiEnd;
    DateTime MandiRise_Day, MandiRise_Night;
    // Amrita ghati: three ghatikas of the whole day.
    DateTime AmritaGhatiStart, AmritaGhatiEnd;
    // The thirty muhurtas: names, starts and ends, each list joined by "~".
    std::string DoGhatiMuhurtaName_Temp, DoGhatiMuhurtaStart_Temp, DoGhatiMuhurtaEnd_Temp;
    // Rising moments of the upagrahas.
    DateTime kaalaRise_Day, kaalaRise_Night;
    DateTime karesaRise_Day, karesaRise_Night;
    DateTime KalainananRise_Day, KalainananRise_Night;  // not computed: stay zero
    DateTime YamagantaRise_Night, YamagantaRise_Day;
    DateTime VidaghatiRise_Day, VidaghatiRise_Night;
    DateTime ArdhaPrakarananRise_Day, ArdhaPrakarananRise_Night;

    // Computes every output from the four inputs. The inputs are not checked:
    // they must come in the order sunrise, sunset, next sunrise.
    void findtimes();

private:
    void fillPeriods(int w);
    void fillHorasAndMuhurtas(int w);

    // Boundary k is the end of part k; element 0 is never written (part 1
    // starts at the sunrise or the sunset).
    std::array<DateTime, 9> DayEighths{}, NightEighths{};
    std::array<DateTime, 17> DaySixteenths{}, NightSixteenths{};
    std::array<DateTime, 13> DayTwelfths{}, NightTwelfths{};
    std::array<DateTime, 16> DayFifteenths{}, NightFifteenths{};
    std::array<DateTime, 31> DayThirtieths{}, NightThirtieths{};
    std::array<DateTime, 61> Ghatikas{};  // sixtieths of sunrise to next sunrise
};

}  // namespace jd
