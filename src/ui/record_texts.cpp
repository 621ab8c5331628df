#include "ui/record_texts.h"

#include "catalogue/custom_games.h"
#include "catalogue/main_game.h"

#include <QLocale>
#include <QTime>

#include <cstdlib>

namespace marlowe {

std::map<int, QString> GameNames(const TMainGame& mainGame)
{
    std::map<int, QString> names;
    for (const std::string& line : mainGame.Catalogue())
        names[CatalogueLineNumber(line)] = QString::fromStdString(CatalogueLineName(line));
    for (const CustomGame& game : mainGame.ListCustomGames().value_or(std::vector<CustomGame>{}))
        names[game.number] = QString::fromStdString(game.name);
    return names;
}

QString GameNameIn(const std::map<int, QString>& names, int number, const std::string& recordedName)
{
    const auto found = names.find(number);
    if (found != names.end())
        return found->second;
    return recordedName.empty() ? QString("Game %1").arg(number) : QString::fromStdString(recordedName);
}

QDate DateOf(int yyyymmdd)
{
    return QDate(yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100);
}

QString DateText(int yyyymmdd)
{
    const QDate date = DateOf(yyyymmdd);
    return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : QString();
}

QString TimeOfDayText(int hhmmss)
{
    return QString("%1:%2:%3")
        .arg(hhmmss / 10000, 2, 10, QChar('0'))
        .arg(hhmmss / 100 % 100, 2, 10, QChar('0'))
        .arg(hhmmss % 100, 2, 10, QChar('0'));
}

QString DurationText(long long seconds)
{
    if (seconds <= 0)
        return "-";
    const long long hours = seconds / 3600;
    const long long minutes = seconds / 60 % 60;
    const QString rest = QString("%1").arg(seconds % 60, 2, 10, QChar('0'));
    if (hours > 0)
        return QString("%1:%2:%3").arg(hours).arg(minutes, 2, 10, QChar('0')).arg(rest);
    return QString("%1:%2").arg(minutes).arg(rest);
}

QString RateText(double percent, long long played)
{
    return played > 0 ? QString("%1%").arg(percent, 0, 'f', 1) : QString("-");
}

QString StreakText(long long streak)
{
    if (streak == 0)
        return "-";
    return QString("%1 %2").arg(std::llabs(streak)).arg(streak > 0 ? "won" : "lost");
}

} // namespace marlowe
