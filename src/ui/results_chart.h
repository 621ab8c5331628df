#pragma once
// A small picture of a player's results over time: the win rate after each logged game as a
// line over a 0-100% grid, and under it one bar per game, green for a win and red for a loss,
// with the dates of the first and last game. Without results it says so.

#include <QWidget>

#include <vector>

namespace marlowe {

// One logged game as the chart needs it.
struct ChartResult {
    int date = 0; // YYYYMMDD
    bool won = false;
};

class ResultsChart : public QWidget {
public:
    explicit ResultsChart(QWidget* parent = nullptr);

    // The results in the order they were played.
    void SetResults(std::vector<ChartResult> results);
    const std::vector<ChartResult>& Results() const { return results_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<ChartResult> results_;
};

// The win rate in percent after each of the results.
std::vector<double> RunningWinRates(const std::vector<ChartResult>& results);

} // namespace marlowe
