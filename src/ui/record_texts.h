#pragma once
// How the statistics dialogs write the values of the record files: game names from the
// catalogue, YYYYMMDD dates in the locale's short form, playing times, rates and streaks.

#include <QDate>
#include <QString>

#include <map>
#include <string>

namespace marlowe {

class TMainGame;

// The names of every built-in and custom game, by number.
std::map<int, QString> GameNames(const TMainGame& mainGame);
// The name of game number in names; for a game no longer known (a deleted custom game) the
// name the record kept, or "Game " + number.
QString GameNameIn(const std::map<int, QString>& names, int number, const std::string& recordedName = {});

// A YYYYMMDD number as a date; invalid for 0 or a number that is no date.
QDate DateOf(int yyyymmdd);
// The date in the locale's short format; empty when it is no date.
QString DateText(int yyyymmdd);
// An HHMMSS number as "13:05:09".
QString TimeOfDayText(int hhmmss);
// Seconds as "4:07" or "1:02:03"; "-" for none.
QString DurationText(long long seconds);
// A percentage with one decimal: "66.7%"; "-" when nothing was played.
QString RateText(double percent, long long played);
// A streak as "3 won" or "2 lost" in a row; "-" for none.
QString StreakText(long long streak);

} // namespace marlowe
